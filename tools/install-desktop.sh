#!/usr/bin/env bash
# Puts the installed game and its level editor into the desktop's menu: their
# entries and icons at every size, in the user's data folder, where freedesktop
# menus look for them.
#
# usage: install-desktop.sh GAME_FOLDER [DATA_FOLDER]
#   GAME_FOLDER  the folder `cmake --install` laid out, with kernmine and kernmine-editor
#   DATA_FOLDER  ${XDG_DATA_HOME:-$HOME/.local/share} unless given
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
art=$top/assets/desktop
[ $# -ge 1 ] && [ $# -le 2 ] || { sed -n '5,7s/^# \{0,1\}//p' "$0" >&2; exit 2; }
game=$(cd "$1" && pwd)
data=${2:-${XDG_DATA_HOME:-$HOME/.local/share}}

case $game in
*$'\n'* | *$'\r'* | *$'\t'*) echo "install-desktop.sh: the game's path cannot hold line breaks or tabs" >&2; exit 1 ;;
esac

# A string value of a desktop entry writes a backslash as two.
entry_string() {
  printf '%s' "${1//\\/\\\\}"
}

# Exec takes the program in double quotes, inside which ", `, $ and \ are
# escaped with a backslash and % is doubled; then the value's own escaping
# doubles every backslash.
exec_value() {
  local s=$1
  s=${s//\\/\\\\}
  s=${s//\"/\\\"}
  s=${s//\`/\\\`}
  s=${s//\$/\\\$}
  s=${s//%/%%}
  entry_string "\"$s\""
}

for program in kernmine kernmine-editor; do
  executable=$game/$program
  for size in 16 32 48 64 128 256; do
    install -D -m 644 "$art/icons/$program-$size.png" "$data/icons/hicolor/${size}x${size}/apps/$program.png"
  done
  install -D -m 644 "$art/icons/$program.svg" "$data/icons/hicolor/scalable/apps/$program.svg"

  entry=$(<"$art/$program.desktop.in")
  entry=${entry//@TRYEXEC@/"$(entry_string "$executable")"}
  entry=${entry//@EXEC@/"$(exec_value "$executable")"}
  mkdir -p "$data/applications"
  printf '%s\n' "$entry" > "$data/applications/$program.desktop"
done
