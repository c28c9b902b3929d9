#!/usr/bin/env python3
"""Checks the Python reference against hand-worked design values.

    python3 check_worked_values.py

Exits 0 when every value agrees, 1 otherwise.  The values are the published
worked examples of the design method (9.5 in slab on k = 130 psi/in, Sc = 650
psi), so a failure here means the reference itself is wrong, not the C++.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import zan_reference as z  # noqa: E402
from compare_details import Malformed, parse_csv  # noqa: E402

failures = []


def near(name, got, want, rel):
    if abs(got - want) > rel * abs(want):
        failures.append("%s: got %r, want %r (+-%g)" % (name, got, want, rel))


def same(name, got, want):
    if got != want:
        failures.append("%s: got %r, want %r" % (name, got, want))


def models():
    h, k, sc = 9.5, 130.0, 650.0
    near("radius of relative stiffness", z.radius_of_stiffness(h, k), 38.73, 1e-3)
    for axle, p, sh, se, sr, nf in (("SA", 30.0, "NS", 331.75, 0.5104, 4.775e5),
                                    ("SA", 30.0, "WS", 272.38, 0.4190, 1e9),
                                    ("TA", 52.0, "NS", 269.31, 0.4143, 1e9),
                                    ("TA", 52.0, "WS", 212.77, 0.3273, 1e9)):
        got = z.equivalent_stress(h, k, p, axle, sh)
        near("Se %s %s %s" % (axle, p, sh), got, se, 5e-5)
        near("SR %s %s %s" % (axle, p, sh), got / sc, sr, 2e-4)
        near("Nf %s %s %s" % (axle, p, sh), z.fatigue_allowable(got, sc), nf, 1e-3)
    for axle, p, sh, j, w, pp, ef, c1p, ne in (
            ("SA", 30.0, "NS", "DOW", 0.04387, 26.34, 4.270, 26.32, 4.519e6),
            ("SA", 30.0, "NS", "AGG", 0.05766, 45.50, 4.745, 45.47, 8.518e5),
            ("SA", 30.0, "WS", "DOW", 0.02751, 10.36, 3.460, 10.35, 3.628e7),
            ("TA", 52.0, "NS", "AGG", 0.06545, 58.62, 4.965, 58.57, 4.120e5),
            ("TA", 52.0, "WS", "AGG", 0.03855, 20.33, 4.046, 20.32, 7.075e5)):
        tag = "%s %s %s %s" % (axle, p, sh, j)
        near("w " + tag, z.slab_deflection(h, k, p, axle, sh, j), w, 2e-4)
        got_pp = z.erosion_power(h, k, p, axle, sh, j)
        near("P' " + tag, got_pp, pp, 3e-4)
        near("EF " + tag, z.erosion_factor(h, k, p, axle, sh, j), ef, 2e-4)
        near("C1*P' " + tag, z._c1(h, k) * got_pp, c1p, 3e-4)
        near("Ne " + tag, z.erosion_allowable(h, k, p, axle, sh, j), ne, 1e-3)
    # Curve switch at SR = 0.55 takes the first formula.
    near("Nf at 0.55", z.fatigue_allowable(0.55 * 650.0, 650.0), 124351.0, 1e-3)


def projection():
    ws = z.Workspace()
    ws.td, ws.ld = "10", "100"
    ws.single_count[0] = "100"
    res = z.run_analysis(ws, 9.5, False, False)
    near("expected repetitions 701,050", res.reps[0][0], 701050.0, 1e-6)

    ws = z.Workspace()
    ws.grow = "0"
    ws.years = "30"
    res = z.run_analysis(ws, 9.5, False, False)
    near("zero growth carries the design period's 30 years", res.reps[0][0],
         0.58 * 0.81 * 2451 * 365 * 0.5 * 30 / 1000, 1e-6)

    # A growth far below 0.0001 % is no growth; -2 % over 30 years a falling traffic.
    for grow, factor in (("1e-14", 30.0), ("-2", (0.98 ** 30 - 1) / -0.02)):
        ws.grow = grow
        res = z.run_analysis(ws, 9.5, False, False)
        near("growth %s %%" % grow, res.reps[0][0],
             0.58 * 0.81 * 2451 * 365 * 0.5 * factor / 1000, 1e-6)


def worked_rows():
    ws = z.Workspace()
    res = z.run_analysis(ws, 9.5, True, True)
    near("single 30 load", res.load[0][0], 36.0, 1e-6)
    near("single 30 expected", res.reps[0][0], 6257.7, 1e-5)
    near("single 30 Se", res.stress[0][0], 393.77, 2e-5)
    near("single 30 Nf", res.fat_allow[0][0], 26353.0, 1e-4)
    near("single 30 fatigue damage", res.fat_damage[0][0], 23.75, 1e-3)
    near("single 30 Ne", res.ero_allow[0][0], 1.4545e6, 1e-4)
    near("single 30 erosion damage", res.ero_damage[0][0], 0.430, 1e-2)
    near("tandem 52 load", res.load[1][0], 62.4, 1e-6)
    near("tandem 52 expected", res.reps[1][0], 21146.8, 1e-5)
    near("tandem 52 Se", res.stress[1][0], 319.66, 2e-5)
    near("tandem 52 Nf", res.fat_allow[1][0], 1.1649e6, 1e-4)
    near("tandem 52 fatigue damage", res.fat_damage[1][0], 1.815, 1e-3)
    near("tandem 52 Ne", res.ero_allow[1][0], 9.212e5, 1e-4)
    near("tandem 52 erosion damage", res.ero_damage[1][0], 2.296, 1e-3)
    row = [l for l in z.report_lines(ws, res) if l.startswith("            30.0 ") and "6258" in l][0]
    same("fatigue row text", row,
         "          " + "  30.0" + "     " + "        6258" + "     " + "  393.8"
         + "    " + "0.606" + "  " + "       26353" + " " + "  23.7")


def metric():
    ws = z.Workspace()
    ws.unit = z.METRIC
    ws.h, ws.k, ws.sc = "24.13", "35.23", "4478.5"
    ws.single_load[0], ws.tandem_load[0], ws.lsf = "80", "44.5", "1.2"
    res = z.run_analysis(ws, z.f32(24.13), False, False)
    near("80 kN with LSF 1.2", res.load[0][0], 96 / 4.45, 1e-6)
    ws.lsf = "1.0"
    res = z.run_analysis(ws, z.f32(24.13), False, False)
    near("44.5 kN", res.load[1][0], 10.0, 1e-6)


def texts():
    for text, value in (("12,900", 12.0), ("12900", 12900.0), ("2.5E2", 250.0),
                        ("9 . 5", 9.5), ("", 0.0), ("abc", 0.0), ("1 2", 12.0),
                        ("9.5 in", 9.5), ("&H1F", 31.0), ("&O17", 15.0), ("1D2", 100.0)):
        same("parse %r" % text, z.parse_number(text), value)
    for value, dec, want in ((2.5, 0, "3"), (9.5, 2, "9.50"), (1.2, 2, "1.20"),
                             (-0.04, 1, "-0.0"), (-0.0, 1, "0.0"), (0.125, 2, "0.13"),
                             (24.13, 1, "24.1"), (4478.5, 0, "4479")):
        same("format %r %d" % (value, dec), z.fmt(value, dec, False), want)
    same("format single 1e8", z.fmt(1e8, 0, True), "100000000")
    for value, want in ((8.75, "8.75"), (9.0, "9"), (22.5, "22.5")):
        same("thickness text %r" % value, z.plain_thickness(value), want)


def detail_table(ws):
    """The detail rows of a workspace as the CSV gives them back: (axle, row)
    -> key -> single value, read through the writer and the comparison's
    parser."""
    rows, _ = z.detail_rows(ws)
    fields = parse_csv(z.details_csv(rows).encode("latin-1"))
    keys = [key for _, key in z.DETAIL_COLUMNS]
    return dict(((row.axle, row.row), dict(zip(keys, map(z.decimal_to_f32, texts))))
                for row, texts in zip(rows, fields))


def details():
    # The worked rows: 30 kips single and 52 kips tandem with LSF 1.2, no
    # shoulder, dowels.
    t = detail_table(z.Workspace())
    # Tolerances follow the digits the worked values are given to.
    tolerance = dict(l=2e-4, fat=1e-3, ero=1e-2)
    for (axle, row), want in (
            (("single", 1), dict(load=36.0, reps=6257.7, l=38.73, se=393.77, sr=393.77 / 650,
                                 nf=26353.0, fat=23.75, ne=1.4545e6, ero=0.430)),
            (("tandem", 1), dict(load=62.4, reps=21146.8, l=38.73, se=319.66, sr=319.66 / 650,
                                 nf=1.1649e6, fat=1.815, ne=9.212e5, ero=2.296))):
        for key, value in want.items():
            near("detail %s %d %s" % (axle, row, key), t[(axle, row)][key], value,
                 tolerance.get(key, 1e-4))
    for key in ("l", "c1"):
        same("detail %s alike in all rows" % key, len(set(r[key] for r in t.values())), 1)

    # The model edge values at 30 kips single and 52 kips tandem (LSF 1), one
    # workspace per shoulder and joint case; None marks an unlimited fatigue life.
    cases = (
        (False, True, "single", 331.75, 0.5104, 4.775e5, 0.04387, 26.34, 4.270, 26.32, 4.519e6),
        (False, False, "single", 331.75, 0.5104, 4.775e5, 0.05766, 45.50, 4.745, 45.47, 8.518e5),
        (True, True, "single", 272.38, 0.4190, None, 0.02751, 10.36, 3.460, 10.35, 3.628e7),
        (False, False, "tandem", 269.31, 0.4143, None, 0.06545, 58.62, 4.965, 58.57, 4.120e5),
        (True, False, "tandem", 212.77, 0.3273, None, 0.03855, 20.33, 4.046, 20.32, 7.075e5))
    for shoulder, dowels, axle, se, sr, nf, w, pp, ef, c1pp, ne in cases:
        ws = z.Workspace()
        ws.shoulder, ws.dowels, ws.lsf = shoulder, dowels, "1"
        row = detail_table(ws)[(axle, 1)]
        tag = "detail %s %s %s" % (axle, "WS" if shoulder else "NS", "DOW" if dowels else "AGG")
        near(tag + " l", row["l"], 38.73, 2e-4)
        near(tag + " Se", row["se"], se, 5e-5)
        near(tag + " SR", row["sr"], sr, 2e-4)
        if nf is None:
            same(tag + " Nf unlimited", row["nf"], 1e9)
            same(tag + " fatigue % of an unlimited row", row["fat"], 0.0)
        else:
            near(tag + " Nf", row["nf"], nf, 1e-3)
        if shoulder:
            same(tag + " f2 with a shoulder", row["f2"], 1.0)
        else:
            near(tag + " f2", row["f2"], 0.892 + 9.5 / 85.71 - 9.5 ** 2 / 3000, 1e-7)
        near(tag + " f1", row["f1"], (24 / 30.0) ** 0.06 * 30 / 18 if axle == "single"
             else (48 / 52.0) ** 0.06 * 52 / 36, 1e-7)
        near(tag + " Se from its terms", row["se"],
             6 * row["m"] / 9.5 ** 2 * row["f1"] * row["f2"] * 0.894 * 0.953, 1e-6)
        near(tag + " w", row["w"], w, 2e-4)
        near(tag + " P'", row["pp"], pp, 3e-4)
        near(tag + " EF", row["ef"], ef, 2e-4)
        near(tag + " C1*P'", row["c1"] * row["pp"], c1pp, 3e-4)
        near(tag + " C1", row["c1"], 1 - (130 / 2000 * 4 / 9.5) ** 2, 1e-7)
        near(tag + " Ne", row["ne"], ne, 1e-3)

    # Metric: the values are in model units, the load in kips, Se in psi.
    ws = z.Workspace()
    ws.unit = z.METRIC
    ws.h, ws.k, ws.sc = "24.13", "35.23", "4478.5"
    ws.single_load[0] = "80"
    row = detail_table(ws)[("single", 1)]
    near("metric detail load", row["load"], 96 / 4.45, 1e-6)
    near("metric detail l", row["l"], 38.73, 2e-4)
    near("metric detail SR in psi over psi", row["sr"], row["se"] / (4478.5 / 6.89), 1e-6)


def number_texts():
    # Shortest texts as std::to_chars writes a float.
    for value, want in ((393.7723, "393.7723"), (1e9, "1e+09"), (0.15, "0.15"),
                        (26353.46, "26353.46"), (1.2e-5, "1.2e-05"), (1e8, "1e+08"),
                        (100.0, "100"), (123456789.0, "123456792"), (-0.0, "-0"),
                        (1e-45, "1e-45"), (3.4028235e38, "3.4028235e+38"), (-69405608, "-69405608")):
        same("shortest text of %r" % value, z.shortest_text(z.f32(value)), want)
    # Decimal texts are rounded once to single, halves to even.
    for text, want in (("1.000000059604644775390625", 1.0),
                       ("1.0000000596046447753906251", 1.0000001192092896),
                       ("1e+09", 1e9), ("1000000000", 1e9), ("-0", -0.0),
                       ("3.4028235677973366e38", 3.4028234663852886e38)):
        same("single of %r" % text, z.decimal_to_f32(text), want)


def csv_layout():
    rows, _ = z.detail_rows(z.Workspace())
    good = z.details_csv(rows)
    lines = good.split("\r\n")[:-1]
    swapped = lines[:3] + [lines[4], lines[3]] + lines[5:]
    for name, text in (
            ("lines ended by LF", good.replace("\r\n", "\n")),
            ("last line without CR LF", good[:-2]),
            ("a lone LF inside", good.replace(",", "\n", 1)),
            ("a row missing", "".join(l + "\r\n" for l in lines[:-1])),
            ("header changed", good.replace("power P'", "power P", 1)),
            ("rows swapped", "".join(l + "\r\n" for l in swapped)),
            ("tandem rows first", "".join(l + "\r\n" for l in lines[:1] + lines[11:] + lines[1:11])),
            ("a field missing", good.replace(",0.43022385", "", 1))):
        try:
            parse_csv(text.encode("latin-1"))
            failures.append("malformed CSV accepted: " + name)
        except Malformed:
            pass
    same("well-formed CSV", len(parse_csv(good.encode("latin-1"))), 20)


def main():
    models()
    projection()
    worked_rows()
    metric()
    texts()
    details()
    number_texts()
    csv_layout()
    for f in failures:
        print("FAIL " + f)
    print("%d failures" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
