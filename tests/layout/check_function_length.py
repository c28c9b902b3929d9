#!/usr/bin/env python3
"""Fails when a function in the checked folders of src/ is longer than 60 lines, listing each.

The length is pmccabe's count of a function's lines (column 5 of `pmccabe -v`), lambdas inside
it included. Long functions are split by naming their steps.

Usage: check_function_length.py PMCCABE SRC_DIR
       check_function_length.py PMCCABE --self-test
"""
import pathlib
import subprocess
import sys
import tempfile

MAX_LINES = 60

# The folders of src/ whose functions are held to the limit: every layer.
CHECKED_FOLDERS = ["model", "io", "commands", "platform", "dialogs", "chart", "shell",
                   "app"]


def long_functions(pmccabe: str, src: pathlib.Path, folders):
    files = sorted(str(path) for folder in folders for path in (src / folder).rglob("*.cpp"))
    if not files:
        return [f"{src}: none of the folders {', '.join(folders)} holds a .cpp file"]
    run = subprocess.run([pmccabe, "-v", *files], capture_output=True, text=True,
                         encoding="latin-1")
    if run.returncode != 0:
        return [f"pmccabe failed ({run.returncode}): {run.stderr.strip()}"]
    found = []
    for line in run.stdout.splitlines():
        fields = line.split("\t")
        if len(fields) != 6 or not fields[4].isdigit():
            continue  # the legend pmccabe prints first
        if int(fields[4]) > MAX_LINES:
            found.append(f"{fields[5]} is {fields[4]} lines long (at most {MAX_LINES})")
    return found


def function(name: str, lines: int) -> str:
    body = "".join(f"    x += {i};\n" for i in range(lines - 3))
    return f"int {name}(int x) {{\n{body}    return x;\n}}\n"


def self_test(pmccabe: str) -> int:
    """A long function in a checked folder is found; a short one, and any in an unchecked
    folder, are not."""
    with tempfile.TemporaryDirectory() as folder:
        root = pathlib.Path(folder)
        files = {"model/a.cpp": function("tooLong", MAX_LINES + 5) + function("fine", MAX_LINES),
                 "shell/b.cpp": function("notChecked", MAX_LINES + 20)}
        for name, text in files.items():
            (root / name).parent.mkdir(parents=True, exist_ok=True)
            (root / name).write_text(text)
        found = long_functions(pmccabe, root, ["model"])
    ok = len(found) == 1 and "tooLong" in found[0] and f"{MAX_LINES + 5} lines" in found[0]
    print("self-test", "passed" if ok else f"failed: {found}")
    return 0 if ok else 1


def main() -> int:
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    pmccabe = sys.argv[1]
    if sys.argv[2] == "--self-test":
        return self_test(pmccabe)
    found = long_functions(pmccabe, pathlib.Path(sys.argv[2]), CHECKED_FOLDERS)
    for problem in found:
        print(problem)
    if not found:
        print(f"no function longer than {MAX_LINES} lines in src/{{{','.join(CHECKED_FOLDERS)}}}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
