#!/usr/bin/env python3
"""The game's folder as `cmake --install` lays it out, and a reinstall over a
folder the player has used.

1. A fresh configuration with no prefix given installs into the player's own
   folder, ~/.local/share/kernmine.
2. `cmake --install BUILD --prefix DIR` puts the executable into DIR with the
   folders levels/, save/, site/ and skins/ beside it, the skins we offer in
   skins/ exactly as they are checked in.
3. The player changes one of those skins, deletes another, adds a skin, a level
   and a saved game; a reinstall leaves every one of those files as the player
   left it and only brings back the deleted skin.

usage: install_layout.py CMAKE SOURCE_FOLDER BUILD_FOLDER EXECUTABLE_NAME"""

import os
import subprocess
import sys
import tempfile
from pathlib import Path

FOLDERS = ["levels", "save", "site", "skins"]


def install(cmake, build, prefix):
    run = subprocess.run([cmake, "--install", build, "--prefix", str(prefix)], capture_output=True, text=True)
    if run.returncode != 0:
        raise SystemExit("cmake --install failed:\n" + run.stdout + run.stderr)


def default_prefix(cmake, source, scratch):
    """The install prefix a first configuration picks when none is given."""
    home = scratch / "home"
    build = scratch / "configured"
    env = dict(os.environ, HOME=str(home))
    env.pop("CMAKE_INSTALL_PREFIX", None)
    run = subprocess.run([cmake, "-S", source, "-B", str(build), "-DKERNMINE_GUI=OFF", "-DKERNMINE_BENCH=OFF"],
                         capture_output=True, text=True, env=env)
    if run.returncode != 0:
        raise SystemExit("configuring failed:\n" + run.stdout + run.stderr)
    for line in (build / "CMakeCache.txt").read_text().splitlines():
        if line.startswith("CMAKE_INSTALL_PREFIX:"):
            return Path(line.split("=", 1)[1]), home / ".local" / "share" / "kernmine"
    raise SystemExit("CMakeCache.txt names no CMAKE_INSTALL_PREFIX")


def check_fresh_install(game, skins, executable):
    faults = []
    if not (game / executable).is_file():
        faults.append("%s is not in the game's folder" % executable)
    for folder in FOLDERS:
        if not (game / folder).is_dir():
            faults.append("%s/ is not beside the executable" % folder)
    for skin in skins:
        installed = game / "skins" / skin.name
        if not installed.is_file() or installed.read_bytes() != skin.read_bytes():
            faults.append("skins/%s is missing or differs from assets/skins/%s" % (skin.name, skin.name))
    return faults


def play_in(game, skins):
    """What a player leaves in the game's folder: returns the files and their bytes."""
    changed, deleted = skins[0].name, skins[1].name
    left = {
        "skins/" + changed: b"the player's own version of this skin",
        "skins/mine.bmp": b"a skin the player made",
        "levels/level1.bmp": b"the player's first level",
        "save/journey.kms": b"a saved game",
    }
    for name, data in left.items():
        (game / name).write_bytes(data)
    (game / "skins" / deleted).unlink()
    return left, deleted


def main(cmake, source, build, executable):
    skins = sorted(Path(source, "assets", "skins").glob("*.bmp"))
    faults = [] if len(skins) >= 2 else ["fewer than two skins in assets/skins"]
    with tempfile.TemporaryDirectory() as folder:
        scratch = Path(folder)
        chosen, expected = default_prefix(cmake, source, scratch)
        if chosen != expected:
            faults.append("the default game folder is %s, not %s" % (chosen, expected))

        game = scratch / "the game"
        install(cmake, build, game)
        faults += check_fresh_install(game, skins, executable)
        if not faults:
            left, deleted = play_in(game, skins)
            install(cmake, build, game)
            for name, data in left.items():
                if not (game / name).is_file() or (game / name).read_bytes() != data:
                    faults.append("the reinstall changed or removed %s" % name)
            restored = game / "skins" / deleted
            if not restored.is_file() or restored.read_bytes() != (Path(source, "assets", "skins", deleted)).read_bytes():
                faults.append("the reinstall did not bring back the deleted skins/%s" % deleted)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
