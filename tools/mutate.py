#!/usr/bin/env python3
"""Plants faults in the game one at a time and tells which of them the tests catch.

The faults are listed in tools/mutations.txt. Each is planted in a scratch copy
of the project (never in this work tree): its file is changed, the test
programs it names are rebuilt incrementally and their tests run through ctest,
and the file is put back. A fault is killed when a test fails; one that does not
even build is reported as such, since it tests nothing.

    python3 tools/mutate.py                 # every fault
    python3 tools/mutate.py 3 7             # only faults 3 and 7
    python3 tools/mutate.py --list          # the numbered list, snippets checked

The scratch copy lives in $TMPDIR/kernmine-mutate (or --scratch DIR) and is
kept between runs, so that a second run rebuilds only what changed.
"""
import argparse
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass, field
from pathlib import Path

TOP = Path(__file__).resolve().parent.parent
FAULTS = TOP / "tools" / "mutations.txt"


@dataclass
class Fault:
    title: str
    file: str = ""
    find: str = ""
    into: str = ""
    targets: list = field(default_factory=list)


def unescape(text):
    """The list writes a line break inside a snippet as \\n."""
    return text.replace("\\n", "\n")


def read_faults(path):
    """Blocks of 'fault:', 'file:', 'find:', 'into:' and 'tests:' lines; a
    'group NAME: targets' line names a set of test programs for 'tests: @NAME'."""
    groups, faults = {}, []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip() or line.startswith("#"):
            continue
        key, sep, value = line.partition(":")
        if not sep:
            sys.exit(f"{path}:{number}: no 'key:' in {line!r}")
        value = value.strip()
        if key.startswith("group "):
            groups[key[len("group "):].strip()] = value.split()
        elif key == "fault":
            faults.append(Fault(value))
        elif not faults:
            sys.exit(f"{path}:{number}: {key} before the first fault")
        elif key == "file":
            faults[-1].file = value
        elif key in ("find", "into"):
            setattr(faults[-1], key, unescape(line.partition(": ")[2]))
        elif key == "tests":
            for name in value.split():
                faults[-1].targets += groups[name[1:]] if name.startswith("@") else [name]
        else:
            sys.exit(f"{path}:{number}: unknown key {key!r}")
    for fault in faults:
        if not (fault.file and fault.find and fault.targets):
            sys.exit(f"{path}: the fault {fault.title!r} needs a file, a snippet and tests")
    return faults


def run(command, cwd, quiet=True, env=None):
    out = subprocess.DEVNULL if quiet else None
    return subprocess.run(command, cwd=cwd, stdout=out, stderr=out, env=env).returncode


def project_files():
    listed = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                            cwd=TOP, check=True, capture_output=True).stdout
    return [name for name in listed.decode().split("\0") if name and (TOP / name).is_file()]


def refresh_scratch(scratch):
    """Copies the work tree into the scratch folder, touching only the files
    that differ so that the build there stays incremental."""
    files = set(project_files())
    for name in files:
        source, copy = TOP / name, scratch / name
        if not copy.exists() or copy.read_bytes() != source.read_bytes():
            copy.parent.mkdir(parents=True, exist_ok=True)
            shutil.copyfile(source, copy)
            shutil.copymode(source, copy)
    for root, dirs, names in os.walk(scratch):
        if Path(root) == scratch:
            dirs[:] = [d for d in dirs if d != "build"]
        for name in names:
            path = Path(root) / name
            if str(path.relative_to(scratch)) not in files:
                path.unlink()


def configure(scratch):
    # Quick to build, no debug information: only pass or fail matters here.
    return run(["cmake", "-S", ".", "-B", "build", "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug",
                "-DCMAKE_CXX_FLAGS_DEBUG=-O1", "-DKERNMINE_BENCH=OFF"], scratch) == 0


def build(scratch, targets):
    return run(["nice", "-n", "10", "cmake", "--build", "build", "--target", *targets], scratch) == 0


