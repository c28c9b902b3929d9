#!/usr/bin/env python3
"""Compare `zan-report` with the Python reference on random designs.

    python3 compare_reports.py --zan-report PATH/zan-report [--count 300] [--seed 1]
        [--run-with wine]

Generates random input data files (English and Metric, assorted traffic and
axle-load spectra, odd texts now and then), runs both programs in every mode
and compares stdout bytes, stderr lines and exit status.  Messages of the
failure statuses (usage, unreadable file, refused analysis, no thickness
found) are free wording, so for those only the status and the empty stdout
are compared.

Prints a unified diff of the first few mismatches and "N passed, M failed";
exits 1 on any mismatch.
"""

import argparse
import math
import difflib
import os
import random
import shlex
import sys
import tempfile
from concurrent.futures import ThreadPoolExecutor

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import zan_reference as ref  # noqa: E402
import program_runs  # noqa: E402

MODES = ("--fatigue", "--erosion", "--both", "--design", "--inputs")
STATUSES_WITH_FIXED_MESSAGES = (0, 3)

# Built-in spectra: (single kips, single count, tandem kips, tandem count) per row.
STANDARD = [(30 - 2 * r, c1, 52 - 4 * r, c2) for r, (c1, c2) in enumerate([
    (0.58, 1.96), (1.35, 3.94), (2.77, 11.48), (5.92, 34.27), (9.83, 81.42),
    (21.67, 85.50), (28.24, 152.21), (38.83, 90.52), (53.94, 112.78), (168.84, 124.63)])]


def _category(s0, t0, singles, tandems, last_tandem=None):
    rows = []
    for r in range(10):
        tk = t0 - 4 * r
        if r == 9 and last_tandem is not None:
            tk = last_tandem
        rows.append((s0 - 2 * r, singles[r], tk, tandems[r]))
    return rows


CATEGORIES = {
    "light": _category(22, 36,
                       [0.96, 4.23, 15.81, 38.02, 56.11, 124.00, 204.96, 483.10, 732.28, 1693.31],
                       [4.19, 69.59, 68.48, 39.18, 57.10, 75.02, 139.30, 85.59, 31.90, 0.00],
                       last_tandem=4),
    "medium": _category(26, 44,
                        [0.07, 1.60, 2.60, 6.63, 16.61, 23.88, 47.76, 116.76, 142.70, 233.60],
                        [1.16, 7.76, 38.79, 54.76, 44.43, 30.74, 45.00, 59.25, 91.15, 47.01]),
    "heavy": _category(30, 52,
                       [0.45, 0.85, 1.78, 5.21, 7.85, 16.33, 25.15, 31.82, 47.73, 182.02],
                       [1.19, 2.91, 8.01, 21.31, 56.25, 103.63, 121.22, 72.54, 85.94, 99.34]),
    "veryheavy": _category(34, 60,
                           [0.19, 0.54, 0.63, 1.78, 3.52, 4.16, 9.69, 41.82, 68.27, 57.07],
                           [0.57, 1.07, 1.79, 3.03, 3.52, 20.31, 78.19, 109.54, 95.79, 71.16]),
    "standard": STANDARD,
}


# ---------------------------------------------------------------------------
# Random designs
# ---------------------------------------------------------------------------

def num_text(rng, value, decimals):
    """A number as a user might have typed it."""
    text = "%.*f" % (decimals, value)
    if decimals and rng.random() < 0.3:
        text = text.rstrip("0").rstrip(".") or "0"
    return text


def decorate(rng, text):
    """Now and then surround a text with blanks."""
    u = rng.random()
    if u < 0.04:
        return " " + text
    if u < 0.08:
        return text + "  "
    return text


def spectrum_from_table(rng, table, metric):
    rows = []
    for sk, sc, tk, tc in table:
        if metric:
            sl = ref.fmt(sk * 4.45, 1, False)
            tl = ref.fmt(tk * 4.45, 1, False)
        else:
            sl, tl = str(sk), str(tk)
        rows.append([sl, "%.2f" % sc, tl, "%.2f" % tc])
    return rows


