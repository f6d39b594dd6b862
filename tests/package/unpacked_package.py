#!/usr/bin/env python3
"""The Debian package, built, checked and unpacked into a scratch folder, and the
game played from there as a new player on the machine plays it.

1. tools/package.sh builds the package; lintian finds no error and no warning in
   it, and the AppStream data and the desktop entries pass their validators
   (each check where its tool is installed);
2. unpacked with dpkg-deb -x, the game is started on a virtual screen with a
   fresh home: the skins panel lists the skins that come with the package and
   loads one, the skins guide opens from the package's data folder, and a game
   saved with the S key lands in the player's data folder, the settings in his
   configuration folder; nothing is written into the package's folders.

Exits 77, which the test suite reports as skipped, when dpkg's build tools, Xvfb,
xdotool or ImageMagick's import are missing.

usage: unpacked_package.py SOURCE_FOLDER SCRATCH_FOLDER"""

import os
import shutil
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[1] / "e2e"))
from installed_game import Game, check, run_on_screen, settings, wait_until  # noqa: E402

SKIN = "classic.bmp"  # the first of the skins we offer, by name
SAVE_NAME = "packaged"
GUIDE = "usr/share/games/kernmine/site/programs/km_skins_eng.htm"


def run(*command, **options):
    return subprocess.run(command, capture_output=True, text=True, timeout=600, **options)


def build_package(source, scratch):
    done = run("bash", str(source / "tools/package.sh"), str(scratch / "build"))
    check(done.returncode == 0, "the package was not built:\n" + done.stderr[-3000:])
    return Path(done.stdout.split()[-1])


def validate(package, root):
    """Each validator that is installed: lintian, appstreamcli, desktop-file-validate."""
    if shutil.which("lintian"):
        done = run("lintian", "--fail-on", "error,warning", str(package))
        tags = [line for line in done.stdout.splitlines() if line[:2] in ("E:", "W:")]
        check(done.returncode == 0 and not tags, "lintian: %s" % (tags or done.stderr))
    metainfo = sorted((root / "usr/share/metainfo").glob("*.xml"))
    check(len(metainfo) == 1, "the package holds %d AppStream files" % len(metainfo))
    if shutil.which("appstreamcli"):
        done = run("appstreamcli", "validate", "--no-net", str(metainfo[0]))
        check(done.returncode == 0 and "warning" not in done.stdout.lower(), "appstreamcli: " + done.stdout)
    entries = sorted((root / "usr/share/applications").glob("*.desktop"))
    check([entry.name for entry in entries] == ["kernmine-editor.desktop", "kernmine.desktop"],
          "the package's desktop entries are %s" % entries)
    if shutil.which("desktop-file-validate"):
        for entry in entries:
            done = run("desktop-file-validate", str(entry))
            check(done.returncode == 0 and not done.stdout.strip(), "desktop-file-validate: " + done.stdout)


def files_under(folder):
    return sorted(str(path.relative_to(folder)) for path in folder.rglob("*"))


def play_from(root, home, screen):
    """Chooses a shipped skin, opens the skins guide, saves a game and quits."""
    # The player has played before: no title to sit through.
    config = home / "config" / "orvelund"
    config.mkdir(parents=True)
    (config / "Kernmine.ini").write_text("[software]\norvelund\\soft\\Kernmine\\7.0\\english=1\n")
    # The guide opens in whatever the desktop opens files with; here that is a
    # stand-in which notes the file it was given.
    opener = home / "bin" / "xdg-open"
    opener.parent.mkdir()
    opener.write_text('#!/bin/sh\nprintf "%%s" "$1" > "%s"\n' % (home / "opened"))
    opener.chmod(0o755)
    os.environ["PATH"] = "%s:%s" % (opener.parent, os.environ["PATH"])

    game = Game(root / "usr/games/kernmine", screen, home)
    try:
        game.skip_title()
        # Skins, seven rows below New game: the list opens on the built-in skin;
        # the next entry is ours.
        screen.keys(*["Down"] * 7, "Right", "Down", "Return", gap=0.3)
        screen.keys("Return", "Tab", "Return", gap=0.3)  # the message closed, the guide opened
        wait_until((home / "opened").exists, 10, "the skins guide to open")
        # Back to the main menu; New game, internal levels; the save key in play.
        screen.keys("Left", *["Up"] * 7, "Right", "Return", gap=0.3)
        screen.keys("s", gap=0.5)
        screen.type(SAVE_NAME)
        screen.keys("Return")
        saved = home / "data/kernmine/save" / (SAVE_NAME + ".kms")
        wait_until(saved.is_file, 10, "the file " + str(saved))
        screen.keys("F10")
        game.wait_end("the quick-exit key")
    finally:
        game.stop()

    opened = Path((home / "opened").read_text().removeprefix("file://"))
    check(opened == root / GUIDE, "the skins guide opened %s, not the package's %s" % (opened, root / GUIDE))
    skin = Path(settings(home).get("skin", ""))
    check(skin == root / "usr/share/games/kernmine/skins" / SKIN, "the stored skin is %s" % skin)
    for name in ("levels", "skins", "save"):
        check((home / "data/kernmine" / name).is_dir(), "the player has no %s folder" % name)


def main(source, scratch):
    def scenario(screen, folder):
        scratch.mkdir(parents=True, exist_ok=True)
        package = build_package(source, scratch)
        root, home = folder / "root", folder / "home"
        check(run("dpkg-deb", "-x", str(package), str(root)).returncode == 0, "dpkg-deb could not unpack the package")
        validate(package, root)
        packaged = files_under(root)
        home.mkdir()
        play_from(root, home, screen)
        check(files_under(root) == packaged, "the game wrote into the package's folders")

    return run_on_screen(scenario, "the package passed its checks, and the game from it kept the player's files "
                         "in his own folders", needed=("dpkg-buildflags", "dpkg-shlibdeps", "pod2man"))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(Path(sys.argv[1]), Path(sys.argv[2])))
