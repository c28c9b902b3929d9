#!/usr/bin/env python3
"""Independent reference implementation of the headless ZAN Thickness Design.

It mirrors the `zan-report` tool: read a .DEF input file into a fresh
workspace, run one analysis command and print the report text exactly as the
report box would hold it.  It exists so that the C++ engine can be compared
against a second, separately written implementation, digit for digit.

    python3 zan_reference.py [--fatigue | --erosion | --both | --design | --inputs
                              | --details] FILE.DEF

--details writes, instead of the report, the stored values of every axle row
of a Both run as CSV (see details_csv).

Exit status: 0 done, 2 wrong usage, 3 not a ZAN data file, 4 file unreadable
or too short, 5 the analysis refused its inputs, 6 the thickness search found
no passing slab up to 50 in / 127 cm.

Only the Python standard library is used.  The engine stores its analysis
values in single precision and computes in double precision in between; the
helper `f32` emulates each such store.
"""

import math
import re
import struct
import sys
from decimal import Decimal, ROUND_CEILING, ROUND_FLOOR, ROUND_HALF_UP, Context, localcontext
from fractions import Fraction

ENGLISH = 0
METRIC = 1

EXIT_OK = 0
EXIT_USAGE = 2
EXIT_NOT_ZAN = 3
EXIT_READ = 4
EXIT_REFUSED = 5
EXIT_NO_THICKNESS = 6

CRLF = "\r\n"


# ---------------------------------------------------------------------------
# Single precision
# ---------------------------------------------------------------------------

def f32(x):
    """Round a double to the nearest single-precision value (as a double).

    Values beyond the single range become infinities, as an IEEE store does.
    """
    try:
        return struct.unpack("<f", struct.pack("<f", x))[0]
    except OverflowError:
        return math.copysign(math.inf, x)


# Constants the engine holds in single precision.
POISSON = f32(0.15)
F4 = f32(0.953)
SR_HIGH = f32(0.55)
SR_LOW = f32(0.45)
LN10 = math.log(10.0)

UNLIMITED = 1e9          # what a curve returns when it gives no limit
UNLIMITED_FROM = 1e8     # allowables from here on count as unlimited


class Refused(Exception):
    """The analysis cannot be run on these inputs (zero load, overflow, ...)."""


def store(x):
    """Single-precision store of an analysis value; a non-finite value means
    the inputs were outside what the models can handle."""
    y = f32(x)
    if math.isnan(y) or math.isinf(y):
        raise Refused("a computed value is not finite")
    return y


def pw(base, expo):
    """base ** expo with IEEE failure turned into a refusal.

    math.pow raises where C would return an infinity or NaN; every such case
    ends in a non-finite stored value, so refusing right here is the same."""
    try:
        return math.pow(base, expo)
    except (OverflowError, ValueError):
        raise Refused("power out of range")


def div(a, b):
    if b == 0:
        raise Refused("division by zero")
    return a / b


def log10(x):
    """Common logarithm the way the engine takes it: ln x / ln 10, stored single."""
    if not x > 0:
        raise Refused("logarithm of a non-positive value")
    return store(math.log(x) / LN10)


# ---------------------------------------------------------------------------
# Number texts
# ---------------------------------------------------------------------------

_HEX = "0123456789abcdefABCDEF"
_OCT = "01234567"
_NUMBER_PREFIX = re.compile(r"[+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[EeDd][+-]?[0-9]+)?")
_NUMBER_TEXT = re.compile(r"[ \t\n]*[+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[EeDd][+-]?[0-9]+)?[ \t\n]*")


def _int_to_float(n):
    try:
        return float(n)
    except OverflowError:
        return math.inf


def parse_number(text):
    """Lenient leading-number parse used for every input text.

    Blanks, tabs and line feeds are ignored wherever they stand; reading stops
    at the first character that cannot continue the number; no number reads
    as 0.  &H / &O introduce hexadecimal / octal digits (unsigned value)."""
    s = "".join(ch for ch in text if ch not in " \t\n")
    if s[:2] in ("&H", "&h", "&O", "&o"):
        alphabet, base = (_HEX, 16) if s[1] in "Hh" else (_OCT, 8)
        i = 2
        while i < len(s) and s[i] in alphabet:
            i += 1
        digits = s[2:i]
        return _int_to_float(int(digits, base)) if digits else 0.0
    m = _NUMBER_PREFIX.match(s)
    if not m:
        return 0.0
    return float(m.group(0).replace("D", "e").replace("d", "e"))


def is_number_text(text):
    """True when the whole text (blanks around it allowed) is one number."""
    return _NUMBER_TEXT.fullmatch(text) is not None


# ---------------------------------------------------------------------------
# Number patterns "0", "0.0", "0.00", "0.000"
# ---------------------------------------------------------------------------

def _shortest_single(v):
    """Shortest decimal text that reads back as the same single value."""
    for p in range(1, 10):
        s = "%.*e" % (p, v)
        if f32(float(s)) == v:
            return s
    return "%.9e" % v


_WIDE = Context(prec=1000)