def random_spectrum(rng, metric):
    s0 = rng.uniform(18, 40)
    t0 = rng.uniform(30, 72)
    ds = rng.uniform(0.5, 2.5)
    dt = rng.uniform(1.0, 5.0)
    rows = []
    for r in range(10):
        sk = max(s0 - ds * r, 1.0)
        tk = max(t0 - dt * r, 2.0)
        row = []
        # Heavier rows are rarer: counts grow towards the light rows.
        bases = [math.exp(rng.uniform(math.log(0.02), math.log(4))) * 1.7 ** r for _ in (0, 1)]
        for kips, base in ((sk, bases[0]), (tk, bases[1])):
            load = kips * 4.45 if metric else kips
            u = rng.random()
            if u < 0.5:
                lt = num_text(rng, load, 1 if metric else 0)
            elif u < 0.85:
                lt = num_text(rng, load, rng.choice((1, 2, 3)))
            elif u < 0.9:
                lt = "%.3E" % load
            elif u < 0.93:
                lt = num_text(rng, load, 1) + (" kN" if metric else " kips")
            elif u < 0.96:
                lt = " %s " % num_text(rng, load, 1)
            else:
                lt = "%.2f" % load
            v = rng.random()
            if v < 0.08:
                ct = "0" if rng.random() < 0.5 else "0.00"
            elif v < 0.11:
                ct = ""
            elif v < 0.13:
                ct = rng.choice(("n/a", "-", "abc", "1 2", "&H1F", "3,5"))
            elif v < 0.2:
                ct = str(int(base))
            elif v < 0.25:
                ct = "%.4f" % base
            else:
                ct = "%.2f" % base
            row += [lt, ct]
        rows.append(row)
    return rows


