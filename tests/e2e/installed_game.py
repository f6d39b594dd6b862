#!/usr/bin/env python3
"""The installed game, played from the keyboard on a virtual screen.

Installs the build into a temporary folder and runs the real executable there
under Xvfb, with a temporary configuration folder, pressing keys with xdotool:

1. first run: the title cannot be skipped; the Exit item ends the game and the
   defaults are stored;
2. skip the title, rebind "Pause" to P, choose Russian, start the internal
   levels, a few moves, the menu key, save under a name, the quick-exit key;
   the saved file must agree with its own board, with the same moves played
   headless by the tape tool, and the settings must hold the new key and
   language;
3. a further run shows the menu in Russian, switches back to English, lists
   the saved game, loads it from the list and, in play, is stopped by SIGTERM:
   it must end normally with the language stored, the saved game untouched and
   nothing else left in the save folder.

What no file can tell (the captions, the list on screen) is read from
screenshots. Exits 77, which the test suite reports as skipped, when Xvfb,
xdotool or ImageMagick's import is missing.

usage: installed_game.py CMAKE BUILD_FOLDER TAPE_TOOL"""

import configparser
import ctypes
import os
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

SKIPPED = 77
SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768

# Where the window puts its menus on a screen of that size: the main menu is
# centred across and three fifths down; its panels open on its right, level
# with the item that opens them, and the load list sits 8 pixels inside its panel.
MAIN_MENU = ((SCREEN_WIDTH - 185) // 2, 3 * (SCREEN_HEIGHT - 173) // 5, 185, 173)
LOAD_LIST = (MAIN_MENU[0] + 185 + 8, MAIN_MENU[1] + 3 * 16 + 8, 241, 97)
# The title stands on black; above the menus the background picture shows the
# game's name.
TOP_BAND = (0, 0, SCREEN_WIDTH, 300)

SETTINGS_KEY = "orvelund\\soft\\Kernmine\\7.0\\"
DEFAULT_PAUSE, REBOUND_PAUSE = 19, 80  # the Pause key, the letter P
MOVES = ["Down", "Down", "Down", "Right", "Right"]
TAPE = " ".join(move[0] for move in MOVES)  # the tape tool's D, U, L, R
SAVE_NAME = "journey"

# The saved-game format: each value is stored as value + 11, counts in runs of
# twenty, the cells with one motion value after each moving object, then the
# three blast planes.
CELLS = 60 * 40
MOVING = range(3, 8)  # creatures, stones, bombs, diamonds
PLAYER = 1


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def ending_with_the_test(death_signal):
    """Makes a child end when the test ends, even when the test is killed outright."""
    def ask_for_signal():
        ctypes.CDLL(None).prctl(1, death_signal)  # PR_SET_PDEATHSIG
    return ask_for_signal


def wait_until(condition, timeout, what):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if condition():
            return
        time.sleep(0.1)
    raise Failure("timed out after %g s waiting for %s" % (timeout, what))


class Screen:
    """A virtual X screen on a display number Xvfb chooses itself."""

    def __init__(self):
        reader, writer = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(writer), "-screen", "0", "%dx%dx24" % (SCREEN_WIDTH, SCREEN_HEIGHT),
             "-nolisten", "tcp"],
            pass_fds=[writer], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            preexec_fn=ending_with_the_test(signal.SIGTERM))  # Xvfb then removes its socket and lock
        os.close(writer)
        # Xvfb gives up when the pipe closes before it has written the whole line.
        with os.fdopen(reader, "rb") as pipe:
            ready, _, _ = select.select([pipe], [], [], 20)
            number = pipe.readline().decode().strip() if ready else ""
        check(number.isdigit(), "Xvfb did not start")
        self.display = ":" + number

    def run(self, *command):
        done = subprocess.run(command, env=dict(os.environ, DISPLAY=self.display), capture_output=True, timeout=20)
        check(done.returncode == 0, "%s failed: %s" % (" ".join(command), done.stderr.decode(errors="replace")))
        return done.stdout

    def keys(self, *names, gap=0.1):
        for name in names:
            self.run("xdotool", "key", name)
            time.sleep(gap)

    def type(self, text):
        self.run("xdotool", "type", "--delay", "50", text)

    def shot(self):
        return Picture(self.run("import", "-window", "root", "-depth", "8", "ppm:-"))

    def stop(self):
        self.process.terminate()
        self.process.wait()


