#!/usr/bin/env python3
"""What the guides tell players must be what the game does: the colour table
of the level guides against the colours kernmine-levels writes for each symbol,
the colour strip table of the skin guides against the built-in skin, the files
offered for download against the rules the pages give, and the sample outputs of
kernmine-tape and its level checker against the tool itself.

usage: check_facts.py SITE_FOLDER KERNMINE_LEVELS KERNMINE_TAPE NATIVESKIN_BMP"""

import re
import subprocess
import sys
import tempfile
from pathlib import Path

from sitepages import bmp_pixels, parse_page

LEVEL_PAGES = ("programs/km_levels_eng.htm", "programs/km_levels.htm")
SKIN_PAGES = ("programs/km_skins_eng.htm", "programs/km_skins.htm")
RED, LIME = (255, 0, 0), (0, 255, 0)

faults = []


def fault(where, what):
    faults.append("%s: %s" % (where, what))


def section(root, name):
    return next(s for s in root.iter("section") if s.attrs.get("id") == name)


def body_rows(table):
    return [[c for c in row.elements() if c.tag in ("td", "th")]
            for body in table.iter("tbody") for row in body.iter("tr")]


def numbers(text):
    return tuple(int(n) for n in re.findall(r"\d+", text))


def colour_table(page, root):
    """(colour, symbol) of each row of the page's colour table, checking that
    its decimal, hexadecimal and swatch colours agree."""
    rows = []
    for cells in body_rows(next(section(root, "colours").iter("table"))):
        rgb = numbers(cells[1].text())
        hex_text = cells[2].text().strip()
        chip = next(cells[0].iter("span")).attrs.get("style", "")
        if hex_text.upper() != "#%02X%02X%02X" % rgb or hex_text.lower() not in chip.lower():
            fault(page, "the row of %s gives %s, %s and a swatch of %r"
                  % (cells[0].text().strip(), rgb, hex_text, chip))
        rows.append((rgb, cells[3].text().strip()))
    return rows


def colours_written_for(symbols, levels_tool):
    """The colour kernmine-levels writes for each symbol, from a level holding them in its top row."""
    with tempfile.TemporaryDirectory() as folder:
        text = Path(folder) / "symbols.txt"
        lines = ["".join(symbols).ljust(60, ".")] + ["." * 60] * 39
        text.write_text("\n".join(lines) + "\n", encoding="ascii")
        run = subprocess.run([levels_tool, str(text), "-o", folder], capture_output=True, text=True)
        if run.returncode != 0:
            raise SystemExit("kernmine-levels refused the symbols %r: %s" % (symbols, run.stderr))
        top = bmp_pixels(Path(folder) / "symbols.bmp")[0]
    return top[: len(symbols)]


def check_level_guide(site, page, levels_tool):
    root = parse_page(site / page)[0]
    rows = colour_table(page, root)
    colours = [rgb for rgb, _ in rows]
    symbols = [symbol for _, symbol in rows]
    if len(rows) != 12 or len(set(colours)) != 12 or len(set(symbols)) != 12:
        fault(page, "the colour table needs twelve different colours and symbols, not %r" % rows)
        return
    written = colours_written_for(symbols, levels_tool)
    for (rgb, symbol), actual in zip(rows, written):
        if rgb != actual:
            fault(page, "the symbol %r is given as %s, but the game's level tool writes %s" % (symbol, rgb, actual))
    listed = {code.text().strip() for cells in body_rows(next(section(root, "text").iter("table"))) for cell in cells
              for code in cell.iter("code")}
    if listed != set(symbols):
        fault(page, "the symbols of the text section %s are not those of the colour table %s"
              % (sorted(listed), sorted(symbols)))
    return dict(rows)


def check_level_template(site, colours):
    pixels = bmp_pixels(site / "programs/level_template.bmp")
    where = "programs/level_template.bmp"
    if (len(pixels[0]), len(pixels)) != (60, 40):
        fault(where, "a level picture must be 60 x 40")
        return
    frame = [pixels[y][x] for y in range(40) for x in range(60) if x in (0, 59) or y in (0, 39)]
    if any(c != RED for c in frame):
        fault(where, "the frame is not all red wall")
    everything = [c for row in pixels for c in row]
    if everything.count(LIME) != 1:
        fault(where, "holds %d players, not one" % everything.count(LIME))
    if any(c not in colours for c in everything):
        fault(where, "holds a colour that is not one of the twelve")
    return where


def check_tape_sample(site, tape_tool, template):
    """Each level guide shows what kernmine-tape prints for a level; the tool must print the same fields."""
    run = subprocess.run([tape_tool, str(site / template), "-"], input="", capture_output=True, text=True)
    printed = re.sub(r"\d+", "N", run.stdout.strip())
    if run.returncode != 0 or not printed.startswith("state=Playing ticks=N "):
        fault(template, "kernmine-tape does not start it: %s%s" % (run.stdout, run.stderr))
    for page in LEVEL_PAGES:
        root = parse_page(site / page)[0]
        samples = [line for pre in section(root, "check").iter("pre") for line in pre.text().splitlines()
                   if line.startswith("state=")]
        if not samples or any(re.sub(r"\d+", "N", line) != printed for line in samples):
            fault(page, "the sample %r is not what kernmine-tape prints (%r)" % (samples, printed))


def check_checker_sample(site, tape_tool, template):
    """Each level guide shows what kernmine-tape --check says of the template; it must say just that."""
    folder = (site / template).parent
    run = subprocess.run([tape_tool, "--check", (site / template).name], cwd=folder,
                         capture_output=True, text=True)
    said = run.stdout.splitlines()
    for page in LEVEL_PAGES:
        root = parse_page(site / page)[0]
        samples = [pre.text().splitlines() for pre in section(root, "check").iter("pre")
                   if "--check" in pre.text().splitlines()[0]]
        if not samples or any(sample[1:] != said for sample in samples):
            fault(page, "the checker's sample %r is not what it says of the template (%r)" % (samples, said))


def check_skin_guide(site, page, skin):
    root = parse_page(site / page)[0]
    rows = body_rows(next(section(root, "strip").iter("table")))
    if [numbers(cells[0].text()) for cells in rows] != [(k,) for k in range(10)]:
        fault(page, "the strip table must list the bands 0 to 9 in order")
        return
    read_at = [numbers(cells[1].text()) for cells in rows]
    if len({x for x, _ in read_at}) != 1 or [y for _, y in read_at] != [3 * k + 1 for k in range(10)]:
        fault(page, "band k is read in one column, in the middle row 3k + 1 of its band, not at %s" % read_at)
    for k, ((x, y), cells) in enumerate(zip(read_at, rows)):
        given = numbers(cells[3].text())
        if skin[y][x] != given:
            fault(page, "band %d of the built-in skin is %s at (%d, %d), not %s" % (k, skin[y][x], x, y, given))


def main(site, levels_tool, tape_tool, skin_file):
    site = Path(site)
    colours = None
    for page in LEVEL_PAGES:
        colours = check_level_guide(site, page, levels_tool) or colours
    if colours:
        template = check_level_template(site, colours)
        if template:
            check_tape_sample(site, tape_tool, template)
            check_checker_sample(site, tape_tool, template)
    skin = bmp_pixels(skin_file)
    for page in SKIN_PAGES:
        check_skin_guide(site, page, skin)
    if (site / "programs/nativeskin.bmp").read_bytes() != Path(skin_file).read_bytes():
        fault("programs/nativeskin.bmp", "is not the game's built-in skin")
    for line in faults:
        print(line)
    print("%d faults" % len(faults))
    return 1 if faults else 0


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
