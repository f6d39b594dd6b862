#!/usr/bin/env bash
# Stores the screens of the snapshot tests (the game's and the editor's) and
# the transcripts of the flow anew, from the programs as they are built now.
# Run it after a change of the screens or of the flow that is meant, look at
# every picture and read every transcript git shows as changed, and commit
# them as a change of their own.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target screen_snapshots editor_snapshots session-tests
(cd build && KERNMINE_REMAKE_SNAPSHOTS=1 QT_QPA_PLATFORM=offscreen \
  ctest -R '^(screen_snapshots|editor_snapshots|Flow/Transcripts\..*)$' --output-on-failure)
git status --short tests/snapshots tests/session/transcripts
