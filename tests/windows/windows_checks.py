#!/usr/bin/env python3
"""zan-report.exe under Wine against the golden reports and the native zan-report.

    windows_checks.py --exe build-windows/bin/zan-report.exe --native build/bin/zan-report

Runs from the repository root, with WINEPREFIX and a running wineserver set up by the caller.
Checks, each a row of a table:
  - the golden reports of tests/data, as the batch tool prints them (a file was read, so the
    subgrade caption reads capital K);
  - every example in every mode, a summary and -o: the same stdout bytes, stderr lines and
    exit status as the native program (binary streams: no CR LF doubled);
  - the file cases Windows has its own code for: -o over an input refused, a read-only
    target refused, NUL as /dev/null, the names Windows reads its own way (\\.\ and stream
    names of a file, reserved device names, the console, a volume), a name in Cyrillic read
    and named in messages, and a summary interrupted by Ctrl+C that leaves the old file whole
    and no temporary behind.
Prints "N passed, M failed"; exits 1 on any failure.
"""

import argparse
import glob
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "reference"))
from program_runs import failed_start  # noqa: E402

MODES = ["--fatigue", "--erosion", "--both", "--design", "--inputs", "--details"]


class Checks:
    def __init__(self, exe, native):
        self.exe, self.native = ["wine", exe], [native]
        self.passed, self.failed = 0, []
        self.starts = 0

    def run(self, program, args, cwd=None):
        p = subprocess.run(program + args, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                           cwd=cwd, timeout=120)
        result = p.stdout, p.stderr.decode("utf-8", "replace").replace("\r\n", "\n"), p.returncode
        if program is self.exe:
            self.starts += 1
            if failed_start(*result):
                self.failed.append("%s: the program did not start (status %d, no output)"
                                   % (" ".join(args), p.returncode))
        return result

    def expect(self, name, got, wanted):
        if got == wanted:
            self.passed += 1
        else:
            self.failed.append("%s:\n  got    %r\n  wanted %r" % (name, got, wanted))

    def same_as_native(self, name, args, native_args=None, cwd=None):
        """The .exe and the native program give the same bytes, lines and status."""
        self.expect(name, self.run(self.exe, args, cwd),
                    self.run(self.native, native_args or args, cwd))


def golden_rows(checks):
    for golden in sorted(glob.glob("tests/data/*_both.PRN")):
        with open(golden, "rb") as f:
            wanted = f.read().replace(b"Subgrade Modulus, k", b"Subgrade Modulus, K")
        design = golden.replace("_both.PRN", ".DEF")
        checks.expect("golden " + golden, checks.run(checks.exe, ["--both", design]),
                      (wanted, "", 0))


def example_rows(checks, scratch):
    examples = sorted(glob.glob("examples/*.DEF"))
    for example in examples:
        for mode in MODES:
            checks.same_as_native("%s %s" % (mode, example), [mode, example])
    checks.same_as_native("--summary of the examples", ["--summary"] + examples)
    for args in (["--design", examples[0]], ["--summary"] + examples):
        out = os.path.join(scratch, "out.txt")
        checks.run(checks.exe, ["-o", out] + args)
        with open(out, "rb") as f:
            checks.expect("-o " + " ".join(args[:2]), f.read(), checks.run(checks.native, args)[0])


