#!/usr/bin/env python3
"""Writes docs/validation.md: the program's results against published values.

    python3 scripts/validation.py --zan-report build/bin/zan-report \\
        [--output docs/validation.md] [--expect docs/validation.md]

Runs zan-report on input data files written for each published case, compares
the numbers its reports print with the published ones, runs the comparison
with the independent reference implementation (tests/reference) and writes the
page.  The page holds no dates, timings or paths, so running the script again
on the same program gives the same bytes.

Exits 1 when an equivalent stress differs from its published value by more
than the tolerance, when the reference comparison finds a difference, or when
the page differs from the --expect file (a unified diff is printed).
"""

import argparse
import difflib
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
REFERENCE_DIR = os.path.join(ROOT, "tests", "reference")
COMMAND = ("python3 scripts/validation.py --zan-report build/bin/zan-report "
           "--output docs/validation.md")

# Published equivalent stresses for the 18 kip single axle with load safety
# factor 1.0, rounded to whole psi: (h in, k psi/in, concrete shoulder, psi).
PUBLISHED_STRESSES = [
    (8, 200, False, 242),
    (8, 300, False, 225),
    (6, 150, True, 304),
    (6, 200, True, 289),
    (6.5, 150, True, 274),
    (6.5, 200, True, 260),
    (7, 150, True, 248),
    (7, 200, True, 236),
]
STRESS_TOLERANCE_PERCENT = 0.5

# The worked design example, damage read from the published charts (percent).
PUBLISHED_FATIGUE = 62.8
PUBLISHED_EROSION = 38.9

# The erosion-factor example: h in, k psi/in, doweled, no shoulder, 18 kip
# single axle; the published table's factor.
EROSION_CASE = (8, 230)
PUBLISHED_EROSION_FACTOR = 2.80

# The initial English design: the pavement, traffic and standard spectrum a
# new session starts with (9.5 in, 130 psi/in, 650 psi, no shoulder, dowels).
INITIAL_SPECTRUM = [
    (30, "0.58", 52, "1.96"), (28, "1.35", 48, "3.94"), (26, "2.77", 44, "11.48"),
    (24, "5.92", 40, "34.27"), (22, "9.83", 36, "81.42"), (20, "21.67", 32, "85.50"),
    (18, "28.24", 28, "152.21"), (16, "38.83", 24, "90.52"), (14, "53.94", 20, "112.78"),
    (12, "168.84", 16, "124.63"),
]


def number_text(value):
    return ("%g" % value)


def def_file(h=9.5, k=130, sc=650, shoulder=False, dowels=True, lsf="1.2",
             first_single_load=None, grow="4", years="20"):
    """The initial English design as an input data file, with changes."""
    rows = list(INITIAL_SPECTRUM)
    if first_single_load is not None:
        rows[0] = (first_single_load,) + rows[0][1:]
    lines = ["****ENG****", "", "***ZAN***", "",
             number_text(h), number_text(k), number_text(sc), "",
             "Yes" if shoulder else "No", "Yes" if dowels else "No", "",
             "12900", "19", grow, "50", "81", lsf, years, ""]
    for single, single_count, tandem, tandem_count in rows:
        lines.append('"%s","%s","%s","%s"' % (single, single_count, tandem, tandem_count))
    lines += ["", "ZAN Data End"]
    return ("\r\n".join(lines) + "\r\n").encode("ascii")


class Runner:
    def __init__(self, zan_report, folder):
        self.zan_report = zan_report
        self.folder = folder
        self.count = 0

    def report(self, mode, data):
        """The report's lines for a data file, or an exception with the reason."""
        self.count += 1
        path = os.path.join(self.folder, "case%d.DEF" % self.count)
        with open(path, "wb") as f:
            f.write(data)
        done = subprocess.run([self.zan_report, mode, path], capture_output=True)
        if done.returncode != 0:
            raise RuntimeError("zan-report %s exited with %d: %s" % (
                mode, done.returncode, done.stderr.decode("latin-1").strip()))
        return done.stdout.decode("latin-1").split("\r\n")


