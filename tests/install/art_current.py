#!/usr/bin/env python3
"""The skins and icons checked in under assets/ are what kernmine-artwork paints
now: repaints them into a scratch folder and compares the files byte for byte,
so that a change to a painter cannot ship with stale pictures. Pictures whose
bytes differ still count as the same when no pixel differs by more than a few
levels: Qt's raster engine rounds the edges it smooths differently on
processors with other vector units (ImageMagick's compare measures it).

usage: art_current.py ARTWORK_TOOL SOURCE_FOLDER"""

import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

PAINTED = {"--skins": "assets/skins", "--icons": "assets/desktop/icons"}


# How far a channel may differ, in percent of its range.
ROUNDING = "2%"


def same_picture(painted, kept):
    if painted is None or kept is None:
        return False
    if painted.read_bytes() == kept.read_bytes():
        return True
    if shutil.which("compare") is None:
        return False
    run = subprocess.run(["compare", "-metric", "AE", "-fuzz", ROUNDING, str(painted), str(kept), "null:"],
                         capture_output=True, text=True)
    return run.returncode == 0 and run.stderr.strip() == "0"


def main(tool, source):
    faults = []
    for option, checked_in in PAINTED.items():
        with tempfile.TemporaryDirectory() as folder:
            run = subprocess.run([tool, option, folder], capture_output=True, text=True)
            if run.returncode != 0:
                faults.append("kernmine-artwork %s failed:\n%s" % (option, run.stderr))
                continue
            painted = {p.name: p for p in Path(folder).iterdir()}
            kept = {p.name: p for p in Path(source, checked_in).iterdir()}
            for name in sorted(painted.keys() | kept.keys()):
                if not same_picture(painted.get(name), kept.get(name)):
                    faults.append("%s/%s is not what `kernmine-artwork %s` paints" % (checked_in, name, option))
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
