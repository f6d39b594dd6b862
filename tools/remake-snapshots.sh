#!/usr/bin/env bash
# Stores the screens of the snapshot tests anew, from the game as it is built
# now. Run it after a change of the screens that is meant, look at every
# picture git shows as changed, and commit them as a change of their own.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
cmake -S . -B build -G Ninja >/dev/null
tests=(screen_snapshots)
cmake --build build --target "${tests[@]}"
for test in "${tests[@]}"; do
  (cd build && KERNMINE_REMAKE_SNAPSHOTS=1 QT_QPA_PLATFORM=offscreen ctest -R "^$test\$" --output-on-failure)
done
git status --short tests/snapshots