def random_design(rng, index):
    """Returns the bytes of one .DEF file."""
    metric = rng.random() < 0.4
    marker = "****SI****" if metric else "****ENG****"
    if rng.random() < 0.03:
        # Not a unit marker: the file is read in English units.
        marker, metric = rng.choice(("****eng****", "ENG", "")), False

    h_in = rng.uniform(5, 14)
    k_psi = rng.uniform(50, 500)
    sc_psi = rng.uniform(500, 800)
    if metric:
        h = num_text(rng, h_in * 2.54, rng.choice((0, 1, 1, 2)))
        k = num_text(rng, k_psi * 0.271, rng.choice((1, 2)))
        sc = num_text(rng, sc_psi * 6.89, rng.choice((0, 0, 1)))
    else:
        h = num_text(rng, h_in, rng.choice((0, 1, 2, 2)))
        k = num_text(rng, k_psi, rng.choice((0, 0, 1)))
        sc = num_text(rng, sc_psi, rng.choice((0, 0, 1)))
    if rng.random() < 0.03:
        h += " in" if not metric else " cm"
    h, k, sc = decorate(rng, h), decorate(rng, k), decorate(rng, sc)

    shoulder = rng.choice(("Yes", "No", "No", "yes"))
    dowels = rng.choice(("Yes", "Yes", "No", "no"))

    adt_value = math.exp(rng.uniform(math.log(300), math.log(40000)))
    adt = str(int(adt_value)) if rng.random() < 0.9 else num_text(rng, adt_value, 1)
    td = num_text(rng, rng.uniform(3, 30), rng.choice((0, 0, 1)))
    u = rng.random()
    if u < 0.15:
        grow = "0"
    elif u < 0.2:
        grow = "-1"
    else:
        grow = num_text(rng, rng.uniform(0.5, 6), rng.choice((0, 1, 2)))
    dd = rng.choice(("50", "50", num_text(rng, rng.uniform(40, 70), 0)))
    ld = num_text(rng, rng.uniform(50, 100), rng.choice((0, 0, 1)))
    lsf = rng.choice(("1", "1.0", "1.1", "1.2", "1.2", "1.3", num_text(rng, rng.uniform(1, 1.3), 2)))
    years = rng.choice(("20", "20", "30", "25", str(rng.randint(5, 50)), num_text(rng, rng.uniform(5, 40), 1)))
    adt, td, grow, dd, ld, lsf, years = [decorate(rng, t) for t in (adt, td, grow, dd, ld, lsf, years)]

    if rng.random() < 0.35:
        rows = spectrum_from_table(rng, CATEGORIES[rng.choice(sorted(CATEGORIES))], metric)
    else:
        rows = random_spectrum(rng, metric)

    third = "***ZAN***"
    kind = rng.random()
    if 0.03 <= kind < 0.045:
        # Enormous axle loads: the search may run out of thicknesses, or the
        # allowable repetitions may fall to zero.
        scale = rng.uniform(4, 9)
        for row in rows:
            for j in (0, 2):
                v = ref.parse_number(row[j]) * scale
                row[j] = ref.fmt(v, 1, False)
    if kind < 0.01:
        third = rng.choice(("***zan***", "ZAN", "***ZAN*** "))
    if 0.01 <= kind < 0.02:
        # A zero or missing load: the analysis must refuse it.
        rows[rng.randrange(10)][rng.choice((0, 2))] = rng.choice(("0", "", "x"))

    lines = [marker, "", third, "", h, k, sc, "", shoulder, dowels, "",
             adt, td, grow, dd, ld, lsf, years, ""]
    layout = rng.random()
    for row in rows:
        if layout < 0.04:
            # Hand-edited file: unquoted fields and blanks after commas.
            lines.append(", ".join(f if ('"' not in f and ',' not in f and f.strip() == f and f)
                                   else '"%s"' % f for f in row))
        else:
            lines.append(",".join('"%s"' % f for f in row))
    if not (0.04 <= layout < 0.07):
        lines += ["", "ZAN Data End"]
    newline = "\r\n"
    if 0.07 <= layout < 0.1:
        newline = "\n"
    text = newline.join(lines) + newline
    if 0.02 <= kind < 0.03:
        text = text[:rng.randrange(len(text) * 2 // 3, len(text) - 40)]
    return text.encode("latin-1")


# ---------------------------------------------------------------------------
# Running and comparing
# ---------------------------------------------------------------------------

def run_native(exe, mode, path):
    stdout, stderr, status = program_runs.run(exe, [mode, path], 120)
    return stdout, _lines(stderr), status


def _lines(text):
    lines = text.replace("\r\n", "\n").replace("\r", "\n").split("\n")
    while lines and lines[-1] == "":
        lines.pop()
    return lines


def describe(stdout, stderr, status, compare_messages):
    out = ["exit status: %d" % status]
    if compare_messages:
        out += ["stderr: " + line for line in stderr]
    out += ["stdout:"] + stdout.decode("latin-1").split("\r\n")
    return out


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--zan-report", required=True, help="path of the zan-report executable")
    ap.add_argument("--run-with", default="", metavar="COMMAND",
                    help="a command that runs the executable, such as wine")
    ap.add_argument("--count", type=int, default=300, help="number of random designs")
    ap.add_argument("--seed", type=int, default=20240601, help="random seed")
    ap.add_argument("--show", type=int, default=3, help="mismatches to print in full")
    ap.add_argument("--jobs", type=int, default=os.cpu_count() or 2)
    ap.add_argument("--keep", metavar="DIR", help="write the designs to DIR and keep them")
    ap.add_argument("--whole", type=int, metavar="N",
                    help="compare the whole reports of N designs spread over the set (all)")
    ap.add_argument("--summary-with", metavar="NATIVE",
                    help="and every design through one --summary, against NATIVE's")
    args = ap.parse_args()

    rng = random.Random(args.seed)
    tmp = None
    if args.keep:
        folder = args.keep
        os.makedirs(folder, exist_ok=True)
    else:
        tmp = tempfile.TemporaryDirectory(prefix="zan-compare-")
        folder = tmp.name

    paths = []
    for n in range(args.count):
        path = os.path.join(folder, "design%04d.DEF" % n)
        with open(path, "wb") as fh:
            fh.write(random_design(rng, n))
        paths.append(path)
    cases = [(path, mode) for path in program_runs.spread(paths, args.whole) for mode in MODES]

    exe = shlex.split(args.run_with) + [os.path.abspath(args.zan_report)]
    with ThreadPoolExecutor(max_workers=max(1, args.jobs)) as pool:
        futures = [pool.submit(run_native, exe, mode, path) for path, mode in cases]
        expected = [ref.run([mode, path]) for path, mode in cases]
        actual = [f.result() for f in futures]

    passed = failed = shown = 0
    statuses = {}
    for (path, mode), exp, got in zip(cases, expected, actual):
        statuses[exp[2]] = statuses.get(exp[2], 0) + 1
        if program_runs.failed_start(got[0], "\n".join(got[1]), got[2]):
            failed += 1
            print("%s %s: the program did not start (status %d, no output)"
                  % (mode, os.path.basename(path), got[2]))
            continue
        messages = exp[2] in STATUSES_WITH_FIXED_MESSAGES
        same = exp[2] == got[2] and exp[0] == got[0] and (not messages or exp[1] == got[1])
        if same:
            passed += 1
            continue
        failed += 1
        if shown < args.show:
            shown += 1
            name = "%s %s" % (mode, os.path.basename(path))
            sys.stdout.write("".join(difflib.unified_diff(
                [l + "\n" for l in describe(*exp, compare_messages=messages)],
                [l + "\n" for l in describe(*got, compare_messages=messages)],
                fromfile="reference " + name, tofile="zan-report " + name)))
            sys.stdout.write("\n")
    if args.summary_with:
        differences = program_runs.summary_differences(
            exe, [os.path.abspath(args.summary_with)], paths, 600)
        print("\n".join(differences))
        failed += 1 if differences else 0
        passed += 0 if differences else 1
    if tmp is not None:
        tmp.cleanup()
    summary = ", ".join("status %d: %d" % kv for kv in sorted(statuses.items()))
    print("reference outcomes: " + summary)
    print("%d passed, %d failed (%d program starts)" % (passed, failed, program_runs.starts))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
