#!/usr/bin/env python3
"""Checks the user guide against the program.

    check_guide.py texts GUIDE LIST        every text of LIST appears verbatim in GUIDE
    check_guide.py sources GUIDE SRC EXEMPT
                                           every phrase the sources can show appears in GUIDE
    check_guide.py structure GUIDE         links, contents and length of GUIDE
    check_guide.py examples GUIDE ROOT ZAN_REPORT
                                           every worked example of GUIDE and ROOT/README.md
                                           that names an example design is what zan-report
                                           gives for it
    check_guide.py structure GUIDE --like ENGLISH
                                           the same for a translated GUIDE, whose headings are
                                           those of ENGLISH in order and carry their anchors
    check_guide.py translations GUIDE TS EXEMPT
                                           every phrase of the windows' translations in the
                                           catalogue TS appears in the translated GUIDE
    check_guide.py --self-test             the checks above on small made-up guides

`sources` reads the string literals of every .h and .cpp file under SRC (adjacent literals
joined, as the compiler joins them) and keeps those that hold a phrase of two or more words:
captions, titles and messages. Access-key marks (&) are dropped; placeholders (%1), line
breaks and file-filter bars split a literal into parts; each part is looked up in the guide
with runs of blanks counted as one. Help text lines (ending in a line feed) are the --help
text, documented by the man page, and are left out. EXEMPT lists what the program never shows
(a hidden option, fallbacks that cannot be reached, font names) and files to skip whole.

Each check prints what is missing and exits 1 when anything is.
"""

import os
import re
import subprocess
import sys

MINIMUM_WORDS = 2500


def read_list(path):
    """The texts of a list file: one a line, # comments, quoted when blanks matter."""
    texts = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\r\n")
            if not line.strip() or line.startswith("#"):
                continue
            if len(line) >= 2 and line.startswith('"') and line.endswith('"'):
                line = line[1:-1]
            texts.append(line)
    return texts


def missing_texts(guide, texts):
    return [t for t in texts if t not in guide]


def cpp_literals(source):
    """String literals of a C++ source, adjacent ones joined; comments and chars skipped."""
    literals = []
    pending = None
    i = 0
    n = len(source)
    while i < n:
        if source.startswith("//", i):
            end = source.find("\n", i)
            i = n if end < 0 else end
            continue
        if source.startswith("/*", i):
            end = source.find("*/", i)
            i = n if end < 0 else end + 2
            continue
        c = source[i]
        if c.isspace():
            i += 1
            continue
        if c == '"':
            j = i + 1
            while j < n and source[j] != '"':
                j += 2 if source[j] == "\\" else 1
            text = source[i + 1:j]
            pending = text if pending is None else pending + text
            i = j + 1
            continue
        if pending is not None:
            literals.append(pending)
            pending = None
        if c == "'":
            j = i + 1
            while j < n and source[j] != "'":
                j += 2 if source[j] == "\\" else 1
            i = j + 1
            continue
        i += 1
    if pending is not None:
        literals.append(pending)
    return literals


PHRASE = re.compile(r"\S\s+\S")
SPLIT = re.compile(r"%\d|\\[rnt]|\|")


def shown_parts(literal):
    """The parts of a literal the user reads, or none for text that is not a phrase."""
    if literal.endswith("\\n") and not literal.endswith("\\r\\n"):
        return []
    if not re.search(r"[A-Za-z]", literal) or not PHRASE.search(literal.strip()):
        return []
    text = re.sub(r"&(?=[A-Za-z])", "", literal)
    parts = [p.strip() for p in SPLIT.split(text)]
    return [p for p in parts if p and re.search(r"[A-Za-z]", p)]


def collapse(text):
    return re.sub(r"\s+", " ", text)


def read_exempt(path):
    texts, files = set(), set()
    for text in read_list(path):
        if text.startswith("file "):
            files.add(text[5:])
        else:
            texts.add(text)
    return texts, files