def fmt(value, decimals, single):
    """Format a value with `decimals` fixed decimals, halves away from zero.

    The value is first written as its shortest round-trip decimal text (as a
    single or as a double), and that text is rounded, so that what is shown
    agrees with the decimal digits a user would see for the value."""
    if math.isnan(value):
        return "NaN"
    if math.isinf(value):
        return "-Infinity" if value < 0 else "Infinity"
    mag = abs(value)
    text = _shortest_single(mag) if single else repr(mag)
    with localcontext(_WIDE):
        d = Decimal(text).quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_UP)
        out = format(d, "f")
    if out.startswith("-"):
        out = out[1:]
    return ("-" + out) if value < 0 else out


def fmt_text(text, decimals):
    """An axle-dialog text: formatted when it is a number text, else as is. A number too
    large for a double is shown as typed too."""
    if is_number_text(text):
        value = parse_number(text)
        if math.isfinite(value):
            return fmt(value, decimals, single=False)
    return text


def fmt_input(text, decimals):
    """An inputs-section value: its leading number, or the text as typed when that number
    is too large for a double."""
    value = parse_number(text)
    return fmt(value, decimals, single=False) if math.isfinite(value) else text


def field(text, width):
    """Right-align in a field; a longer text is kept whole."""
    return text.rjust(width)


def plain_thickness(h):
    """A thickness as the search writes it back: up to 7 significant digits,
    no trailing zeros, no exponent."""
    with localcontext(_WIDE):
        d = Decimal("%.7g" % h)
        out = format(d, "f")
    if "." in out:
        out = out.rstrip("0").rstrip(".")
    if out in ("-0", ""):
        out = "0"
    return out


# ---------------------------------------------------------------------------
# Workspace (what the three input dialogs hold)
# ---------------------------------------------------------------------------

class Workspace:
    def __init__(self):
        self.unit = ENGLISH
        self.labels_switched = False   # a unit marker was read from a file
        self.h = "9.5"
        self.k = "130"
        self.sc = "650"
        self.shoulder = False          # concrete shoulder present
        self.dowels = True             # doweled joints
        self.adt = "12900"
        self.td = "19"
        self.grow = "4"
        self.dd = "50"
        self.ld = "81"
        self.lsf = "1.2"
        self.years = "20"
        self.single_load = [str(30 - 2 * i) for i in range(10)]
        self.single_count = ["0.58", "1.35", "2.77", "5.92", "9.83",
                             "21.67", "28.24", "38.83", "53.94", "168.84"]
        self.tandem_load = [str(52 - 4 * i) for i in range(10)]
        self.tandem_count = ["1.96", "3.94", "11.48", "34.27", "81.42",
                             "85.50", "152.21", "90.52", "112.78", "124.63"]

    # Captions as the dialogs show them.  A unit marker read from a data file
    # re-sets them through the caption procedures, which spell K in capitals.
    def caption_h(self):
        return "Trial Thickness, h (cm)" if self.unit == METRIC else "Trial Thickness, h (in)"

    def caption_k(self):
        letter = "K" if self.labels_switched else "k"
        unit = "kPa/mm" if self.unit == METRIC else "psi/in"
        return "Subgrade Modulus, %s (%s)" % (letter, unit)

    def caption_sc(self):
        return "Modulus of Rupture, Sc (kPa)" if self.unit == METRIC else "Modulus of Rupture, Sc (psi)"

    def caption_axle(self):
        return "Axle Load (kN)" if self.unit == METRIC else "Axle Load (kips)"


# ---------------------------------------------------------------------------
# .DEF reading
# ---------------------------------------------------------------------------

class ReadFailure(Exception):
    def __init__(self, status, message=None):
        Exception.__init__(self, status)
        self.status = status
        self.message = message


class _Scanner:
    """Line and field reader over the file's characters.

    A line ends at CR LF, a lone CR or a lone LF; the terminator is not part
    of the line."""

    def __init__(self, text):
        self.t = text
        self.pos = 0

    def at_end(self):
        return self.pos >= len(self.t)

    def _eat_line_end(self):
        t = self.t
        if self.pos < len(t) and t[self.pos] == "\r":
            self.pos += 1
            if self.pos < len(t) and t[self.pos] == "\n":
                self.pos += 1
        elif self.pos < len(t) and t[self.pos] == "\n":
            self.pos += 1

    def _find(self, stops):
        t = self.t
        i = self.pos
        while i < len(t) and t[i] not in stops:
            i += 1
        return i

    def line(self):
        if self.at_end():
            raise ReadFailure(EXIT_READ)
        end = self._find("\r\n")
        s = self.t[self.pos:end]
        self.pos = end
        self._eat_line_end()
        return s

    def field(self):
        """One comma/quote field; its delimiter (a comma or a line end) is
        consumed with it, so the fields run on across lines."""
        t = self.t
        while self.pos < len(t) and t[self.pos] == " ":
            self.pos += 1
        if self.at_end():
            raise ReadFailure(EXIT_READ)
        if t[self.pos] == '"':
            self.pos += 1
            end = self._find('"\r\n')
            s = t[self.pos:end]
            self.pos = end
            if self.pos < len(t) and t[self.pos] == '"':
                self.pos += 1
                self.pos = self._find(",\r\n")
                if self.pos < len(t) and t[self.pos] == ",":
                    self.pos += 1
                    return s
            self._eat_line_end()
            return s
        end = self._find(",\r\n")
        s = t[self.pos:end].rstrip(" ")
        self.pos = end
        if self.pos < len(t) and t[self.pos] == ",":
            self.pos += 1
        else:
            self._eat_line_end()
        return s


