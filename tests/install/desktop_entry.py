#!/usr/bin/env python3
"""The desktop's menu entries and icons (the game's and its level editor's) that
tools/install-desktop.sh puts into the
user's data folder, for a game folder whose path holds a space and the
characters a desktop entry must escape.

Reads the entry back as a launcher would: the program Exec starts is the
installed executable, the icon it names exists at every size (PNG pictures of
exactly that size) and as SVG, the categories name a game; then runs
desktop-file-validate on it. Exits 77, which the test suite reports as skipped,
when only the validator is missing.

usage: desktop_entry.py INSTALL_DESKTOP_SCRIPT"""

import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree
from pathlib import Path

SKIPPED = 77
SIZES = [16, 32, 48, 64, 128, 256]
STRING_ESCAPES = {"s": " ", "n": "\n", "t": "\t", "r": "\r", "\\": "\\"}


def entry_values(text):
    values = {}
    for line in text.splitlines():
        if "=" in line and not line.startswith(("#", "[")):
            key, value = line.split("=", 1)
            values[key.strip()] = value.strip()
    return values


def unescape_string(value):
    out, chars = [], iter(value)
    for c in chars:
        out.append(STRING_ESCAPES.get(next(chars, ""), "") if c == "\\" else c)
    return "".join(out)


def exec_arguments(value):
    """Splits an Exec value into its arguments as the desktop entry format says."""
    text, args, current, quoted, i = unescape_string(value), [], "", False, 0
    started = False
    while i < len(text):
        c = text[i]
        if quoted and c == "\\" and i + 1 < len(text) and text[i + 1] in '"`$\\':
            current += text[i + 1]
            i += 1
        elif c == '"':
            quoted, started = not quoted, True
        elif c == "%" and i + 1 < len(text) and text[i + 1] == "%":
            current += "%"
            i += 1
        elif c == " " and not quoted:
            if started or current:
                args.append(current)
            current, started = "", False
        else:
            current += c
        i += 1
    if started or current:
        args.append(current)
    return args


def png_size(path):
    data = path.read_bytes()
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", data[16:24])


PROGRAMS = ["kernmine", "kernmine-editor"]


def check(data, executable):
    faults = []
    entry = data / "applications" / (executable.name + ".desktop")
    if not entry.is_file():
        return ["no applications/%s.desktop" % executable.name]
    values = entry_values(entry.read_text(encoding="utf-8"))
    if values.get("Type") != "Application":
        faults.append("Type is not Application")
    if exec_arguments(values.get("Exec", "")) != [str(executable)]:
        faults.append("Exec %r does not start %s" % (values.get("Exec"), executable))
    if unescape_string(values.get("TryExec", "")) != str(executable):
        faults.append("TryExec %r is not %s" % (values.get("TryExec"), executable))
    if "Game" not in values.get("Categories", "").split(";"):
        faults.append("Categories %r do not name a game" % values.get("Categories"))
    icon = values.get("Icon", "")
    for size in SIZES:
        picture = data / "icons" / "hicolor" / ("%dx%d" % (size, size)) / "apps" / (icon + ".png")
        if not picture.is_file() or png_size(picture) != (size, size):
            faults.append("%s is missing or not a %d x %d PNG picture" % (picture.relative_to(data), size, size))
    svg = data / "icons" / "hicolor" / "scalable" / "apps" / (icon + ".svg")
    try:
        if not ElementTree.parse(svg).getroot().tag.endswith("svg"):
            faults.append("%s is not an SVG picture" % svg.relative_to(data))
    except (OSError, ElementTree.ParseError) as error:
        faults.append("%s cannot be read: %s" % (svg.relative_to(data), error))
    return faults


def main(script):
    with tempfile.TemporaryDirectory() as folder:
        game = Path(folder) / 'my "games" $100 `50%` \\ here'
        game.mkdir()
        data = Path(folder) / "data"
        run = subprocess.run(["bash", script, str(game), str(data)], capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout + run.stderr)
            return 1
        faults = [fault for program in PROGRAMS for fault in check(data, game / program)]
        for fault in faults:
            print(fault)
        if faults:
            return 1
        validator = shutil.which("desktop-file-validate")
        if not validator:
            print("desktop-file-validate is missing (Debian's desktop-file-utils): the entry was not validated")
            return SKIPPED
        run = subprocess.run([validator] + [str(data / "applications" / (p + ".desktop")) for p in PROGRAMS],
                             capture_output=True, text=True)
        if run.returncode != 0 or run.stdout.strip():
            print("desktop-file-validate:\n" + run.stdout + run.stderr)
            return 1
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1]))