class Picture:
    def __init__(self, ppm):
        fields = ppm.split(maxsplit=4)
        check(fields[0] == b"P6" and fields[3] == b"255", "import did not give an 8-bit picture")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = fields[4]

    def region(self, box):
        left, top, width, height = box
        return [self.pixels[3 * (y * self.width + left):3 * (y * self.width + left + width)]
                for y in range(top, top + height)]

    def brightness(self, box):
        rows = self.region(box)
        return sum(sum(row) for row in rows) / (3 * len(rows) * len(rows[0]))

    def aqua_pixels(self, box):
        """The text of the highlighted menu item is aqua."""
        return sum(1 for row in self.region(box) for i in range(0, len(row), 3)
                   if row[i] < 64 and row[i + 1] > 192 and row[i + 2] > 192)


def title_shown(screen):
    return screen.shot().brightness(TOP_BAND) < 3


class Game:
    """One run of the installed executable."""

    def __init__(self, executable, screen, home, title="^Kernmine$", arguments=()):
        self.screen = screen
        environment = dict(os.environ, DISPLAY=screen.display, QT_QPA_PLATFORM="xcb", HOME=str(home),
                           XDG_CONFIG_HOME=str(home / "config"), XDG_CACHE_HOME=str(home / "cache"),
                           XDG_DATA_HOME=str(home / "data"))
        self.log = home / "game.log"
        with open(self.log, "wb") as log:
            self.process = subprocess.Popen([str(executable), *arguments], env=environment, stdout=log,
                                            stderr=subprocess.STDOUT,
                                            preexec_fn=ending_with_the_test(signal.SIGKILL))
        try:
            found = screen.run("xdotool", "search", "--sync", "--onlyvisible", "--name", title)
            screen.run("xdotool", "windowfocus", found.split()[0].decode())
        except subprocess.TimeoutExpired:
            self.stop()
            raise Failure("the game showed no window:\n" + self.output())
        except BaseException:
            self.stop()
            raise

    def skip_title(self):
        # Keys sent before the window has the focus are lost; a further space
        # does nothing in the menu.
        for _ in range(10):
            self.screen.keys("space")
            try:
                wait_until(lambda: not title_shown(self.screen), 2, "the title to end")
                return
            except Failure:
                pass
        raise Failure("no key ended the title")

    def wait_end(self, what):
        try:
            code = self.process.wait(timeout=15)
        except subprocess.TimeoutExpired:
            raise Failure("the game did not end after %s" % what)
        check(code == 0, "the game ended with code %d after %s:\n%s" % (code, what, self.output()))

    def output(self):
        return self.log.read_text(errors="replace")

    def stop(self):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()


def settings(home):
    store = configparser.ConfigParser(interpolation=None)
    store.optionxform = str
    path = home / "config" / "orvelund" / "Kernmine.ini"
    check(path.is_file(), "no settings file %s" % path)
    store.read(path)
    return {name[len(SETTINGS_KEY):]: value for name, value in store["software"].items()
            if name.startswith(SETTINGS_KEY)}


def decode(data):
    """Header values, cell codes and the count of values of a saved game."""
    values = [byte - 11 for byte in data if byte > 10]
    position = 1

    def run_of_twenty():
        nonlocal position
        total = 0
        while values[position] == 20:
            total += 20
            position += 1
        total += values[position]
        position += 1
        return total

    header = {"source": values[0], "level": run_of_twenty(), "lives": run_of_twenty(), "bombs": run_of_twenty()}
    header_length = position
    cells = []
    for _ in range(CELLS):
        cells.append(values[position])
        position += 2 if values[position] in MOVING else 1
    return header, header_length, cells, len(values)