def read_def(data):
    """Read a data file (bytes) into a fresh workspace.

    Returns the workspace, or raises ReadFailure.  The file is applied only
    when it was read completely."""
    sc = _Scanner(data.decode("latin-1"))
    ws = Workspace()
    first = sc.line()
    sc.line()
    if sc.line() != "***ZAN***":
        raise ReadFailure(EXIT_NOT_ZAN, "Incorrect Input File!")
    sc.line()
    h, k, s = sc.line(), sc.line(), sc.line()
    sc.line()
    shoulder = sc.line() == "Yes"
    dowels = sc.line() == "Yes"
    sc.line()
    adt, td, grow, dd, ld, lsf, years = [sc.line() for _ in range(7)]
    sc.line()
    rows = [[sc.field() for _ in range(4)] for _ in range(10)]

    # A byte-order mark before the marker and blanks after it are an editor's, not the file's.
    if first.startswith("\xef\xbb\xbf"):
        first = first[3:]
    first = first.rstrip(" \t")
    if first == "****ENG****":
        ws.unit = ENGLISH
        ws.labels_switched = True
    elif first == "****SI****":
        ws.unit = METRIC
        ws.labels_switched = True
    else:
        ws.unmarked = True
    ws.h, ws.k, ws.sc = h, k, s
    ws.shoulder, ws.dowels = shoulder, dowels
    ws.adt, ws.td, ws.grow, ws.dd, ws.ld, ws.lsf, ws.years = adt, td, grow, dd, ld, lsf, years
    ws.single_load = [r[0] for r in rows]
    ws.single_count = [r[1] for r in rows]
    ws.tandem_load = [r[2] for r in rows]
    ws.tandem_count = [r[3] for r in rows]
    return ws


# ---------------------------------------------------------------------------
# Engineering models (all arguments in inches, psi/in, psi, kips)
# ---------------------------------------------------------------------------

E_CONCRETE = 4000000.0

DEFLECTION_SHAPE = {
    ("SA", "NS", "DOW"): (-0.3019, 128.85, 1105.8, 3269.1),
    ("SA", "NS", "AGG"): (1.571, 46.127, 4372.7, -22886.0),
    ("SA", "WS", "DOW"): (0.018, 72.99, 323.1, 1620.0),
    ("SA", "WS", "AGG"): (0.5874, 65.108, 1130.9, -5245.8),
    ("TA", "NS", "DOW"): (1.258, 97.491, 1484.1, -180.0),
    ("TA", "NS", "AGG"): (1.847, 213.68, -1260.8, 22989.0),
    ("TA", "WS", "DOW"): (0.0345, 146.25, -2385.6, 23848.0),
    ("TA", "WS", "AGG"): (1.47, 102.2, -1072.0, 14451.0),
}


def radius_of_stiffness(h, k):
    num = E_CONCRETE * pw(h, 3)
    den = 12.0 * (1.0 - pw(POISSON, 2)) * k
    return store(pw(div(num, den), 0.25))


def stress_terms(h, k, p, axle, shoulder):
    """The stored terms of the stress model: (l, f1, M, f2, Se)."""
    l = radius_of_stiffness(h, k)
    if axle == "SA":
        f1 = store(pw(div(24.0, p), 0.06) * (p / 18.0))
    else:
        f1 = store(pw(div(48.0, p), 0.06) * (p / 36.0))
    if shoulder == "NS":
        if axle == "SA":
            m = store(-1600.0 + 2525.0 * log10(l) + 24.42 * l + 0.204 * pw(l, 2))
        else:
            m = store(3029.0 - 2966.8 * log10(l) + 133.69 * l - 0.0632 * pw(l, 2))
        f2 = store(0.892 + h / 85.71 - pw(h, 2) / 3000.0)
    else:
        support = 0.8742 + 0.01088 * pw(k, 0.447)
        if axle == "SA":
            m = store((-970.4 + 1202.6 * log10(l) + 53.587 * l) * support)
        else:
            m = store((2005.4 - 1980.9 * log10(l) + 99.008 * l) * support)
        f2 = store(1.0)
    se = store(div(6.0 * m, pw(h, 2)) * f1 * f2 * 0.894 * F4)
    return l, f1, m, f2, se


def equivalent_stress(h, k, p, axle, shoulder):
    return stress_terms(h, k, p, axle, shoulder)[4]


def stress_ratio(se, sc):
    return store(div(se, sc))


def fatigue_allowable(se, sc):
    sr = stress_ratio(se, sc)
    if sr >= SR_HIGH:
        return store(pw(10.0, 11.737 - 12.077 * sr))
    if sr > SR_LOW:
        return store(pw(4.2577 / (sr - 0.4325), 3.268))
    return store(UNLIMITED)


def slab_deflection(h, k, p, axle, shoulder, joints):
    l = radius_of_stiffness(h, k)
    load = p / 18.0 if axle == "SA" else p / 36.0
    ws = "WS" if shoulder != "NS" else "NS"
    jt = "AGG" if joints == "AGG" else "DOW"
    if jt != "AGG":
        foundation = div(1.0, k)
    elif ws == "NS":
        foundation = div(0.95, k)
    else:
        foundation = div(1.001 - pw(0.26363 - k / 3034.5, 2), k)
    a0, a1, a2, a3 = DEFLECTION_SHAPE[(axle, ws, jt)]
    shape = a0 + div(a1, l) + div(a2, pw(l, 2)) + div(a3, pw(l, 3))
    c = 0.896 if shoulder == "NS" else 1.0
    return store(c * load * foundation * shape)


