#!/usr/bin/env python3
"""The game's window under load on a virtual screen: what play costs, and a key held down.

Installs a build into a temporary folder and runs the real executable under
Xvfb, as the end-to-end test does (tests/e2e/installed_game.py, whose screen
and game helpers it uses), then:

1. play: starts the built-in levels and lets level 1 run untouched for a
   minute; the game's share of a core (user and system time from
   /proc/PID/stat) and its resident size must stay within the budgets;
2. held key: holds a key down for a minute (the X server repeats it, 25 times
   a second) while the resident size is sampled every second; the size must
   stay flat, and when the key is let go the game must answer the menu key at
   once.

Prints what it measured; exits 1 when a budget is exceeded or the game stops
answering, 77 when Xvfb, xdotool or ImageMagick's import is missing.

usage: window-load.py [--build FOLDER] [--seconds N] [--key NAME]"""

import argparse
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

TOP = Path(__file__).resolve().parent.parent
sys.dont_write_bytecode = True
sys.path.insert(0, str(TOP / "tests" / "e2e"))
from installed_game import (MAIN_MENU, SKIPPED, Failure, Game, Screen, check,  # noqa: E402
                            wait_until)

CORE_BUDGET = 0.5         # per cent of one core, in play
RESIDENT_BUDGET = 60.0    # MB, in play
FLAT_MARGIN = 2.0         # MB the resident size may move while the key is held
SETTLE_SECONDS = 5        # after a start, before anything is measured
ANSWER_SECONDS = 2        # how soon the menu must show after the key is let go
TICKS_PER_SECOND = os.sysconf("SC_CLK_TCK")
PAGE = os.sysconf("SC_PAGE_SIZE")
# The settings of a later run, so that a key skips the title.
SETTINGS = TOP / "fuzz" / "corpus" / "settings" / "first-run.ini"


def cpu_seconds(pid):
    """User and system time of the process so far."""
    fields = Path("/proc/%d/stat" % pid).read_text().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS_PER_SECOND  # utime, stime


def resident_mb(pid):
    fields = Path("/proc/%d/stat" % pid).read_text().rsplit(")", 1)[1].split()
    return int(fields[21]) * PAGE / 2**20  # rss, in pages


def measure_play(game, seconds):
    """Share of a core and the largest resident size over `seconds` of untouched play."""
    pid = game.process.pid
    start_cpu, start = cpu_seconds(pid), time.monotonic()
    largest = 0.0
    while time.monotonic() - start < seconds:
        time.sleep(1)
        largest = max(largest, resident_mb(pid))
    share = 100 * (cpu_seconds(pid) - start_cpu) / (time.monotonic() - start)
    print("play: %.2f %% of a core (budget %.1f %%), at most %.1f MB resident (budget %.0f MB) over %d s"
          % (share, CORE_BUDGET, largest, RESIDENT_BUDGET, seconds))
    return share <= CORE_BUDGET and largest <= RESIDENT_BUDGET


def hold_key(screen, game, key, seconds):
    """Resident size every second while the key is held; whether it stayed flat and the game answered."""
    pid = game.process.pid
    sizes = []
    start_cpu = cpu_seconds(pid)
    screen.run("xdotool", "keydown", key)
    try:
        start = time.monotonic()
        while time.monotonic() - start < seconds:
            time.sleep(1)
            sizes.append(resident_mb(pid))
    finally:
        screen.run("xdotool", "keyup", key)
    share = 100 * (cpu_seconds(pid) - start_cpu) / seconds
    settled = sizes[SETTLE_SECONDS:]
    spread = max(settled) - min(settled)
    print("held %s for %d s: %.1f %% of a core; resident %.1f MB at the first second, %.1f to %.1f MB after "
          "%d s (moved %.1f MB, margin %.0f MB)" % (key, seconds, share, sizes[0], min(settled), max(settled),
                                                   SETTLE_SECONDS, spread, FLAT_MARGIN))
    before = screen.shot().region(MAIN_MENU)
    let_go = time.monotonic()
    screen.keys("Escape")
    try:
        wait_until(lambda: screen.shot().region(MAIN_MENU) != before, ANSWER_SECONDS, "the menu after the key")
    except Failure:
        print("the game did not show its menu within %d s of the key being let go" % ANSWER_SECONDS)
        return False
    print("the menu key answered %.2f s after the key was let go" % (time.monotonic() - let_go))
    return spread <= FLAT_MARGIN


def run(build, seconds, key):
    folder = Path(tempfile.mkdtemp(prefix="kernmine-load-"))
    screen = game = None
    try:
        game_folder, home = folder / "game", folder / "home"
        (home / "config" / "orvelund").mkdir(parents=True)
        shutil.copy(SETTINGS, home / "config" / "orvelund" / "Kernmine.ini")
        install = subprocess.run(["cmake", "--install", str(build), "--prefix", str(game_folder)],
                                 capture_output=True, text=True, timeout=60)
        check(install.returncode == 0, "the install failed:\n" + install.stdout + install.stderr)
        screen = Screen()
        game = Game(game_folder / "kernmine", screen, home)
        game.skip_title()
        screen.keys("Right", "Return")  # New game, Start with internal levels
        time.sleep(SETTLE_SECONDS)
        within = measure_play(game, seconds)
        within = hold_key(screen, game, key, seconds) and within
        check(game.process.poll() is None, "the game ended:\n" + game.output())
        return 0 if within else 1
    except Failure as failure:
        print("FAIL:", failure)
        return 1
    finally:
        if game:
            game.stop()
        if screen:
            screen.stop()
        shutil.rmtree(folder, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--build", default=str(TOP / "build"), help="a build folder of the whole game")
    parser.add_argument("--seconds", type=int, default=60, help="length of each of the two parts")
    parser.add_argument("--key", default="Right", help="the key to hold, as xdotool names it")
    options = parser.parse_args()
    missing = [tool for tool in ("Xvfb", "xdotool", "import") if shutil.which(tool) is None]
    if missing:
        print("SKIP: %s missing (apt-get install xvfb xdotool imagemagick)" % ", ".join(missing))
        return SKIPPED
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped from outside"))
    return run(Path(options.build), options.seconds, options.key)


if __name__ == "__main__":
    sys.exit(main())
