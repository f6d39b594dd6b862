#!/usr/bin/env bash
# Sets everything up and starts the game: installs the missing Debian packages,
# builds, installs the game into a per-user folder and runs it from there, so that
# saved games, added levels and skins beside it survive a rebuild, and puts it
# into the desktop's menu.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
home=${KERNMINE_HOME:-$HOME/.local/share/kernmine}

bash "$top/tools/install-deps.sh"
cmake -S "$top" -B "$top/build" -G Ninja >/dev/null
cmake --build "$top/build" --target kernmine kernmine-editor
cmake --install "$top/build" --prefix "$home" >/dev/null
bash "$top/tools/install-desktop.sh" "$home"
exec "$home/kernmine" "$@"