def erosion_power(h, k, p, axle, shoulder, joints):
    w = slab_deflection(h, k, p, axle, shoulder, joints)
    return store(div(268.7 * pw(k * w, 2), h * pw(k, 0.73)))


def _c1(h, k):
    return store(1.0 - pw(div(k / 2000.0 * 4.0, h), 2))


def erosion_factor(h, k, p, axle, shoulder, joints):
    # The power evaluates the deflection afresh; nothing is cached.
    c1 = _c1(h, k)
    pp = erosion_power(h, k, p, axle, shoulder, joints)
    return store(log10(div(11111.0 * pw(0.896 * pp, 2) * c1, h * pw(k, 0.73))))


def erosion_allowable(h, k, p, axle, shoulder, joints):
    c1 = _c1(h, k)
    pp = erosion_power(h, k, p, axle, shoulder, joints)
    c2 = 0.06 if shoulder == "NS" else 0.94
    # The product is compared as a single value; the exponent then uses the
    # double product.
    if f32(c1 * pp) <= 9.0:
        return store(UNLIMITED)
    return store(pw(10.0, 14.524 - 6.777 * pw(c1 * pp - 9.0, 0.103)) / c2)


# ---------------------------------------------------------------------------
# Damage analysis
# ---------------------------------------------------------------------------

class Results:
    def __init__(self):
        self.fatigue = False
        self.erosion = False
        zero = lambda: [[0.0] * 10, [0.0] * 10]
        self.load = zero()
        self.reps = zero()
        self.stress = zero()
        self.fat_allow = zero()
        self.fat_damage = zero()
        self.total_fatigue = 0.0
        self.factor = zero()
        self.power = zero()
        self.ero_allow = zero()
        self.ero_damage = zero()
        self.total_erosion = 0.0
        self.model_inputs = None


def run_analysis(ws, h, fatigue, erosion):
    """One damage analysis of thickness h (single, displayed unit).

    Returns fresh Results or raises Refused.  Zero or negative slab values or
    loads are refused before any model sees them."""
    res = Results()
    res.fatigue, res.erosion = fatigue, erosion
    pn = parse_number
    ld = pn(ws.ld) / 100.0
    dd = pn(ws.dd) / 100.0
    i = pn(ws.grow) / 100.0
    h = store(h)
    k = store(pn(ws.k))
    sc = store(pn(ws.sc))
    if ws.unit == METRIC:
        h = store(h / 2.54)
        k = store(k / 0.271)
        sc = store(sc / 6.89)
    if not (h > 0 and k > 0 and sc > 0):
        raise Refused("slab thickness, subgrade modulus and modulus of rupture must be positive")
    lsf = store(pn(ws.lsf))
    years = store(pn(ws.years))
    t = store(pn(ws.adt) * pn(ws.td) / 100.0)
    if i <= -1.0:
        raise Refused("the growth rate must be above -100 %")
    # The sum of (1 + i)^t over the design period; below 0.0001 % its series, since the
    # quotient cancels away its digits there.
    if i == 0.0:
        gf = years
    elif abs(i) < 1e-6:
        gf = years + years * (years - 1.0) * i / 2.0
    else:
        gf = (pw(1.0 + i, years) - 1.0) / i
    n1000 = store(ld * (t * 365.0) * dd * gf / 1000.0)
    counts = (ws.single_count, ws.tandem_count)
    texts = (ws.single_load, ws.tandem_load)
    for r in range(10):
        for a in (0, 1):
            res.load[a][r] = store(pn(texts[a][r]) * lsf)
        if ws.unit == METRIC:
            for a in (0, 1):
                res.load[a][r] = store(res.load[a][r] / 4.45)
        for a in (0, 1):
            res.reps[a][r] = store(pn(counts[a][r]) * n1000)
    for a in (0, 1):
        for r in range(10):
            if not res.load[a][r] > 0:
                raise Refused("every axle load must be positive")
    # Negative traffic or counts (possible only through a data file) would give negative
    # damage that offsets real damage in the totals.
    if pn(ws.adt) < 0 or pn(ws.td) < 0 or pn(ws.dd) < 0 or pn(ws.ld) < 0 or years < 0:
        raise Refused("traffic values must not be negative")
    if any(pn(c[r]) < 0 for c in counts for r in range(10)):
        raise Refused("axle counts must not be negative")

    shoulder = "NS" if not ws.shoulder else "WS"
    joints = "DOW" if ws.dowels else "AGG"
    axles = ("SA", "TA")
    # What the models were given, in model units, for the per-row details.
    res.model_inputs = (h, k, sc, shoulder, joints)

    if fatigue:
        for r in range(10):
            for a in (0, 1):
                res.stress[a][r] = equivalent_stress(h, k, res.load[a][r], axles[a], shoulder)
        total = 0.0
        for a in (0, 1):
            for r in range(10):
                allow = fatigue_allowable(res.stress[a][r], sc)
                res.fat_allow[a][r] = allow
                res.fat_damage[a][r] = _damage(res.reps[a][r], allow)
                total = store(total + res.fat_damage[a][r])
        res.total_fatigue = total

    if erosion:
        for r in range(10):
            args = [(h, k, res.load[a][r], axles[a], shoulder, joints) for a in (0, 1)]
            for a in (0, 1):
                res.factor[a][r] = erosion_factor(*args[a])
            for a in (0, 1):
                res.ero_allow[a][r] = erosion_allowable(*args[a])
            for a in (0, 1):
                res.power[a][r] = erosion_power(*args[a])
        total = 0.0
        for a in (0, 1):
            for r in range(10):
                res.ero_damage[a][r] = _damage(res.reps[a][r], res.ero_allow[a][r])
                total = store(total + res.ero_damage[a][r])
        res.total_erosion = total
    return res