def file_rows(checks, scratch):
    def put(name, data):
        path = os.path.join(scratch, name)
        with open(path, "wb") as f:
            f.write(data)
        return path

    with open("examples/heavy.DEF", "rb") as f:
        heavy = f.read()
    kept = put("kept.DEF", heavy)
    for args in (["-o", kept, "examples/light.DEF"], ["-o", kept, kept]):
        checks.same_as_native("refused: " + " ".join(args), args)
    checks.expect("an input kept whole", open(kept, "rb").read(), heavy)

    locked = put("locked.PRN", b"old\r\n")
    os.chmod(locked, 0o444)
    checks.same_as_native("read-only target", ["-o", locked, "examples/heavy.DEF"])
    checks.expect("read-only target kept", open(locked, "rb").read(), b"old\r\n")

    checks.same_as_native("-o NUL", ["-o", "NUL", "examples/heavy.DEF"],
                          ["-o", "/dev/null", "examples/heavy.DEF"])
    exe, native = (checks.run(program, ["NUL" if program is checks.exe else "/dev/null"])
                   for program in (checks.exe, checks.native))
    checks.expect("NUL as input", exe, (native[0], native[1].replace("/dev/null", "NUL"),
                                        native[2]))
    checks.same_as_native("-o into a missing folder",
                          ["-o", os.path.join(scratch, "gone", "x"), "examples/heavy.DEF"])

    windows_name_rows(checks, scratch, kept, heavy)

    put("проект.DEF", heavy)
    put("проект-kurz.DEF", heavy[: len(heavy) // 2])
    for name in ("проект.DEF", "проект-kurz.DEF"):
        for mode in ("--both", "--summary"):
            checks.same_as_native("%s %s" % (mode, name), [mode, name], cwd=scratch)
    interrupted_summary(checks, scratch, heavy)


def windows_name_rows(checks, scratch, kept, design):
    """Names that Windows reads its own way: what each really names decides, before anything
    is written. Each row: arguments, the status, a piece of the message (or "" for none) and
    the file that then holds the report."""
    def dos(path):
        return "Z:" + path.replace("/", "\\")

    heavy = os.path.abspath("examples/heavy.DEF")
    report = checks.run(checks.native, ["--both", heavy])[0]
    new, other = os.path.join(scratch, "new.PRN"), os.path.join(scratch, "other.PRN")
    input_ = "it is one of the input files"
    reserved = "Windows keeps this name for the device %s"
    rows = [
        (["-o", "\\\\.\\" + dos(kept), kept], 2, input_, None),
        (["--summary", "-o", "\\\\.\\" + dos(kept), kept], 2, input_, None),
        (["-o", kept + "::$DATA", kept], 2, input_, None),
        (["-o", kept + ":notes", kept], 2, input_, None),
        (["-o", "\\\\.\\" + dos(new), heavy], 0, "", new),
        (["-o", other + "::$DATA", heavy], 0, "", other),
        (["-o", other + ":notes", heavy], 7, "a stream inside a file", None),
        (["-o", "\\\\.\\NUL", heavy], 0, "", None),
        (["-o", "aux.PRN", heavy], 7, reserved % "AUX", None),
        (["-o", "NUL.PRN", heavy], 7, reserved % "NUL", None),
        (["-o", "CON", heavy], 7, "it is the console", None),
        (["-o", "\\\\.\\Z:", heavy], 7, "it is a device", None),
    ]
    for args, status, said, written in rows:
        name = "Windows name: " + " ".join(args)
        _, err, got = checks.run(checks.exe, args, cwd=scratch)
        checks.expect(name, (got, said in err, bool(said) or err == ""), (status, True, True))
        if written:
            with open(written, "rb") as f:
                checks.expect(name + ": the report", f.read(), report)
    checks.expect("an input named through \\\\.\\ read as itself",
                  checks.run(checks.exe, ["--both", "\\\\.\\" + dos(kept)])[0],
                  checks.run(checks.native, ["--both", kept])[0])
    checks.expect("an input kept whole by every Windows name", open(kept, "rb").read(), design)
    checks.expect("no file made of a stream's or a device's name",
                  sorted(n for n in os.listdir(scratch)
                         if ":" in n or n.split(".")[0].upper() in ("AUX", "NUL", "CON")), [])


def interrupted_summary(checks, scratch, design):
    """Ctrl+C in the middle of a long summary: the old OUT whole, no temporary left."""
    folder = os.path.join(scratch, "many")
    os.mkdir(folder)
    with open(os.path.join(folder, "d.DEF"), "wb") as f:
        f.write(design)
    out = os.path.join(folder, "summary.csv")
    with open(out, "wb") as f:
        f.write(b"the old summary\r\n")
    p = subprocess.Popen(checks.exe + ["--summary", "-o", "summary.csv"] + ["d.DEF"] * 5000,
                         cwd=folder, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.time() + 60
    while time.time() < deadline and not any(n.endswith(".tmp") for n in os.listdir(folder)):
        time.sleep(0.05)
    started = any(n.endswith(".tmp") for n in os.listdir(folder))
    time.sleep(0.5)
    running = p.poll() is None
    p.send_signal(signal.SIGINT)
    p.wait(timeout=60)
    leftovers = sorted(n for n in os.listdir(folder) if n != "d.DEF")
    # STATUS_CONTROL_C_EXIT, of which the exit status keeps the low byte.
    checks.expect("summary interrupted by Ctrl+C",
                  (started, running, p.returncode, open(out, "rb").read(), leftovers),
                  (True, True, 0x3A, b"the old summary\r\n", ["summary.csv"]))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--exe", required=True)
    ap.add_argument("--native", required=True)
    args = ap.parse_args()
    checks = Checks(os.path.abspath(args.exe), os.path.abspath(args.native))
    scratch = tempfile.mkdtemp(prefix="zan-windows-")
    try:
        golden_rows(checks)
        example_rows(checks, scratch)
        file_rows(checks, scratch)
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    for failure in checks.failed:
        print(failure)
    print("%d passed, %d failed (%d program starts)"
          % (checks.passed, len(checks.failed), checks.starts + 1))
    return 1 if checks.failed else 0


if __name__ == "__main__":
    sys.exit(main())