def first_single_row(lines, section):
    """The fields of the first Dual-Single row of the named section."""
    start = next(i for i, line in enumerate(lines) if section in line)
    group = next(i for i in range(start, len(lines)) if lines[i].strip() == "Dual-Single")
    return lines[group + 1].split()


def total(lines, section):
    start = next(i for i, line in enumerate(lines) if section in line)
    sums = next(line for line in lines[start:] if "Sum =" in line)
    return float(sums.split("=")[1])


def signed(value, decimals):
    text = "%+.*f" % (decimals, value)
    return "0." + "0" * decimals if float(text) == 0 else text.replace("-", "\u2212")


def stress_table(runner):
    rows = []
    worst = 0.0
    for h, k, shoulder, published in PUBLISHED_STRESSES:
        lines = runner.report("--fatigue", def_file(h=h, k=k, shoulder=shoulder, lsf="1.0",
                                                    first_single_load=18))
        fields = first_single_row(lines, "Fatigue Analysis Solutions")
        if fields[0] != "18.0":
            raise RuntimeError("row 1 of the fatigue table is not the 18 kip axle: %r" % fields)
        program = float(fields[2])
        difference = (program - published) / published * 100.0
        worst = max(worst, abs(difference))
        rows.append("| %s | %d | %s | %d | %s | %s |" % (
            number_text(h), k, "yes" if shoulder else "no", published, fields[2],
            signed(difference, 2)))
    return rows, worst


# zan-report's exit statuses, as its --help names them.
STATUS_MEANINGS = {
    0: "report written",
    3: "not an input data file",
    4: "file unreadable or ending early",
    5: "inputs refused",
    6: "no passing thickness",
}


# The random designs are drawn from a fixed seed, so the page names the same designs each time.
REFERENCE_SEED = 20240601


def reference_comparison(zan_report, count):
    sys.path.insert(0, REFERENCE_DIR)
    import compare_reports  # noqa: E402
    modes = len(compare_reports.MODES)
    done = subprocess.run([sys.executable, os.path.join(REFERENCE_DIR, "compare_reports.py"),
                           "--zan-report", zan_report, "--count", str(count),
                           "--seed", str(REFERENCE_SEED), "--jobs", "2"],
                          capture_output=True, text=True)
    passed = re.search(r"^(\d+) passed, (\d+) failed\b", done.stdout, re.M)
    outcomes = re.search(r"^reference outcomes: (.*)$", done.stdout, re.M)
    if done.returncode != 0 or not passed or not outcomes:
        sys.stderr.write(done.stdout + done.stderr)
        raise RuntimeError("the reference comparison failed")
    words = []
    for status, count in re.findall(r"status (\d+): (\d+)", outcomes.group(1)):
        meaning = STATUS_MEANINGS.get(int(status), "another failure")
        words.append("%s (%s) for %s" % (status, meaning, count))
    return modes, int(passed.group(1)), int(passed.group(2)), ", ".join(words)


def ctest_design_count():
    """The number of random designs the test suite compares, from its configuration."""
    with open(os.path.join(REFERENCE_DIR, "CMakeLists.txt")) as f:
        found = re.search(r"--count\s+(\d+)", f.read())
    if not found:
        raise RuntimeError("tests/reference/CMakeLists.txt names no --count")
    return int(found.group(1))