def _damage(expected, allowable):
    if allowable >= UNLIMITED_FROM:
        return 0.0
    if allowable == 0:
        raise Refused("allowable repetitions of zero")
    return store(expected / allowable * 100.0)


# ---------------------------------------------------------------------------
# Report
# ---------------------------------------------------------------------------

B10 = " " * 10
STAR48 = B10 + "*" * 48
STAR68 = B10 + "*" * 68


def report_lines(ws, res):
    pn = parse_number
    metric = ws.unit == METRIC
    out = ["", "", STAR48,
           B10 + "            ZAN  Thickness  Design",
           B10 + "               Original  Data",
           STAR48, ""]
    out.append(B10 + ws.caption_h() + " = " + fmt_input(ws.h, 2))
    out.append(B10 + ws.caption_k() + " = " + fmt_input(ws.k, 0))
    out.append(B10 + ws.caption_sc() + " = " + fmt_input(ws.sc, 0))
    out.append("")
    out.append(B10 + "Concrete Shoulder" + " : " + ("Yes" if ws.shoulder else "No"))
    out.append(B10 + "Doweled Joints" + " : " + ("Yes" if ws.dowels else "No"))
    out.append("")
    for caption, text, dec in (
            ("Average Daily Traffic, ADT", ws.adt, 0),
            ("Proportion of Trucks,%", ws.td, 0),
            ("Annual Growth Rate, %", ws.grow, 0),
            ("Direction Distribution,%", ws.dd, 0),
            ("Lane Distribution,%", ws.ld, 0),
            ("Design Period, Years", ws.years, 0),
            ("Load Safety Factor, LSF", ws.lsf, 2)):
        out.append(B10 + caption + " = " + fmt_input(text, dec))
    out.append("")
    out.append(" " * 12 + ws.caption_axle() + " " * 6 + ws.caption_axle())
    out.append(" " * 12 + "Single" + "   " + "Axle/1000" + "    " + "Tandem" + "   " + "Axle/1000")
    for i in range(10):
        out.append(B10 + field(fmt_text(ws.single_load[i], 1), 6)
                   + "   " + field(fmt_text(ws.single_count[i], 2), 8)
                   + "     " + field(fmt_text(ws.tandem_load[i], 1), 6)
                   + "   " + field(fmt_text(ws.tandem_count[i], 2), 8))
    out.append(STAR48)

    load_head = "Load, kN  " if metric else "Load, kips"
    load_texts = (ws.single_load, ws.tandem_load)
    titles = ("Dual-Single", "Dual-Tandem")

    def allowable(v):
        return field("Unlimited" if v >= UNLIMITED_FROM else fmt(v, 0, True), 12)

    if res.fatigue:
        sc_entered = pn(ws.sc)
        if sc_entered == 0:
            raise Refused("modulus of rupture of zero")
        out += ["", "", B10 + "                       Fatigue Analysis Solutions", STAR68,
                B10 + "    Axle  " + "    Expected " + "   Equivalent" + "  Stress"
                + "   Allowable " + "  Fatigue",
                B10 + load_head + "  Repetitions"
                + ("  Stress, kPa" if metric else "  Stress, psi")
                + "  Ratio" + "   Repetitions" + "     %",
                STAR68]
        for a in (0, 1):
            out.append("")
            out.append(B10 + titles[a])
            for r in range(10):
                se = res.stress[a][r]
                if metric:
                    shown, single = se * 6.89, False
                else:
                    shown, single = se, True
                ratio = shown / sc_entered
                out.append(B10 + field(fmt_text(load_texts[a][r], 1), 6)
                           + " " * 5 + field(fmt(res.reps[a][r], 0, True), 12)
                           + " " * 5 + field(fmt(shown, 1, single), 7)
                           + " " * 4 + field(fmt(ratio, 3, False), 2)
                           + " " * 2 + allowable(res.fat_allow[a][r])
                           + " " + field(fmt(res.fat_damage[a][r], 1, True), 6))
        out += ["", STAR68, "",
                " " * 50 + "         Sum =  " + field(fmt(res.total_fatigue, 1, True), 9)]
        if res.total_fatigue > 100:
            out += ["", " " * 40 + "The fatigue damage exceeds 100%."]

    if res.erosion:
        out += ["", "", B10 + "                       Erosion Analysis Solutions", STAR68,
                B10 + "    Axle  " + "    Expected " + "   Erosion  " + "    Power "
                + "   Allowable " + "  Erosion",
                B10 + load_head + "  Repetitions" + "   Factor   " + " " * 10
                + "  Repetitions" + "     %",
                STAR68]
        for a in (0, 1):
            out.append("")
            out.append(B10 + titles[a])
            for r in range(10):
                out.append(B10 + field(fmt_text(load_texts[a][r], 1), 6)
                           + " " * 5 + field(fmt(res.reps[a][r], 0, True), 12)
                           + " " * 4 + field(fmt(res.factor[a][r], 2, True), 6)
                           + " " * 4 + field(fmt(res.power[a][r], 3, True), 7)
                           + " " * 2 + allowable(res.ero_allow[a][r])
                           + " " + field(fmt(res.ero_damage[a][r], 1, True), 6))
        out += ["", STAR68, "",
                " " * 50 + "         Sum =  " + field(fmt(res.total_erosion, 1, True), 9)]
        if res.total_erosion > 100:
            out += ["", " " * 54 + "The erosion damage exceeds 100%."]
    return out


