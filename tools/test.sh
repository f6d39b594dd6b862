#!/usr/bin/env bash
# Builds and runs every test: the whole game, then the core again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"

bash tools/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build
(cd build && ctest --output-on-failure -j2)

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKERNMINE_GUI=OFF -DKERNMINE_BENCH=OFF -DKERNMINE_SANITIZE=ON >/dev/null
cmake --build build-sanitize
(cd build-sanitize && ctest --output-on-failure -j2)