def player_position(cells):
    check(cells.count(PLAYER) == 1, "the saved board holds %d players" % cells.count(PLAYER))
    index = cells.index(PLAYER)
    return index // 40, index % 40  # column-major: column x * 40 + row y


def headless_play(tape_tool, folder):
    """The same moves played by the core alone: the size of its saved file and where the player ends."""
    saved = folder / "tape.kms"
    run = subprocess.run([tape_tool, "builtin:1", "-", "--save", str(saved)], input=TAPE, capture_output=True,
                         text=True, timeout=20)
    check(run.returncode == 0, "the tape tool failed: " + run.stdout + run.stderr)
    summary = dict(field.split("=", 1) for field in run.stdout.split() if "=" in field)
    column, row = summary["player"].split(",")
    return saved.stat().st_size, (int(column), int(row))


def first_run(screen, game_folder, home):
    game = Game(game_folder / "kernmine", screen, home)
    try:
        screen.keys("space")
        time.sleep(1)
        check(title_shown(screen), "a key ended the title of the first run")
        wait_until(lambda: not title_shown(screen), 40, "the first run's title to end by itself")
        screen.keys(*["Down"] * 9, "Return")  # the Exit item
        game.wait_end("the Exit item")
    finally:
        game.stop()
    stored = settings(home)
    check(stored.get("english") == "1" and stored.get("pause") == str(DEFAULT_PAUSE),
          "the first run stored no defaults: %s" % stored)
    for name in ("save", "levels", "skins"):
        check((game_folder / name).is_dir(), "the first run made no %s folder" % name)


def play_and_save(screen, game_folder, home):
    game = Game(game_folder / "kernmine", screen, home)
    try:
        game.skip_title()
        english_menu = screen.shot()
        # Controls, the Pause line, capture P, back
        screen.keys(*["Down"] * 5, "Right", *["Down"] * 6, "Right", "p", "Left")
        # Language, Russian
        screen.keys(*["Down"] * 3, "Right", "Down", "Return", "Left")
        # New game, Start with internal levels
        screen.keys(*["Up"] * 8, "Right", "Return")
        # One key in each world tick, so that none is lost.
        screen.keys(*MOVES, gap=0.4)
        # The menu key, Save game
        screen.keys("Escape", *["Down"] * 4, "Right")
        screen.type(SAVE_NAME)
        screen.keys("Return")
        saved = game_folder / "save" / (SAVE_NAME + ".kms")
        wait_until(saved.is_file, 10, "the file " + saved.name)
        screen.keys("F10")
        game.wait_end("the quick-exit key")
    finally:
        game.stop()
    return english_menu


def check_saved_game(data, expected_size, expected_player):
    try:
        header, header_length, cells, value_count = decode(data)
    except IndexError:
        raise Failure("the saved file of %d bytes ends inside its board" % len(data))
    check(header == {"source": 0, "level": 1, "lives": 3, "bombs": 5},
          "the saved game starts with %s, not internal level 1, 3 lives, 5 bombs" % header)
    moving = sum(1 for code in cells if code in MOVING)
    check(len(data) == value_count == header_length + CELLS + moving + 3 * CELLS,
          "the saved file has %d bytes, its board with %d moving objects gives %d"
          % (len(data), moving, header_length + CELLS + moving + 3 * CELLS))
    check(len(data) == expected_size,
          "the saved file has %d bytes, the same moves played headless give %d" % (len(data), expected_size))
    position = player_position(cells)
    check(position == expected_player,
          "the saved player stands at %s, the same moves played headless end at %s" % (position, expected_player))


def check_settings(home):
    stored = settings(home)
    check(stored.get("pause") == str(REBOUND_PAUSE), "pause is stored as %s, not P" % stored.get("pause"))
    check(stored.get("english") == "0", "english is stored as %s, not Russian" % stored.get("english"))
    check(stored.get("menu") == "27" and stored.get("exit") == "121",
          "a binding that was not changed moved: %s" % stored)


