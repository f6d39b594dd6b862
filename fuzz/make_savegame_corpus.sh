#!/usr/bin/env bash
# Writes the seed saved games of the saved-game fuzz target into corpus/savegame/:
# real games saved by the tape tool at moments that reach every part of the
# format. Run once with the tape tool of a build; the output is checked in.
#
#   fuzz/make_savegame_corpus.sh build/tools/tape/kernmine-tape
set -euo pipefail
tape_tool=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
out=$here/corpus/savegame
levels=$here/../assets/levels
solutions=$here/../tests/levels
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$out"

# save NAME LEVEL TAPE-TEXT [OPTIONS...]
save() {
  local name=$1 level=$2 tape=$3
  shift 3
  echo "$tape" | "$tape_tool" "$level" - --save "$out/$name.kms" "$@" >/dev/null
}

# The first moves of a winning play: creatures walking, stones falling.
first_moves() {
  grep -v '^#' "$solutions/level$1.tape" | tr -s ' \n' '\n' | head -n "$2" | tr '\n' ' '
}

save start-level1 builtin:1 ""
save underway-level5 builtin:5 "$(first_moves 5 60)"
save underway-level17 builtin:17 "$(first_moves 17 120)"
# Explosions caught between two ticks fill the explosion planes.
save exploding-level9 builtin:9 "$(first_moves 9 30) T ."
save dead-level2 builtin:2 "T .*3"
# Counts of twenty and more are written in runs: level 45, 27 lives, 40 bombs.
cp "$levels/level12.bmp" "$scratch/level45.bmp"
save runs-of-twenty "$scratch/level45.bmp" "R R D" --lives 27 --bombs 40
# An external level that is played on after the last built-in one.
cp "$levels/level30.bmp" "$scratch/level31.bmp"
save external-level31 "$scratch/level31.bmp" "$(first_moves 30 40)"
