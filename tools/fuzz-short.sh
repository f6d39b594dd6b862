#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer under AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, and runs each for a short while
# (30 seconds unless told) on its seed corpus. Without clang or its libFuzzer
# runtime it says so and succeeds: the test suite still replays every seed
# corpus with the usual compiler.
#
#   tools/fuzz-short.sh [SECONDS]
#
# A crash leaves its input in build-fuzz/fuzz/<target>-crashes/. Longer runs use
# the same build; docs/reliability.md has their commands.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}

if ! command -v clang++ >/dev/null; then
  echo "fuzz-short: no clang++ here (Debian: apt-get install clang); the fuzz targets were not run"
  exit 0
fi
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe/probe.cpp"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
  echo "fuzz-short: clang++ has no libFuzzer runtime (Debian: apt-get install libclang-rt-dev); the fuzz targets were not run"
  exit 0
fi

# Coverage everywhere; comparisons traced only in the fuzz targets' own sources
# (see fuzz/CMakeLists.txt), which keeps the game's tick fast enough to fuzz.
CC=clang CXX=clang++ cmake -S "$top" -B "$top/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKERNMINE_SANITIZE=ON -DKERNMINE_BENCH=OFF -DKERNMINE_FUZZ_SECONDS="$seconds" \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link -fno-sanitize-coverage=trace-cmp" >/dev/null
targets=$(cd "$top/build-fuzz" && ctest -N -L fuzz | sed -n 's/^ *Test *#[0-9]*: \(.*\)-short$/\1/p')
# shellcheck disable=SC2086 # one target a word
cmake --build "$top/build-fuzz" --target $targets
cd "$top/build-fuzz" && ctest -L fuzz --output-on-failure