def page(runner, zan_report, reference_count):
    out = []
    add = out.append
    stresses, worst = stress_table(runner)

    add("# Validation of ZAN Thickness Design")
    add("")
    add("This page compares the numbers ZAN Thickness Design prints with values published "
        "for the 1984 fatigue and erosion method for jointed plain concrete pavements, and "
        "with an independent implementation of the program's report. It is generated, not "
        "typed: every program value below was read from a report that zan-report wrote "
        "while the page was made, by the command")
    add("")
    add("    " + COMMAND)
    add("")
    add("run from the top folder of the sources after a build. The test suite runs the same "
        "script (CTest `docs.validation`) and fails when a value moves or when this page no "
        "longer matches the program.")
    add("")

    add("## Equivalent stress of the 18 kip single axle")
    add("")
    add("The published design tables give the equivalent stress of an 18 kip single axle, "
        "rounded to whole psi. For each case the script wrote the program's initial English "
        "design with the slab thickness, subgrade modulus and shoulder of the case, a load "
        "safety factor of 1.0 and 18 kips as the single-axle load of row 1, ran "
        "`zan-report --fatigue` and read the equivalent stress of that row (the report "
        "prints it with one decimal). Doweled joints do not enter the fatigue analysis.")
    add("")
    add("| h (in) | k (psi/in) | concrete shoulder | published (psi) | program (psi) "
        "| difference (%) |")
    add("|---|---|---|---|---|---|")
    out.extend(stresses)
    add("")
    rounding = max(0.5 / published * 100.0 for _, _, _, published in PUBLISHED_STRESSES)
    add("The largest difference is %.2f %%, within the tolerance of %s %%; rounding the "
        "published values to whole psi alone accounts for up to %.2f %%." % (
            worst, number_text(STRESS_TOLERANCE_PERCENT), rounding))
    add("")

    lines = runner.report("--both", def_file())
    fatigue = total(lines, "Fatigue Analysis Solutions")
    erosion = total(lines, "Erosion Analysis Solutions")
    add("## Worked design example")
    add("")
    add("The published worked example designs a 9.5 in slab with doweled joints and no "
        "concrete shoulder on k = 130 psi/in, with a modulus of rupture of 650 psi, a load "
        "safety factor of 1.2, a 20-year design period and the standard axle-load spectrum: "
        "the program's initial English design. The example reads the allowable repetitions of "
        "each axle load from the method's charts; the program computes them from the "
        "method's closed-form equations (`zan-report --both`).")
    add("")
    add("| total damage | published (%) | program (%) | difference (percentage points) |")
    add("|---|---|---|---|")
    add("| fatigue | %.1f | %.1f | %s |" % (PUBLISHED_FATIGUE, fatigue,
                                            signed(fatigue - PUBLISHED_FATIGUE, 1)))
    add("| erosion | %.1f | %.1f | %s |" % (PUBLISHED_EROSION, erosion,
                                            signed(erosion - PUBLISHED_EROSION, 1)))
    add("")
    add("Allowable repetitions read off a logarithmic chart are good to a few per cent of "
        "each row's value, and a total adds up the reading errors of its rows, so "
        "differences of this size are what chart reading gives. Both say that the 9.5 in "
        "slab passes and that fatigue controls the design.")
    add("")

    h, k = EROSION_CASE
    lines = runner.report("--erosion", def_file(h=h, k=k, lsf="1.0", first_single_load=18))
    fields = first_single_row(lines, "Erosion Analysis Solutions")
    add("## Erosion factor")
    add("")
    add("The published erosion-factor tables define a factor for the 18 kip single and 36 kip "
        "tandem axle and read the allowable repetitions of other loads from a chart. The "
        "program's report prints its own erosion factor, computed for the design load of "
        "each row by the formula")
    add("")
    add("    EF = log10(11111 * (0.896 * P')^2 * C1 / (h * k^0.73))")
    add("")
    add("with P' the power (printed in the column beside it) and C1 = 1 - (k / 2000 * 4 / h)^2, "
        "and it computes the allowable erosion repetitions from the power directly, not "
        "from the factor. The two factors are different quantities and cannot be compared "
        "digit for digit. For h = %s in, k = %d psi/in, doweled joints, no shoulder and the "
        "18 kip single axle (`zan-report --erosion`):" % (number_text(h), k))
    add("")
    add("| erosion factor | value |")
    add("|---|---|")
    add("| published table | %.2f |" % PUBLISHED_EROSION_FACTOR)
    add("| program's report | %s |" % fields[2])
    add("")

    add("## Growth factor")
    add("")
    add("The traffic over the design period is the first year's traffic times the growth "
        "factor ((1 + i)^Years - 1) / i, the sum of every year's traffic, which tends to the "
        "design period as the rate i tends to 0. The program takes the design period itself "
        "for a rate of 0 and the series Years + Years (Years - 1) i / 2 below 0.0001 %, where "
        "the quotient would lose its digits. (The method's original program took the fixed "
        "factor 20 for any rate of 0 or less, whatever the design period: too little traffic "
        "for a longer period.) Expected repetitions of single-axle row 1 of the initial "
        "design (`zan-report --details`):")
    add("")
    add("| growth rate (%) | design period (years) | expected repetitions |")
    add("|---|---|---|")
    for grow, years in (("0", "20"), ("0", "40"), ("1e-14", "40"), ("0.0001", "40"),
                        ("4", "20"), ("-2", "40")):
        details = runner.report("--details", def_file(grow=grow, years=years))
        add("| %s | %s | %s |" % (grow, years, details[1].split(",")[3]))
    add("")

    modes, passed, failed, outcomes = reference_comparison(zan_report, reference_count)
    suite = ctest_design_count()
    add("## Independent reference implementation")
    add("")
    add("`tests/reference` holds a second implementation of the whole program in Python, "
        "written separately from the C++ sources. `tests/reference/compare_reports.py` makes "
        "random designs (English and Metric, every built-in spectrum and random ones, odd "
        "texts now and then), runs both implementations in each of the %d report modes "
        "(`--fatigue`, `--erosion`, `--both`, `--design`, `--inputs`) and compares the "
        "reports byte for byte, together with the exit status and, where their wording is "
        "fixed, the messages." % modes)
    add("")
    add("- For this page: %d random designs drawn from seed %d, %d reports compared, %d "
        "identical, %d different; exit status %s." % (reference_count, REFERENCE_SEED,
                                                      passed + failed, passed, failed, outcomes))
    add("- In the test suite (CTest `reference.random_designs`), on every run: %d random "
        "designs in %d modes, %d reports compared byte for byte." % (suite, modes,
                                                                   suite * modes))
    add("")
    return "\n".join(out) + "\n", worst, failed


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--zan-report", required=True, help="path of the zan-report executable")
    ap.add_argument("--output", help="where to write the page (default: standard output)")
    ap.add_argument("--expect", help="fail when the page differs from this file")
    ap.add_argument("--reference-count", type=int, default=100,
                    help="random designs to compare with the reference implementation")
    args = ap.parse_args()

    with tempfile.TemporaryDirectory() as folder:
        text, worst, failed = page(Runner(os.path.abspath(args.zan_report), folder),
                                   os.path.abspath(args.zan_report), args.reference_count)
    if args.output:
        with open(args.output, "w", newline="\n", encoding="utf-8") as f:
            f.write(text)
    else:
        sys.stdout.write(text)

    status = 0
    if worst > STRESS_TOLERANCE_PERCENT:
        sys.stderr.write("an equivalent stress differs by %.2f %% (tolerance %s %%)\n" % (
            worst, number_text(STRESS_TOLERANCE_PERCENT)))
        status = 1
    if failed:
        sys.stderr.write("%d reports differ from the reference implementation\n" % failed)
        status = 1
    if args.expect:
        with open(args.expect, encoding="utf-8") as f:
            expected = f.read()
        if expected != text:
            sys.stderr.writelines(difflib.unified_diff(
                expected.splitlines(True), text.splitlines(True), args.expect, "generated"))
            sys.stderr.write("%s is not the page the program gives now; regenerate it with\n"
                             "    %s\n" % (args.expect, COMMAND))
            status = 1
    return status


if __name__ == "__main__":
    sys.exit(main())
