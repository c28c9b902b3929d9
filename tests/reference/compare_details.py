#!/usr/bin/env python3
"""Compare the per-row values of `zan-report --details` with the Python reference.

    python3 compare_details.py --zan-report PATH/zan-report [--count 300] [--seed 1]
        [--run-with wine]

Generates random input data files with the same generator as
compare_reports.py, runs `zan-report --details` on each and checks its CSV:
the header line exactly, 21 lines each ended by CR LF, single rows 1 to 10 and
then tandem rows 1 to 10, and every number by value.  A number text is read as
the nearest single-precision value and compared bit for bit with the value the
reference stores, so the texts may differ (1e+09 or 1000000000) but not the
values.  Where the program refuses a design, the reference must refuse it
with the same exit status, and no CSV may be written.

Prints the mismatches per column and the first few in detail; exits 1 on any
mismatch, malformed CSV or disagreeing exit status.
"""

import argparse
import csv
import math
import os
import random
import re
import shlex
import struct
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import zan_reference as ref  # noqa: E402
from compare_reports import random_design  # noqa: E402
import program_runs  # noqa: E402

ROWS = [(axle, r) for axle in ref.AXLE_WORDS for r in range(1, 11)]
FIELDS = 2 + len(ref.DETAIL_COLUMNS)
# The values the acceptance of the details mode rests on; the other columns
# must agree as well, but are counted apart so that a fault is easy to place.
REQUIRED = ("se", "nf", "w", "pp", "ef", "ne")
NAMES = dict((key, name) for name, key in ref.DETAIL_COLUMNS)
NUMBER = re.compile(r"-?(?:[0-9]+(?:\.[0-9]*)?|\.[0-9]+)(?:[eE][+-]?[0-9]+)?")


class Malformed(Exception):
    """The program's output is not the CSV the details mode promises."""


def parse_csv(data):
    """The program's CSV as 20 lists of field texts, after the checks of the
    line structure, the header and the axle/row order."""
    text = data.decode("latin-1")
    if not text.endswith("\r\n"):
        raise Malformed("the output does not end with CR LF (%d bytes)" % len(data))
    lines = text[:-2].split("\r\n")
    for n, line in enumerate(lines, 1):
        if "\r" in line or "\n" in line:
            raise Malformed("line %d is ended by a lone CR or LF" % n)
    if len(lines) != 1 + len(ROWS):
        raise Malformed("%d lines instead of %d" % (len(lines), 1 + len(ROWS)))
    if lines[0] != ref.DETAIL_HEADER:
        raise Malformed("header line differs:\n  got  %r\n  want %r" % (lines[0], ref.DETAIL_HEADER))
    rows = []
    for n, (line, (axle, r)) in enumerate(zip(lines[1:], ROWS), 2):
        try:
            fields = next(csv.reader([line], strict=True))
        except csv.Error as exc:
            raise Malformed("line %d is not a CSV record (%s): %r" % (n, exc, line))
        if len(fields) != FIELDS:
            raise Malformed("line %d has %d fields instead of %d: %r" % (n, len(fields), FIELDS, line))
        if fields[0] != axle or fields[1] != str(r):
            raise Malformed("line %d is %s row %s, expected %s row %d"
                            % (n, fields[0], fields[1], axle, r))
        rows.append(fields[2:])
    return rows


def single_of(text):
    """The single value a number text reads as, or None when it is no number."""
    if not NUMBER.fullmatch(text):
        return None
    return ref.decimal_to_f32(text)


def bits(x):
    return struct.unpack("<I", struct.pack("<f", x))[0]


def ulps_apart(a, b):
    """Distance in single-precision steps (0 and -0 count as one apart)."""
    def ordered(x):
        u = bits(x)
        return -(u & 0x7FFFFFFF) - 1 if u & 0x80000000 else u
    return abs(ordered(a) - ordered(b))


def ne_with_single_product(row, shoulder):
    """Ne if the exponent used the product C1 * P' as compared, in single
    precision, rather than the double product."""
    product = ref.f32(row["c1"] * row["pp"])
    if product <= 9.0:
        return ref.f32(ref.UNLIMITED)
    c2 = 0.06 if shoulder == "NS" else 0.94
    return ref.f32(math.pow(10.0, 14.524 - 6.777 * math.pow(product - 9.0, 0.103)) / c2)


def run_program(exe, path, timeout):
    stdout, stderr, status = program_runs.run(exe, ["--details", path], timeout)
    return stdout, stderr.strip(), status


def describe_design(ws):
    return "%s, h %r, k %r, Sc %r, shoulder %s, dowels %s" % (
        "Metric" if ws.unit == ref.METRIC else "English", ws.h, ws.k, ws.sc,
        "Yes" if ws.shoulder else "No", "Yes" if ws.dowels else "No")


