#!/usr/bin/env bash
# Installs the Debian package on this machine for real, as a player would, starts
# the game from the menu entry's command, removes the package again and checks
# that nothing of it is left outside the player's own folders. Needs root (or
# sudo) and changes the machine: for a scratch machine, not for the test suite.
#
#   tools/try-package.sh [PACKAGE.deb]     (tools/package.sh builds one unless given)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
package=${1:-$(bash "$top/tools/package.sh" | tail -n 1)}
package=$(realpath "$package")
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

fail() {
  echo "try-package: $*" >&2
  exit 1
}

# Every path of the machine's own folders that bears the game's name, outside
# the project and the scratch home.
traces() {
  find / -xdev \( -path /proc -o -path /sys -o -path "$top" -o -path "$home" -o -path /tmp \) -prune \
    -o -iname '*kernmine*' -print 2>/dev/null | sort
}

before=$(traces)
dpkg-query -W -f='${Status}' kernmine 2>/dev/null | grep -q 'install ok installed' &&
  fail "kernmine is installed already; remove it first"

DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$package" >/dev/null
for file in /usr/games/kernmine /usr/games/kernmine-editor /usr/share/applications/kernmine.desktop \
  /usr/share/icons/hicolor/48x48/apps/kernmine.png /usr/share/games/kernmine/skins/classic.bmp; do
  [ -f "$file" ] || fail "the package installed no $file"
done
command -v man >/dev/null && { man -w kernmine >/dev/null || fail "man kernmine finds no page"; }

# The game as the menu entry starts it, for a player of his own, for a few
# seconds; asked to stop, it stores its settings and ends normally.
command=$(sed -n 's/^Exec=//p' /usr/share/applications/kernmine.desktop | tr -d '"')
HOME=$home XDG_DATA_HOME= XDG_CONFIG_HOME= QT_QPA_PLATFORM=offscreen "$command" >"$home/game.log" 2>&1 &
game=$!
sleep 3
kill -TERM "$game"
wait "$game" || fail "the game ended with code $? (its output: $(cat "$home/game.log"))"
[ -d "$home/.local/share/kernmine/save" ] || fail "the game made no save folder in the player's data folder"
[ -f "$home/.config/orvelund/Kernmine.ini" ] || fail "the game stored no settings in the player's folder"

DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq kernmine >/dev/null
left=$(comm -13 <(echo "$before") <(traces))
[ -z "$left" ] || fail "left behind after the removal: $left"
echo "try-package: installed, played and removed $package; nothing of it is left"