def missing_sources(guide, sources, exempt_texts, exempt_files):
    """(file, literal) pairs of phrases the guide does not name. `sources`: (name, text)."""
    flat = collapse(guide)
    missing = []
    for name, text in sources:
        if name in exempt_files:
            continue
        for literal in cpp_literals(text):
            if literal in exempt_texts:
                continue
            if any(collapse(p) not in flat for p in shown_parts(literal)):
                missing.append((name, literal))
    return missing


def slug(heading):
    """The anchor of a heading: lower case, punctuation dropped, blanks as hyphens."""
    text = re.sub(r"[^a-z0-9 -]", "", heading.strip().lower())
    return re.sub(r" +", "-", text)


def outside_code(guide):
    """The guide without fenced code blocks and code spans."""
    text = re.sub(r"^```.*?^```", "", guide, flags=re.M | re.S)
    return re.sub(r"`[^`\n]*`", "", text)


def headings_of(guide):
    return re.findall(r"^(#{1,6}) +(.+?) *$", outside_code(guide), re.M)


def structure_problems(guide, english=None):
    """A translated guide (english given) takes the English headings' anchors, in order, as
    the User Guide window gives them, so that its links and F1's sections stay the same."""
    problems = []
    headings = headings_of(guide)
    model = headings_of(english) if english is not None else headings
    if [level for level, _ in headings] != [level for level, _ in model]:
        problems.append("the headings differ in number or level from the English guide's")
    named = [(level, slug(m)) for (level, _), (_, m) in zip(headings, model)]
    anchors = {anchor for _, anchor in named}
    seen = set()
    for _, anchor in named:
        if anchor in seen:
            problems.append("two headings have the anchor #%s" % anchor)
        seen.add(anchor)
    for target in re.findall(r"\]\(#([^)]*)\)", outside_code(guide)):
        if target not in anchors:
            problems.append("link to #%s: no such heading" % target)
        if not re.fullmatch(r"[a-z0-9]+(-[a-z0-9]+)*", target):
            problems.append("link to #%s: not lower-case words joined by hyphens" % target)
    contents_title = headings[1][1] if len(headings) > 1 else "Contents"
    contents = re.search(r"^## %s\n(.*?)^## " % re.escape(contents_title), guide, re.M | re.S)
    listed = set(re.findall(r"\]\(#([^)]*)\)", contents.group(1))) if contents else set()
    if not contents or named[1][1] != "contents":
        problems.append("no '## Contents' section")
    for (level, anchor), (_, title) in zip(named, headings):
        if level == "##" and anchor != "contents" and anchor not in listed:
            problems.append("section '%s' is missing from the contents" % title)
    words = len(guide.split())
    if words < MINIMUM_WORDS:
        problems.append("%d words; the guide needs at least %d" % (words, MINIMUM_WORDS))
    return problems


# A verdict the memo prints, quoted with the command and the example it comes from.
VERDICT = re.compile(r"`((?:Recommended|Trial) thickness ([0-9.]+) (?:in|cm): [^`]*)` after "
                     r"(Compute Design Thickness|Perform Analysis > Both) on (examples/[\w.-]+)")
# A summary line of an example design, in a fenced block.
SUMMARY_LINE = re.compile(r"^((?:examples/)?[\w.-]+\.DEF),(?:English|Metric),.*$", re.M)


def zan_report(exe, args, cwd):
    return subprocess.run([exe] + args, cwd=cwd, capture_output=True, timeout=60)


