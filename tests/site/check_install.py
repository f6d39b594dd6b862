#!/usr/bin/env python3
"""The game is installed with `cmake --install BUILD --prefix DIR`; the menus
then open the guides as files in DIR/site/ beside the executable. Installs the
build into a fresh folder and checks that every file of the site lands there
unchanged, the four pages the menus open among them.

usage: check_install.py CMAKE BUILD_FOLDER SITE_FOLDER [EXECUTABLE_NAME]"""

import subprocess
import sys
import tempfile
from pathlib import Path

from sitepages import PAGES


def main(cmake, build, site, executable=None):
    site = Path(site)
    faults = []
    with tempfile.TemporaryDirectory() as folder:
        prefix = Path(folder)
        run = subprocess.run([cmake, "--install", build, "--prefix", str(prefix)], capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout + run.stderr)
            return 1
        for page in PAGES:
            if not (prefix / "site" / page).is_file():
                faults.append("site/%s is not installed" % page)
        for source in sorted(p for p in site.rglob("*") if p.is_file()):
            name = source.relative_to(site).as_posix()
            installed = prefix / "site" / name
            if not installed.is_file() or installed.read_bytes() != source.read_bytes():
                faults.append("site/%s is missing or differs from assets/site/%s" % (name, name))
        if executable and not (prefix / executable).is_file():
            faults.append("%s is not installed beside the site folder" % executable)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