# ---------------------------------------------------------------------------
# Per-row details: every stored value of one Both run, as CSV
# ---------------------------------------------------------------------------

AXLE_WORDS = ("single", "tandem")

# (CSV heading, key) for the numeric columns, in file order.
DETAIL_COLUMNS = (
    ("design load (kips)", "load"),
    ("expected repetitions", "reps"),
    ("radius of relative stiffness (in)", "l"),
    ("load factor f1", "f1"),
    ("moment term M", "m"),
    ("factor f2", "f2"),
    ("equivalent stress Se (psi)", "se"),
    ("stress ratio", "sr"),
    ("allowable fatigue repetitions", "nf"),
    ("fatigue %", "fat"),
    ("deflection w (in)", "w"),
    ("power P'", "pp"),
    ("factor C1", "c1"),
    ("erosion factor", "ef"),
    ("allowable erosion repetitions", "ne"),
    ("erosion %", "ero"),
)
DETAIL_HEADER = "axle,row," + ",".join(name for name, _ in DETAIL_COLUMNS)


class DetailRow:
    """One axle row of a Both run; every number is a single-precision value."""

    def __init__(self, axle, row, values):
        self.axle = axle        # "single" or "tandem"
        self.row = row          # 1 to 10
        self.values = values    # key of DETAIL_COLUMNS -> float

    def __getitem__(self, key):
        return self.values[key]


def detail_rows(ws):
    """The twenty rows (single 1-10, then tandem 1-10) of a Both run of the
    trial thickness, or raises Refused like the run itself."""
    res = run_analysis(ws, f32(parse_number(ws.h)), True, True)
    h, k, sc, shoulder, joints = res.model_inputs
    c1 = _c1(h, k)
    rows = []
    for a, axle in enumerate(("SA", "TA")):
        for r in range(10):
            p = res.load[a][r]
            l, f1, m, f2, se = stress_terms(h, k, p, axle, shoulder)
            w = slab_deflection(h, k, p, axle, shoulder, joints)
            # The terms are recomputed from pure functions; they must be the
            # very values the run kept.
            assert se == res.stress[a][r] and erosion_power(h, k, p, axle, shoulder, joints) \
                == res.power[a][r]
            rows.append(DetailRow(AXLE_WORDS[a], r + 1, {
                "load": p, "reps": res.reps[a][r], "l": l, "f1": f1, "m": m, "f2": f2,
                "se": se, "sr": stress_ratio(se, sc), "nf": res.fat_allow[a][r],
                "fat": res.fat_damage[a][r], "w": w, "pp": res.power[a][r], "c1": c1,
                "ef": res.factor[a][r], "ne": res.ero_allow[a][r],
                "ero": res.ero_damage[a][r]}))
    return rows, res


def _f32_bits(x):
    return struct.unpack("<I", struct.pack("<f", x))[0]


def _f32_from_bits(b):
    return struct.unpack("<f", struct.pack("<I", b))[0]


F32_MAX = _f32_from_bits(0x7F7FFFFF)


def decimal_to_f32(text):
    """The single-precision value nearest to a decimal text, rounded once
    (halves to even), so that no double rounding through a double can creep
    in.  Raises ValueError for a text that is not a finite decimal."""
    text = text.strip()
    negative = text.startswith("-")
    # Through a double is exact unless the double lands on a midpoint between
    # two singles (it cannot jump over one): only then round the exact value.
    d = float(text)
    if not math.isfinite(d):
        raise ValueError("not a finite decimal: %r" % text)
    single = f32(d)
    if single == d or math.isinf(single):
        pass
    else:
        bits = _f32_bits(abs(single))
        other = _f32_from_bits(bits + 1 if abs(d) > abs(single) else bits - 1)
        if abs(d) != (abs(single) + other) / 2:
            return single
    exact = Fraction(text)
    mag = abs(exact)
    if mag == 0:
        return -0.0 if negative else 0.0
    # Past the largest single plus half a unit in the last place: infinity.
    if mag >= Fraction(F32_MAX) + Fraction(2) ** 103:
        return -math.inf if negative else math.inf
    guess = min(f32(float(mag)), F32_MAX)
    bits = _f32_bits(guess)
    candidates = [b for b in (bits - 1, bits, bits + 1) if 0 <= b <= 0x7F7FFFFF]
    best = min(candidates,
               key=lambda b: (abs(Fraction(_f32_from_bits(b)) - mag), b & 1))
    value = _f32_from_bits(best)
    return -value if negative else value