def wrong_examples(texts, root, exe):
    """The worked examples in `texts` (name, text) that zan-report does not give; a text
    without either kind of example counts as one, since the patterns no longer find them."""
    wrong = []
    if not all(VERDICT.search(text) or SUMMARY_LINE.search(text) for _, text in texts):
        wrong.append("no worked example found in one of %s" % [name for name, _ in texts])
    for name, text in texts:
        for sentence, thickness, command, design in VERDICT.findall(text):
            mode = "--design" if command.startswith("Compute") else "--both"
            report = zan_report(exe, [mode, design], root).stdout.decode("latin-1")
            sums = re.findall(r"Sum = +([0-9.]+)", report)
            said = dict(re.findall(r"(fatigue|erosion) ([0-9.]+) %", sentence))
            given = {"fatigue": sums[0], "erosion": sums[-1]} if sums else {}
            if ("h (in) = %s\r" % thickness not in report and
                    "h (cm) = %s\r" % thickness not in report) or \
                    any(given.get(part) != value for part, value in said.items()):
                wrong.append("%s: %r, but zan-report %s %s gives h %s and sums %s"
                             % (name, sentence, mode, design, thickness, sums))
        for match in SUMMARY_LINE.finditer(text):
            line, design = match.group(0), match.group(1)
            cwd = root if design.startswith("examples/") else os.path.join(root, "examples")
            out = zan_report(exe, ["--summary", design], cwd).stdout.decode("latin-1")
            if line + "\r\n" not in out:
                wrong.append("%s: %r, but zan-report --summary gives %r"
                             % (name, line, out.split("\r\n")[1:2]))
    return wrong
def catalogue_phrases(path):
    """The windows' translations of a catalogue (contexts zan and zan::Class), as
    (context, English source, translated line) triples."""
    import xml.etree.ElementTree as ET
    found = []
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name", "")
        if name != "zan" and not name.startswith("zan::"):
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            # A carriage return is written as a child element; its parts are separate lines.
            parts = [translation.text or ""] + [c.tail or "" for c in translation]
            found += [(name, message.findtext("source", ""), p) for p in parts if p]
    return found


def missing_translations(guide, phrases, exempt):
    """Translations the guide does not name; a source text the English guide need not name
    (EXEMPT) exempts its translation, "context NAME" a whole context."""
    flat = collapse(guide)
    return [text for context, source, text in phrases
            if source not in exempt and "context " + context not in exempt
            and any(collapse(part) not in flat for part in shown_parts(text))]


def sources_under(folder):
    found = []
    for root, _, files in os.walk(folder):
        for name in sorted(files):
            if name.endswith((".h", ".cpp")):
                path = os.path.join(root, name)
                with open(path, encoding="latin-1") as f:
                    found.append((os.path.relpath(path, os.path.dirname(folder)), f.read()))
    return sorted(found)


