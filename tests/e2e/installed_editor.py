#!/usr/bin/env python3
"""The installed level editor used as a new player uses it, then its level played
in the installed game, on a virtual screen.

Installs the build into a temporary folder and, under Xvfb with xdotool:

1. starts kernmine-editor beside the game: a new level (the frame, the player in
   its corner); the diamond key and a click put a diamond two cells to the
   player's right, found on the board as a person finds it, by looking;
2. F5 play-tests it: two steps right take the diamond and win; Enter goes back
   to editing, and Ctrl+S saves levels/level1.bmp with its tape level1.tape,
   which the tape tool replays to the level's end;
3. the installed game's "Start with external levels" plays that level: the same
   two steps win it, and the message of the end shows in the middle;
4. the editor again: a stone drawn in is kept in a recovery copy, the editor is
   killed, and started again it asks to bring the change back; Enter does, and
   Ctrl+S saves the level with the stone.

Exits 77, which the test suite reports as skipped, when Xvfb, xdotool or
ImageMagick's import is missing.

usage: installed_editor.py CMAKE BUILD_FOLDER TAPE_TOOL"""

import subprocess
import sys
import time

from installed_game import SCREEN_HEIGHT, SCREEN_WIDTH, SETTINGS_KEY, Game, check, run_installed, wait_until

BOARD_COLUMNS, BOARD_ROWS = 60, 40
DIAMOND = (3, 1)  # two cells right of where a new level puts the player
STEPS = ["Right", "Right"]
STONE = (10, 10)
STONE_COLOUR = (128, 128, 128)
# The message panel stands in the middle of the play, its strip above the text
# bright over the dark earth (Picture.brightness gives a third of a channel's mean).
MIDDLE = (SCREEN_WIDTH // 2 - 100, SCREEN_HEIGHT // 2 - 12, 200, 6)
BRIGHT = 40


def is_red_wall(pixel):
    r, g, b = pixel
    return r > 150 and g < 100 and b < 100


def board_on_screen(picture):
    """The board's rectangle, found as a person finds it: the long red lines of its frame."""
    rows, columns = [0] * picture.height, [0] * picture.width
    for y in range(picture.height):
        row = picture.region((0, y, picture.width, 1))[0]
        for x in range(picture.width):
            if is_red_wall(row[3 * x:3 * x + 3]):
                rows[y] += 1
                columns[x] += 1
    # The frame runs the board's width and height; a red tile elsewhere is far shorter.
    framed_rows = [y for y, count in enumerate(rows) if count > picture.width // 4]
    framed_columns = [x for x, count in enumerate(columns) if count > picture.height // 4]
    check(framed_rows and framed_columns, "no red frame on the screen")
    return min(framed_columns), min(framed_rows), max(framed_columns) + 1, max(framed_rows) + 1


def cell_point(board, cell):
    left, top, right, bottom = board
    width, height = (right - left) / BOARD_COLUMNS, (bottom - top) / BOARD_ROWS
    return int(left + (cell[0] + 0.5) * width), int(top + (cell[1] + 0.5) * height)


def click(screen, point):
    screen.run("xdotool", "mousemove", str(point[0]), str(point[1]), "click", "1")
    time.sleep(0.3)


def make_level(screen, game_folder, home, tape_tool):
    editor = Game(game_folder / "kernmine-editor", screen, home, title="Kernmine level editor$")
    try:
        time.sleep(1)
        board = board_on_screen(screen.shot())
        screen.keys("8")  # the diamond
        click(screen, cell_point(board, DIAMOND))
        screen.keys("F5", gap=0.5)
        screen.keys(*STEPS, gap=0.4)
        wait_until(lambda: screen.shot().brightness(MIDDLE) > BRIGHT, 5, "the play-test to be won")
        screen.keys("Return", gap=0.5)
        screen.keys("ctrl+s")
        levels = game_folder / "levels"
        wait_until(lambda: (levels / "level1.tape").is_file(), 5, "the level and its tape to be saved")
    finally:
        editor.stop()
    run = subprocess.run([tape_tool, str(levels / "level1.bmp"), str(levels / "level1.tape")], capture_output=True,
                         text=True, timeout=20)
    check(run.stdout.startswith("state=LevelEnd"), "the saved tape does not win the saved level: " + run.stdout +
          run.stderr)


def play_level(screen, game_folder, home):
    # Settings of the game's own, so that this is no first run with its long title.
    config = home / "config" / "orvelund"
    config.mkdir(parents=True, exist_ok=True)
    (config / "Kernmine.ini").write_text("[software]\n%senglish=1\n" % SETTINGS_KEY)
    game = Game(game_folder / "kernmine", screen, home)
    try:
        game.skip_title()
        screen.keys("Right", "Down", "Return", gap=0.3)  # New game, Start with external levels
        time.sleep(0.5)
        check(screen.shot().brightness(MIDDLE) < BRIGHT, "the level did not start in play")
        screen.keys(*STEPS, gap=0.4)
        wait_until(lambda: screen.shot().brightness(MIDDLE) > BRIGHT, 5, "the level to be won in the game")
    finally:
        game.stop()


def recover_change(screen, game_folder, home):
    levels, copies = game_folder / "levels", game_folder / "editor"
    saved = (levels / "level1.bmp").read_bytes()
    editor = Game(game_folder / "kernmine-editor", screen, home, title="Kernmine level editor$")
    try:
        time.sleep(1)
        board = board_on_screen(screen.shot())
        screen.keys("6")  # a stone
        click(screen, cell_point(board, STONE))
        wait_until(lambda: any(copies.glob("recovery-*")), 5, "the recovery copy of the change")
    finally:
        editor.stop()  # killed, as a crash or the end of a session kills it
    # Started again, it asks first; its question is the window titled by the editor's name alone.
    editor = Game(game_folder / "kernmine-editor", screen, home, title="^Kernmine level editor$")
    try:
        screen.keys("Return", gap=0.5)  # bring the change back
        window = screen.run("xdotool", "search", "--sync", "--onlyvisible", "--name", r"Level 1\*? — Kernmine level editor$")
        screen.run("xdotool", "windowfocus", window.split()[0].decode())  # a desktop gives it back the focus
        screen.keys("ctrl+s")
        wait_until(lambda: (levels / "level1.bmp").read_bytes() != saved, 5, "the brought back level to be saved")
        check(not any(copies.glob("recovery-*")), "the recovery copy outlived the save")
    finally:
        editor.stop()
    stone = level_cell(levels / "level1.bmp", STONE)
    check(stone == STONE_COLOUR, "the saved level has %s where the stone was drawn" % (stone,))


def level_cell(path, cell):
    """The colour of a cell of a 4-bit level picture, stored bottom row first."""
    data = path.read_bytes()
    offset, width, height = (int.from_bytes(data[at:at + 4], "little", signed=True) for at in (10, 18, 22))
    palette = data[54:offset]
    row = (height - 1 - cell[1]) if height > 0 else cell[1]
    stride = ((width * 4 + 31) // 32) * 4
    byte = data[offset + row * stride + cell[0] // 2]
    index = byte >> 4 if cell[0] % 2 == 0 else byte & 15
    blue, green, red = palette[4 * index:4 * index + 3]
    return red, green, blue


def main(cmake, build, tape_tool):
    def scenario(screen, game_folder, home, folder):
        make_level(screen, game_folder, home, tape_tool)
        play_level(screen, game_folder, home)
        recover_change(screen, game_folder, home)

    return run_installed(cmake, build, scenario,
                         "the editor drew a level, won its play-test, saved it with its tape, the game played it to a "
                         "win, and a killed editor brought its unsaved change back")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