def shortest_text(v):
    """A single value as std::to_chars writes a float without a format: the
    fewest significant digits that read back as the same single value (the
    nearest such digits to the value), in fixed or exponent notation, whichever
    is shorter, fixed on a tie (393.7723, 1e+09, 0.15, 1.2e-05); in fixed
    notation a whole number shows all the digits of its exact value."""
    if math.isnan(v) or math.isinf(v):
        return ("-" if v < 0 else "") + ("nan" if math.isnan(v) else "inf")
    sign = "-" if math.copysign(1.0, v) < 0 else ""
    if v == 0:
        return sign + "0"
    mag = abs(v)
    exact = Decimal(mag)
    top = exact.adjusted()
    chosen = None
    for digits in range(1, 10):
        step = Decimal(1).scaleb(top - digits + 1)
        with localcontext(_WIDE):
            near = [exact.quantize(step, rounding=ROUND_FLOOR),
                    exact.quantize(step, rounding=ROUND_CEILING)]
            fits = [c for c in near if c != 0 and decimal_to_f32(str(c)) == mag]
            if fits:
                chosen = min(fits, key=lambda c: (abs(c - exact), c.as_tuple().digits[-1] % 2))
                break
    with localcontext(_WIDE):
        _, ds, exp = chosen.normalize().as_tuple()
    s = "".join(str(d) for d in ds)
    e = len(s) - 1 + exp            # value = s[0].s[1:] x 10^e
    sci = s[0] + ("." + s[1:] if len(s) > 1 else "") + "e" + ("-" if e < 0 else "+") \
        + "%02d" % abs(e)
    if e >= len(s) - 1:
        # A whole number in fixed notation is written with the exact digits
        # of its binary value (123456792, not 123456790).
        fixed = str(int(mag))
    elif e >= 0:
        fixed = s[:e + 1] + "." + s[e + 1:]
    else:
        fixed = "0." + "0" * (-e - 1) + s
    return sign + (fixed if len(fixed) <= len(sci) else sci)


def details_csv(rows):
    """The CSV text of the detail rows: header and one line per row, CR LF."""
    lines = [DETAIL_HEADER]
    for row in rows:
        lines.append(",".join([row.axle, str(row.row)]
                              + [shortest_text(row[key]) for _, key in DETAIL_COLUMNS]))
    return "".join(line + CRLF for line in lines)


# ---------------------------------------------------------------------------
# Commands
# ---------------------------------------------------------------------------

MODES = ("--fatigue", "--erosion", "--both", "--design", "--inputs", "--details")
USAGE = ("usage: zan_reference.py [--fatigue | --erosion | --both | --design | --inputs"
         " | --details] FILE.DEF")


def _encode(lines):
    return "".join(line + CRLF for line in lines).encode("latin-1")


def design_search(ws):
    """Thinnest passing thickness on the grid anchored at the whole-number
    part of the trial thickness.  Returns (h, results) or an exit status."""
    metric = ws.unit == METRIC
    step = 0.5 if metric else 0.25
    ceiling = 127.0 if metric else 50.0

    def passes(r):
        return r.total_fatigue < 100 and r.total_erosion < 100

    start = parse_number(ws.h)
    h = f32(math.floor(start)) if math.isfinite(start) else f32(start)
    # A start above the ceiling walks down from the ceiling: every practical slab passes
    # there, and walking down from an absurd start would take millions of runs.
    if math.isfinite(h) and h > ceiling:
        h = f32(ceiling)
    try:
        res = run_analysis(ws, h, True, True)
    except Refused:
        return EXIT_REFUSED
    if passes(res):
        last = h
        while True:
            nxt = f32(h - step)
            # No grid value left above zero (or the value no longer moves):
            # the last passing one is the answer.
            if nxt <= 0 or nxt == h:
                break
            try:
                r = run_analysis(ws, nxt, True, True)
            except Refused:
                break
            if not passes(r):
                break
            last = h = nxt
        h = last
        res = run_analysis(ws, h, True, True)
        return h, res
    while True:
        nxt = f32(h + step)
        if nxt > ceiling or nxt == h:
            return EXIT_NO_THICKNESS
        h = nxt
        try:
            res = run_analysis(ws, h, True, True)
        except Refused:
            return EXIT_REFUSED
        if passes(res):
            return h, res


# ---------------------------------------------------------------------------
# Typical ranges: the bounds the input dialogs' OK applies, as they write them
# ---------------------------------------------------------------------------

# (attribute, caption or None for the pavement's own, English bounds, Metric bounds)
RANGES = [
    ("h", None, ("4", "20"), ("10.16", "50.8")),
    ("k", None, ("20", "1000"), ("5.42", "271")),
    ("sc", None, ("400", "2000"), ("2756", "13780")),
    ("adt", "Average Daily Traffic, ADT", ("1", "1000000"), None),
    ("td", "Proportion of Trucks,%", ("0", "100"), None),
    ("dd", "Direction Distribution,%", ("0", "100"), None),
    ("ld", "Lane Distribution,%", ("0", "100"), None),
    ("grow", "Annual Growth Rate, %", ("0", "100"), None),
    ("years", "Design Period, Years", ("1", "50"), None),
    ("lsf", "Load Safety Factor, LSF", ("1", "1.3"), None),
]
AXLE_RANGES = [
    ("single_load", "Single Axle Load", ("2", "100"), ("8.9", "445")),
    ("single_count", "Single Axles per 1000 Trucks", ("0", "10000"), None),
    ("tandem_load", "Tandem Axle Load", ("4", "200"), ("17.8", "890")),
    ("tandem_count", "Tandem Axles per 1000 Trucks", ("0", "10000"), None),
]


