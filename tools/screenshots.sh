#!/usr/bin/env bash
# Remakes the README's pictures: the title, the main menu and play, taken from the
# built game on a virtual X screen of 1024 x 768; and the level editor's, for the
# README and, in English and Russian, for the level guides.
#
#   tools/screenshots.sh [BUILD_FOLDER]     (default: build)
#
# Builds nothing: build the game first (tools/test.sh or cmake --build build). The
# game runs in a temporary folder with settings of its own, so neither the build
# nor the player's installation or settings are touched. The pictures go to
# docs/screenshots/ and assets/site/programs/. Needs xvfb, xdotool and imagemagick (tools/install-deps.sh).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build}
game=$build/src/app/kernmine
editor=$build/src/editor/kernmine-editor
out=$top/docs/screenshots
site=$top/assets/site/programs
size=1024x768

[ -x "$game" ] || { echo "screenshots.sh: no game at $game; build it first" >&2; exit 2; }
[ -x "$editor" ] || { echo "screenshots.sh: no editor at $editor; build it first" >&2; exit 2; }
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "screenshots.sh: $tool is missing (tools/install-deps.sh)" >&2; exit 2; }
done

work=$(mktemp -d)
xvfb="" kernmine=""
cleanup() {
  [ -n "$kernmine" ] && kill "$kernmine" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The game keeps its folders beside its executable: a copy of its own.
mkdir -p "$work/game" "$work/config/orvelund" "$out"
cp "$game" "$editor" "$work/game/"
# Settings that exist already make this a later start, whose title a key skips.
printf '[software]\norvelund\\soft\\Kernmine\\7.0\\english=1\n' >"$work/config/orvelund/Kernmine.ini"

# Xvfb writes the number of the display it chose once it is ready.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "screenshots.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")

keys() {
  for key in "$@"; do
    xdotool key "$key"
    sleep 0.3  # two world ticks: one key each
  done
}
shot() {
  local picture=${2:-$out/$1.png}
  import -window root -depth 8 -strip "$picture"
  echo "$picture"
}

env -u QT_SCALE_FACTOR HOME="$work" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb \
  "$work/game/kernmine" >"$work/game.log" 2>&1 &
kernmine=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Kernmine$' | head -n 1) ||
  { echo "screenshots.sh: the game showed no window" >&2; cat "$work/game.log" >&2; exit 1; }
xdotool windowfocus "$window"

# The credit and its caption are both up from 3 to 6 seconds into the title.
sleep 4
shot title
keys Return
shot menu
# New game, Start with internal levels, then a short dig down and to the right.
keys Return Return
keys Down Down Down Right Right Right Right Down Down
sleep 0.5
shot play
keys F10
wait "$kernmine" || true
kernmine=""

# The editor on two built-in levels, the first proven by its tape, and a second
# player drawn in, so that a problem shows marked on the board. Where the board
# stands on this screen: its cell (30, 20). Then zoomed in with the View menu
# open; then killed with the change unsaved and started again, to ask whether
# its recovery copy is brought back.
mkdir -p "$work/levels"
cp "$top/assets/levels/level7.bmp" "$work/levels/level1.bmp"
cp "$top/tests/levels/level7.tape" "$work/levels/level1.tape"
cp "$top/assets/levels/level12.bmp" "$work/levels/level2.bmp"
second_player=(501 392)
start_editor() {  # the title of the window to wait for
  env -u QT_SCALE_FACTOR HOME="$work" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb \
    "$work/game/kernmine-editor" --folder "$work/levels" >"$work/editor.log" 2>&1 &
  kernmine=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1) ||
    { echo "screenshots.sh: the editor showed no window" >&2; cat "$work/editor.log" >&2; exit 1; }
  xdotool windowfocus "$window"
  sleep 1
}
stop_editor() {  # the signal
  kill "-$1" "$kernmine"
  wait "$kernmine" 2>/dev/null || true  # bash's word on the killed job, too
  kernmine=""
}
editor_shot() {  # language (1 English, 0 Russian), suffix of the pictures
  printf '[software]\norvelund\\soft\\Kernmine\\7.0\\english=%s\n' "$1" >"$work/config/orvelund/Kernmine.ini"
  start_editor '(Kernmine level editor|Редактор уровней Kernmine)$'
  keys 2
  xdotool mousemove "${second_player[@]}" click 1 mousemove 0 0
  sleep 0.5
  shot editor "$site/editor$2.png"
  # Alt takes the menu bar, whose third menu is View.
  keys ctrl+plus ctrl+plus ctrl+plus alt Right Right Down
  sleep 0.5
  shot editor-zoom "$site/editor_zoom$2.png"
  stop_editor KILL
  # The question is the window titled by the editor's name alone.
  start_editor '^(Kernmine level editor|Редактор уровней Kernmine)$'
  import -window "$window" -depth 8 -strip "$site/editor_recovery$2.png"
  echo "$site/editor_recovery$2.png"
  stop_editor TERM
  rm -r "$work/game/editor"
}
editor_shot 1 _eng
cp "$site/editor_eng.png" "$out/editor.png"
editor_shot 0 ""
