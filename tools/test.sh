#!/usr/bin/env bash
# Builds and runs every test twice: the game as it is built, then the whole
# suite again under AddressSanitizer and UndefinedBehaviorSanitizer, the
# window's tests and the installed game included.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash tools/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build
(cd build && ctest --output-on-failure -j2)

# -O1 with line tables only: quick to build and to run, and every report still
# names its lines. No benchmarks: timings under the sanitizers mean nothing.
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
  -DKERNMINE_GUI=ON -DKERNMINE_BENCH=OFF -DKERNMINE_SANITIZE=ON >/dev/null
cmake --build build-sanitize
# Qt is not instrumented; the leaks that belong to the libraries beneath the
# game are listed, with the reason, in the suppressions file.
(cd build-sanitize &&
  ASAN_OPTIONS=check_initialization_order=1:strict_init_order=1 \
  LSAN_OPTIONS="suppressions=$top/tools/lsan-suppressions.txt:print_suppressions=0" \
  UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j2)

# A short libFuzzer run of every fuzz target, where clang is there.
bash tools/fuzz-short.sh