def significant(value, digits):
    """Plain decimal text of a value rounded to `digits` significant digits, without
    trailing zeros or exponent (what the warnings say a text is read as)."""
    if math.isnan(value):
        return "NaN"
    if math.isinf(value):
        return "-Overflow" if value < 0 else "Overflow"
    if value == 0:
        return "0"
    with localcontext(_WIDE):
        out = format(Decimal("%.*e" % (digits - 1, value)), "f")
    if "." in out:
        out = out.rstrip("0").rstrip(".")
    return out


def input_warnings(ws, path):
    """For each input in table order: a text that is not one whole number is read as its
    leading number (no warning when the axle load and count beside it are both empty), and
    a value outside its typical range."""
    def check(caption, text, english, metric, empty_pair=False):
        value = parse_number(text)
        if not is_number_text(text) and not empty_pair:
            lines.append('zan-report: warning: %s: %s = "%s" is read as %s'
                         % (path, caption, text, significant(value, 15)))
        low, high = metric if (metric and ws.unit == METRIC) else english
        if not f32(float(low)) <= f32(value) <= f32(float(high)):
            lines.append("zan-report: warning: %s: %s = %s is outside the typical range %s to %s"
                         % (path, caption, text, low, high))

    lines = []
    own = {"h": ws.caption_h(), "k": ws.caption_k(), "sc": ws.caption_sc()}
    for name, caption, english, metric in RANGES:
        check(caption or own[name], getattr(ws, name), english, metric)
    for row in range(10):
        for name, caption, english, metric in AXLE_RANGES:
            unit = (" (kN)" if ws.unit == METRIC else " (kips)") if metric else ""
            axle = name.split("_")[0]
            pair = (getattr(ws, axle + "_load")[row], getattr(ws, axle + "_count")[row])
            check("%s, row %d%s" % (caption, row + 1, unit), getattr(ws, name)[row], english,
                  metric, all(t.strip(" \t\n") == "" for t in pair))
    return lines


def run(argv):
    """Run the tool on an argument list (without the program name).

    Returns (stdout bytes, stderr lines, exit status)."""
    if len(argv) == 1 and not argv[0].startswith("--"):
        mode, path = "--both", argv[0]
    elif len(argv) == 2 and argv[0] in MODES:
        mode, path = argv
    else:
        return b"", [USAGE], EXIT_USAGE
    try:
        with open(path, "rb") as fh:
            data = fh.read()
    except OSError as exc:
        return b"", ["cannot read %s: %s" % (path, exc.strerror)], EXIT_READ
    try:
        ws = read_def(data)
    except ReadFailure as exc:
        return b"", [said(path, exc.message)] if exc.message else [], exc.status

    # Said before the command runs, in this order: an unmarked first line, then the inputs
    # not read as written or outside their typical ranges.
    warnings = []
    if getattr(ws, "unmarked", False):
        warnings.append("zan-report: warning: %s: The first line of %s is neither ****ENG**** "
                        "nor ****SI****: its inputs were read in %s units, the unit system in "
                        "force. Check them before analysing."
                        % (path, path, "Metric" if ws.unit == METRIC else "English"))
    warnings += input_warnings(ws, path)
    messages = []
    try:
        if mode == "--details":
            rows, res = detail_rows(ws)
            # Refused exactly where the Both report would be.
            report_lines(ws, res)
            return details_csv(rows).encode("latin-1"), warnings, EXIT_OK
        if mode == "--inputs":
            res = Results()
        elif mode == "--design":
            found = design_search(ws)
            if found == EXIT_REFUSED:
                return b"", ["The analysis cannot run on these inputs."], EXIT_REFUSED
            if found == EXIT_NO_THICKNESS:
                return b"", ["No passing slab thickness up to the largest one searched."], \
                    EXIT_NO_THICKNESS
            h, res = found
            ws.h = plain_thickness(h)
            messages.append("The Recommended Minimum Slab Thickness is :  " + fmt(h, 2, True)
                            + ("  cm." if ws.unit == METRIC else "  in."))
        else:
            fatigue = mode in ("--fatigue", "--both")
            erosion = mode in ("--erosion", "--both")
            h = f32(parse_number(ws.h))
            res = run_analysis(ws, h, fatigue, erosion)
            if fatigue and res.total_fatigue > 100:
                messages.append("The fatigue damage exceeds 100%.")
            if erosion and res.total_erosion > 100:
                messages.append("The erosion damage exceeds 100%.")
        lines = report_lines(ws, res)
    except Refused:
        return b"", ["The analysis cannot run on these inputs."], EXIT_REFUSED
    return _encode(lines), warnings + [said(path, m) for m in messages], EXIT_OK


def said(path, message):
    """A message line on standard error: the program, then the file unless it names it."""
    return "zan-report: " + ("" if path in message else path + ": ") + message


def main():
    out, err, status = run(sys.argv[1:])
    sys.stdout.buffer.write(out)
    sys.stdout.flush()
    for line in err:
        sys.stderr.write(line + "\n")
    return status


if __name__ == "__main__":
    sys.exit(main())