def load_saved_game(screen, game_folder, home, english_menu):
    saved = game_folder / "save" / (SAVE_NAME + ".kms")
    before = saved.read_bytes()
    game = Game(game_folder / "kernmine", screen, home)
    try:
        game.skip_title()
        russian_menu = screen.shot()
        changed = sum(1 for a, b in zip(english_menu.region(MAIN_MENU), russian_menu.region(MAIN_MENU)) if a != b)
        check(changed > MAIN_MENU[3] // 4, "the main menu looks the same in both languages")
        # Language, English, back; Load game
        screen.keys(*["Down"] * 8, "Right", "Up", "Return", "Left", *["Up"] * 5, "Right")
        menus = screen.shot()
        check(menus.aqua_pixels(LOAD_LIST) > 30, "the load list shows no highlighted saved game")
        # The first entry loads at once; a few moves, then the stop from outside.
        screen.keys("Return")
        screen.keys("Left", "Up", "Right", gap=0.4)
        playing = screen.shot()
        changed = sum(1 for a, b in zip(menus.region(MAIN_MENU), playing.region(MAIN_MENU)) if a != b)
        check(changed > MAIN_MENU[3] // 2, "the loaded game is not on screen")
        check(game.process.poll() is None, "the game ended in play before it was stopped")
        game.process.send_signal(signal.SIGTERM)
        game.wait_end("SIGTERM in play")
    finally:
        game.stop()
    check(settings(home).get("english") == "1", "the language chosen before SIGTERM was not stored")
    check(saved.read_bytes() == before, "the saved game changed while it was played and the game stopped")
    left = sorted(path.name for path in saved.parent.iterdir())
    check(left == [saved.name], "the save folder holds %s after SIGTERM" % left)


def run_on_screen(scenario, passed, needed=()):
    """Plays scenario(screen, folder) on a virtual screen with a fresh folder;
    prints `passed` when it holds. The exit status of the test: skipped when a
    tool it needs is missing."""
    missing = [tool for tool in (*needed, "Xvfb", "xdotool", "import") if shutil.which(tool) is None]
    if missing:
        print("SKIP: %s missing (bash tools/install-deps.sh)" % ", ".join(missing))
        return SKIPPED
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped from outside"))
    folder = Path(tempfile.mkdtemp(prefix="kernmine-e2e-"))
    screen = None
    try:
        screen = Screen()
        scenario(screen, folder)
    except Failure as failure:
        print("FAIL:", failure)
        return 1
    finally:
        if screen:
            screen.stop()
        shutil.rmtree(folder, ignore_errors=True)
    print(passed)
    return 0


def run_installed(cmake, build, scenario, passed):
    """Installs the build into a fresh folder, with a home of its own and a
    virtual screen, and plays scenario(screen, game_folder, home, folder) there."""
    def installed(screen, folder):
        game_folder, home = folder / "game", folder / "home"
        home.mkdir()
        install = subprocess.run([cmake, "--install", build, "--prefix", str(game_folder)], capture_output=True,
                                 text=True, timeout=60)
        check(install.returncode == 0, "the install failed:\n" + install.stdout + install.stderr)
        scenario(screen, game_folder, home, folder)

    return run_on_screen(installed, passed)


def main(cmake, build, tape_tool):
    def scenario(screen, game_folder, home, folder):
        first_run(screen, game_folder, home)
        english_menu = play_and_save(screen, game_folder, home)
        expected_size, expected_player = headless_play(tape_tool, folder)
        check_saved_game((game_folder / "save" / (SAVE_NAME + ".kms")).read_bytes(), expected_size, expected_player)
        check_settings(home)
        load_saved_game(screen, game_folder, home, english_menu)

    return run_installed(cmake, build, scenario,
                         "the installed game played, saved, stored its settings, loaded the game again and stopped on SIGTERM")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
