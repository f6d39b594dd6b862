#!/usr/bin/env python3
"""docs/levels.md must describe the built-in levels as they are: one row for each
level, in order, each giving the length in ticks of the play that wins it.

usage: check_levels_doc.py LEVELS_MD LEVEL_COUNT TAPES_FOLDER KERNMINE_TAPE [OPTION...]

The options are kernmine-tape's, as the solution tests give them."""

import re
import subprocess
import sys
from pathlib import Path

ROW = re.compile(r"^\|\s*(\d+)\s*\|(.*)\|\s*([\d,]+)\s*\|\s*$")


def documented(doc):
    """(level, ticks) of each row of the levels table."""
    rows = []
    for line in Path(doc).read_text(encoding="utf-8").splitlines():
        match = ROW.match(line)
        if match:
            rows.append((int(match.group(1)), int(match.group(3).replace(",", ""))))
    return rows


def played(tape_tool, options, tapes, n):
    run = subprocess.run([tape_tool, "builtin:%d" % n, str(Path(tapes) / ("level%d.tape" % n))] + options,
                         capture_output=True, text=True)
    match = re.search(r"\bticks=(\d+)", run.stdout)
    return int(match.group(1)) if match else None


def main(doc, count, tapes, tape_tool, options):
    faults = []
    rows = documented(doc)
    if [n for n, _ in rows] != list(range(1, count + 1)):
        faults.append("the table lists levels %s, not 1 to %d in order" % ([n for n, _ in rows], count))
    for n, ticks in rows:
        actual = played(tape_tool, options, tapes, n)
        if actual != ticks:
            faults.append("level %d: the table says %d ticks, its tape plays %s" % (n, ticks, actual))
    for line in faults:
        print(line)
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], int(sys.argv[2]), sys.argv[3], sys.argv[4], sys.argv[5:]))