def self_test():
    guide = ("# Guide\n\n## Contents\n\n- [Pavement Data](#pavement-data)\n\n"
             "## Pavement Data\n\nType `h1 is an invalid number; please try again!` and "
             "Trial Thickness, h (in) and Cannot write file PATH: REASON.\n")
    failures = []

    def expect(name, got, want):
        if got != want:
            failures.append("%s: got %r, want %r" % (name, got, want))

    for name, texts, want in [
            ("all found", ["Pavement Data", " is an invalid number; please try again!"], []),
            ("blanks matter", ["  is an invalid number"], ["  is an invalid number"]),
            ("missing", ["Traffic Data"], ["Traffic Data"])]:
        expect("texts " + name, missing_texts(guide, texts), want)

    for name, source, want in [
            ("joined literals", 'x = "Trial Thickness, " "h (in)";', []),
            ("access key", 'tr("&Pavement Data");', []),
            ("placeholders", 'tr("Cannot write file %1:\\r\\n%2.");', []),
            ("comment ignored", '// "Not In The Guide"\nint a;', []),
            ("single word", 'setObjectName("txtReports");', []),
            ("help line", 'k = "  --both   not in the guide\\n";', []),
            ("char literal", "c = '\"'; s = \"Save Dialog\";", [("a.cpp", "Save Dialog")]),
            ("missing", 'm("The erosion damage exceeds 100%.");',
             [("a.cpp", "The erosion damage exceeds 100%.")])]:
        expect("sources " + name, missing_sources(guide, [("a.cpp", source)], set(), set()), want)
    expect("sources exempt text",
           missing_sources(guide, [("a.cpp", '"Times New Roman"')], {"Times New Roman"}, set()),
           [])
    expect("sources exempt file",
           missing_sources(guide, [("a.cpp", '"Times New Roman"')], set(), {"a.cpp"}), [])

    long_text = " word" * MINIMUM_WORDS
    for name, text, want in [
            ("sound", guide + long_text, []),
            ("broken link", guide + "[x](#traffic-data)" + long_text,
             ["link to #traffic-data: no such heading"]),
            ("unlisted section", guide + "\n## Files\n" + long_text,
             ["section 'Files' is missing from the contents"]),
            ("same anchor twice", guide + "\n### Pavement data\n" + long_text,
             ["two headings have the anchor #pavement-data"]),
            ("too short", guide, ["%d words; the guide needs at least %d"
                                  % (len(guide.split()), MINIMUM_WORDS)])]:
        expect("structure " + name, structure_problems(text), want)
    expect("slug", slug("Axle-Load Categories"), "axle-load-categories")

    translated = ("# Guía\n\n## Contenido\n\n- [Datos del pavimento](#pavement-data)\n\n"
                  "## Datos del pavimento\n\nEscriba «Datos del pavimento...».\n")
    for name, text, want in [
            ("translated sound", translated + long_text, []),
            ("translated link by its own heading",
             translated + "[x](#datos-del-pavimento)" + long_text,
             ["link to #datos-del-pavimento: no such heading"]),
            ("translated heading added", translated + long_text + "\n## Más\n",
             ["the headings differ in number or level from the English guide's"])]:
        expect("structure " + name, structure_problems(text, guide), want)
    expect("translations", missing_translations(translated, [
        ("zan::MainWindow", "&Pavement Data...", "Datos del &pavimento..."),
        ("zan::MainWindow", "&Traffic Data...", "Datos del &tránsito..."),
        ("zan::MainWindow", "&Detailed Reports", "Informes &detallados"),
        ("zan::AboutWindow", "Written by", "Escrito por"),
        ("zan::MainWindow", "&OK", "&Aceptar")],
        {"&Detailed Reports", "context zan::AboutWindow"}), ["Datos del &tránsito..."])

    for line in failures:
        print(line)
    print("self-test: %d failures" % len(failures))
    return 1 if failures else 0


def main(argv):
    if argv[1:] == ["--self-test"]:
        return self_test()
    if len(argv) < 3:
        sys.stderr.write(__doc__)
        return 2
    command, guide_path = argv[1], argv[2]
    with open(guide_path, encoding="utf-8") as f:
        guide = f.read()
    if command == "texts" and len(argv) == 4:
        missing = missing_texts(guide, read_list(argv[3]))
        for text in missing:
            print("not in the guide: %r" % text)
        print("%d texts not in the guide" % len(missing))
        return 1 if missing else 0
    if command == "sources" and len(argv) == 5:
        exempt_texts, exempt_files = read_exempt(argv[4])
        missing = missing_sources(guide, sources_under(argv[3]), exempt_texts, exempt_files)
        for name, literal in missing:
            print("%s: %r is not in the guide" % (name, literal))
        print("%d texts of the sources not in the guide" % len(missing))
        return 1 if missing else 0
    if command == "examples" and len(argv) == 5:
        with open(os.path.join(argv[3], "README.md"), encoding="utf-8") as f:
            readme = f.read()
        wrong = wrong_examples([("guide", guide), ("README.md", readme)], argv[3], argv[4])
        for line in wrong:
            print(line)
        print("%d examples differ from zan-report" % len(wrong))
        return 1 if wrong else 0
    if command == "translations" and len(argv) == 5:
        exempt_texts, _ = read_exempt(argv[4])
        missing = missing_translations(guide, catalogue_phrases(argv[3]), exempt_texts)
        for text in missing:
            print("%r is not in the guide" % text)
        print("%d translated texts not in the guide" % len(missing))
        return 1 if missing else 0
    if command == "structure" and len(argv) in (3, 5) and argv[3:4] in ([], ["--like"]):
        english = None
        if len(argv) == 5:
            with open(argv[4], encoding="utf-8") as f:
                english = f.read()
        problems = structure_problems(guide, english)
        for line in problems:
            print(line)
        print("%d problems" % len(problems))
        return 1 if problems else 0
    sys.stderr.write(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
