#!/usr/bin/env python3
"""The solver's table of docs/levels.md: each built-in level solved from 3 lives
and 5 bombs within a budget of processor seconds on one core, each tape found
replayed with kernmine-tape, and its length set beside the hand-made tape's.

    tools/solve-table.py [--build build] [--seconds 60] [--jobs 1] [--levels 1-30]

Prints the table's rows as Markdown, then the totals. Runs `jobs` levels at once:
the budget is processor time, so runs side by side find what one run alone does.
Exits with 1 when a tape found does not replay to a win.
"""
import argparse
import concurrent.futures
import os
import re
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LIVES, BOMBS = 3, 5


def replay(args, level, tape, bombs):
    """kernmine-tape's verdict on the tape: whether it wins, and the ticks it plays."""
    run = subprocess.run([os.path.join(args.build, "tools", "tape", "kernmine-tape"), level, tape,
                          "--lives", str(LIVES), "--bombs", str(bombs)], capture_output=True, text=True)
    ticks = re.search(r"\bticks=(\d+)", run.stdout)
    return run.stdout.startswith("state=LevelEnd "), int(ticks.group(1)) if ticks else None


def level_range(text):
    first, _, last = text.partition("-")
    return range(int(first), int(last or first) + 1)


def solve(n, args, folder):
    bmp = os.path.join(ROOT, "assets", "levels", f"level{n}.bmp")
    tape = os.path.join(folder, f"level{n}.tape")
    run = subprocess.run(
        ["/usr/bin/time", "-f", "peak %M KB", os.path.join(args.build, "tools", "levels", "kernmine-levels"),
         "solve", bmp, "--seconds", str(args.seconds), "--lives", str(LIVES), "--bombs", str(BOMBS),
         "--threads", "1", "--tape", tape],
        capture_output=True, text=True)
    out = run.stdout + run.stderr
    searched = re.search(r"searched (\d+) states in ([\d.]+) s", out)
    peak = re.search(r"peak (\d+) KB", out)
    best = re.search(r"not found: ([^;]+); .*best (\d+) diamonds and (\d+) creatures left", out)
    row = {"n": n, "won": run.returncode == 0, "exit": run.returncode,
           "states": int(searched.group(1)) if searched else 0,
           "seconds": float(searched.group(2)) if searched else 0.0,
           "peak": int(peak.group(1)) // 1024 if peak else 0, "ticks": None, "replays": False,
           "left": f"{best.group(1)}; {best.group(2)} diamonds, {best.group(3)} creatures left" if best else ""}
    # The hand-made tapes start without bombs, as their tests play them.
    row["hand"] = replay(args, bmp, os.path.join(ROOT, "tests", "levels", f"level{n}.tape"), 0)[1]
    if row["won"]:
        row["replays"], row["ticks"] = replay(args, bmp, tape, BOMBS)
    return row


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--seconds", type=int, default=60)
    parser.add_argument("--jobs", type=int, default=1)
    parser.add_argument("--levels", default="1-30")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as folder, concurrent.futures.ThreadPoolExecutor(args.jobs) as pool:
        rows = list(pool.map(lambda n: solve(n, args, folder), level_range(args.levels)))
    # The last column is words, so that the levels table's checker never takes
    # these rows for its own.
    print("| Level | Seconds | States searched | Peak memory (MB) | Tape found (ticks) | Hand-made tape (ticks) | Solved |")
    print("|---:|---:|---:|---:|---:|---:|:---|")
    for r in rows:
        solved = ("yes" if r["replays"] else "yes, but it does not replay") if r["won"] else \
                 {3: "no win exists", 4: f"not found ({r['left']})"}.get(r["exit"], f"failed ({r['exit']})")
        found = str(r["ticks"]) if r["won"] else "-"
        print(f"| {r['n']} | {r['seconds']:.1f} | {r['states']:,} | {r['peak']} | {found} | {r['hand']} | {solved} |")
    solved = sum(r["won"] and r["replays"] for r in rows)
    print(f"\n{solved} of {len(rows)} solved, every tape found replayed to a win with kernmine-tape: "
          f"{all(r['replays'] for r in rows if r['won'])}; peak memory {max(r['peak'] for r in rows)} MB")
    return 0 if all(r["replays"] for r in rows if r["won"]) else 1


if __name__ == "__main__":
    sys.exit(main())