class Tally:
    def __init__(self):
        self.compared = 0
        self.rows = 0
        self.refused = {}           # agreed status -> designs
        self.per_column = dict((key, 0) for _, key in ref.DETAIL_COLUMNS)
        self.failures = []          # texts, one per failing design or value
        self.failing_designs = set()

    def fail(self, name, text):
        self.failing_designs.add(name)
        self.failures.append("%s: %s" % (name, text))


def check_design(tally, name, data, expected, got):
    """Compare one design's reference outcome with the program's."""
    exp_out, _, exp_status = expected
    out, err, status = got
    if exp_status != 0 or status != 0:
        if status == exp_status and not out:
            tally.refused[status] = tally.refused.get(status, 0) + 1
            return
        tally.fail(name, "exit status %s, reference %d; %d bytes of output%s"
                   % (status, exp_status, len(out), "; stderr: " + err.splitlines()[0] if err else ""))
        return
    try:
        fields = parse_csv(out)
    except Malformed as exc:
        tally.fail(name, "malformed CSV: %s" % exc)
        return
    ws = ref.read_def(data)
    rows, res = ref.detail_rows(ws)
    shoulder = res.model_inputs[3]
    tally.compared += 1
    tally.rows += len(rows)
    for row, texts in zip(rows, fields):
        for (column, key), text in zip(ref.DETAIL_COLUMNS, texts):
            want = row[key]
            have = single_of(text)
            if have is not None and bits(have) == bits(want):
                continue
            tally.per_column[key] += 1
            where = "%s row %d, %s" % (row.axle, row.row, column)
            if have is None:
                tally.fail(name, "%s: %r is not a number text (reference %s)"
                           % (where, text, ref.shortest_text(want)))
                continue
            note = ""
            if key == "ne" and bits(have) == bits(ne_with_single_product(row, shoulder)):
                note = "; equals Ne with the single-precision C1*P' in the exponent"
            tally.fail(name, "%s: program %s (%08x), reference %s (%08x), %d single steps apart%s [%s]"
                       % (where, text, bits(have), ref.shortest_text(want), bits(want),
                          ulps_apart(have, want), note, describe_design(ws)))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--zan-report", required=True, help="path of the zan-report executable")
    ap.add_argument("--run-with", default="", metavar="COMMAND",
                    help="a command that runs the executable, such as wine")
    ap.add_argument("--count", type=int, default=300, help="number of random designs")
    ap.add_argument("--seed", type=int, default=20240601, help="random seed")
    ap.add_argument("--show", type=int, default=8, help="mismatches to print in detail")
    ap.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    ap.add_argument("--timeout", type=int, default=60, help="seconds per program run")
    ap.add_argument("--keep", metavar="DIR", help="write the designs to DIR and keep them")
    ap.add_argument("--whole", type=int, metavar="N",
                    help="compare the details of N designs spread over the set (all)")
    args = ap.parse_args()

    rng = random.Random(args.seed)
    tmp = None
    if args.keep:
        folder = args.keep
        os.makedirs(folder, exist_ok=True)
    else:
        tmp = tempfile.TemporaryDirectory(prefix="zan-details-")
        folder = tmp.name
    designs = []
    for n in range(args.count):
        path = os.path.join(folder, "design%04d.DEF" % n)
        data = random_design(rng, n)
        with open(path, "wb") as fh:
            fh.write(data)
        designs.append((path, data))
    designs = program_runs.spread(designs, args.whole)

    exe = shlex.split(args.run_with) + [os.path.abspath(args.zan_report)]
    with ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        futures = [pool.submit(run_program, exe, path, args.timeout) for path, _ in designs]
        expected = [ref.run(["--details", path]) for path, _ in designs]
        actual = [f.result() for f in futures]

    tally = Tally()
    for (path, data), exp, got in zip(designs, expected, actual):
        if program_runs.failed_start(*got):
            tally.fail(os.path.basename(path),
                       "the program did not start (status %d, no output)" % got[2])
            continue
        check_design(tally, os.path.basename(path), data, exp, got)
    if tmp is not None:
        tmp.cleanup()

    refused = ", ".join("status %d: %d" % kv for kv in sorted(tally.refused.items())) or "none"
    print("designs: %d generated, %d compared, refused by both: %s"
          % (args.count, tally.compared, refused))
    print("rows compared: %d (%d values)" % (tally.rows, tally.rows * len(ref.DETAIL_COLUMNS)))
    print("mismatches per column:")
    for column, key in ref.DETAIL_COLUMNS:
        print("  %-36s %6d%s" % (column, tally.per_column[key],
                                 "  (required)" if key in REQUIRED else ""))
    for line in tally.failures[:args.show]:
        print("  " + line)
    if len(tally.failures) > args.show:
        print("  ... %d more" % (len(tally.failures) - args.show))
    print("%d designs agree, %d differ (%d findings; %d program starts)"
          % (len(designs) - len(tally.failing_designs), len(tally.failing_designs),
             len(tally.failures), program_runs.starts))
    return 1 if tally.failures else 0


if __name__ == "__main__":
    sys.exit(main())