def tests_of(scratch, targets):
    """The ctest names of the tests that run one of the target programs."""
    listing = subprocess.run(["ctest", "--show-only=json-v1"], cwd=scratch / "build",
                             check=True, capture_output=True, text=True).stdout
    wanted = set(targets)
    return [test["name"] for test in json.loads(listing)["tests"]
            if test.get("command") and Path(test["command"][0]).name in wanted]


def ctest(scratch, names):
    """Runs the named tests; returns the names of those that failed."""
    pattern = "^(" + "|".join(re.sub(r"([][.^$*+?(){}|\\])", r"\\\1", n) for n in names) + ")$"
    result = subprocess.run(["ctest", "-j2", "--timeout", "300", "-R", pattern],
                            cwd=scratch / "build", capture_output=True, text=True)
    if result.returncode == 0:
        return []
    listed = result.stdout.partition("The following tests FAILED:")[2]
    return re.findall(r"^\s*\d+ - (\S+) \(", listed, re.MULTILINE) or ["(ctest)"]


def plant(scratch, fault):
    path = scratch / fault.file
    original = path.read_text(encoding="utf-8")
    found = original.count(fault.find)
    if found != 1:
        sys.exit(f"{fault.file}: the snippet of {fault.title!r} occurs {found} times, not once")
    path.write_text(original.replace(fault.find, fault.into), encoding="utf-8")
    return original


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("numbers", nargs="*", type=int, help="only these faults (1-based)")
    parser.add_argument("--faults", type=Path, default=FAULTS)
    parser.add_argument("--scratch", type=Path,
                        default=Path(os.environ.get("TMPDIR", tempfile.gettempdir())) / "kernmine-mutate")
    parser.add_argument("--list", action="store_true",
                        help="print the numbered faults, checking each snippet against the work tree, and stop")
    args = parser.parse_args()

    faults = read_faults(args.faults)
    chosen = [(n, f) for n, f in enumerate(faults, 1) if not args.numbers or n in args.numbers]
    if args.list:
        bad = 0
        for number, fault in chosen:
            found = (TOP / fault.file).read_text(encoding="utf-8").count(fault.find)
            bad += found != 1
            note = "" if found == 1 else f"  <- the snippet occurs {found} times"
            print(f"{number:3}  {fault.file:28} {fault.title}{note}")
        return 1 if bad else 0

    scratch = args.scratch.resolve()
    if scratch == TOP or TOP in scratch.parents:
        sys.exit("the scratch copy must lie outside the work tree")
    scratch.mkdir(parents=True, exist_ok=True)
    refresh_scratch(scratch)
    targets = sorted({t for _, f in chosen for t in f.targets})
    print(f"scratch copy: {scratch}; building {' '.join(targets)}", flush=True)
    if not configure(scratch) or not build(scratch, targets):
        sys.exit("the scratch copy does not build as it is")
    failed = ctest(scratch, tests_of(scratch, targets))
    if failed:
        sys.exit(f"the tests fail before any fault is planted: {' '.join(failed)}")

    rows = []
    for number, fault in chosen:
        started = time.monotonic()
        original = plant(scratch, fault)
        try:
            if not build(scratch, fault.targets):
                result, by = "does not build", ""
            else:
                failed = ctest(scratch, tests_of(scratch, fault.targets))
                result, by = ("killed", ", ".join(failed[:2]) + (" ..." if len(failed) > 2 else "")) \
                    if failed else ("SURVIVED", "")
        finally:
            (scratch / fault.file).write_text(original, encoding="utf-8")
        rows.append((number, fault, result, by))
        print(f"{number:3} {result:9} {time.monotonic() - started:5.0f} s  {fault.title}", flush=True)

    print()
    print("| # | planted fault | file | result | first tests that fail |")
    print("|---|---|---|---|---|")
    for number, fault, result, by in rows:
        print(f"| {number} | {fault.title} | {fault.file} | {result} | {by} |")
    killed = sum(result == "killed" for _, _, result, _ in rows)
    print(f"\n{killed} of {len(rows)} faults killed")
    return 0 if killed == len(rows) else 1


if __name__ == "__main__":
    sys.exit(main())
