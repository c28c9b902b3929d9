#!/usr/bin/env python3
"""The program's translation catalogues, translations/zan_LANG.ts, one file per language.

  catalogue.py table OUT.cpp TS...            the core's table of every catalogue (the build)
  catalogue.py update --lupdate P ROOT TS...  takes the sources' new texts into the catalogues
  catalogue.py check --lupdate P ROOT TS...   fails when a catalogue is out of date with the
                                              sources or has a text left untranslated

Qt's lupdate finds the texts: tr() and QCoreApplication::translate() in the desktop's
windows, catalogue::translate() and ZAN_TRANSLATE_NOOP() in the core. The contexts zan and
zan::Class are the desktop's (its free functions' and its classes') and reach the windows
through lrelease's .qm files; every other context (Verdict, Messages, Web, ...) goes into the
core's table, which the core and the web page read.
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# The folders and files whose texts are the program's (the web page's own in web/texts.js);
# tests and tools are not translated.
SOURCE_FOLDERS = ["src", "web/texts.js"]
# The core's marker, read by lupdate as Qt's own.
LUPDATE_OPTIONS = ["-locations", "none", "-no-obsolete", "-silent",
                   "-tr-function-alias", "QT_TRANSLATE_NOOP+=ZAN_TRANSLATE_NOOP"]


def language_of(path):
    """zan_es.ts -> es"""
    name = os.path.basename(path)
    return name[len("zan_"):-len(".ts")]


def text_of(element):
    """An element's text, with the <byte value="xd"/> lupdate writes for a carriage return."""
    if element is None:
        return ""
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            value = child.get("value", "")
            text += chr(int(value[1:], 16) if value.startswith("x") else int(value))
        text += child.tail or ""
    return text


def is_desktop(context):
    """The desktop's texts: its classes' contexts (zan::MainWindow) and its free functions'."""
    return context == "zan" or context.startswith("zan::")


def messages(path):
    """Every current message of a catalogue: (context, source) -> (translation, finished)."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type", "") if translation is not None else "unfinished"
            if kind in ("obsolete", "vanished"):
                continue
            found[(name, text_of(message.find("source")))] = (text_of(translation),
                                                              kind != "unfinished")
    return found


def cpp_literal(text):
    """A C++ string literal of the text's UTF-8 bytes, octal-escaped outside printable ASCII: the
    core's texts are UTF-8, so a catalogue may hold any character."""
    out = ['"']
    for byte in text.encode("utf-8"):
        c = chr(byte)
        if c in '"\\':
            out.append("\\" + c)
        elif 32 <= byte < 127 and c != "?":  # no trigraphs
            out.append(c)
        else:
            out.append("\\%03o" % byte)
    out.append('"')
    return "".join(out)


def table(output, ts_files, function="languages"):
    lines = ["// Made by scripts/catalogue.py from translations/zan_*.ts: edit those, not this.",
             '#include "model/catalogue.h"', "", "namespace zan::catalogue {", "",
             "namespace {", ""]
    languages = []
    for path in sorted(ts_files, key=language_of):
        code = language_of(path)
        # Sorted by their bytes, as the core looks them up.
        entries = sorted(((c.encode("utf-8"), s.encode("utf-8"), t) for (c, s), (t, done)
                          in messages(path).items() if done and t and not is_desktop(c)))
        if entries:
            lines.append("constexpr Entry k_%s[] = {" % code)
            lines += ["    {%s, %s, %s}," % (cpp_literal(c.decode("utf-8")),
                                             cpp_literal(s.decode("utf-8")),
                                             cpp_literal(t)) for c, s, t in entries]
            lines.append("};")
        languages.append('    {"%s", %s},' % (code, "k_" + code if entries else "{}"))
    lines += ["", "constexpr Language kLanguages[] = {", '    {kSourceLanguage, {}},']
    lines += languages
    lines += ["};", "", "}  // namespace", "",
              "std::span<const Language> %s() { return kLanguages; }" % function, "",
              "}  // namespace zan::catalogue", ""]
    text = "\n".join(lines)
    # Rewritten only when it changes, so that a build with the same catalogues compiles nothing.
    if not os.path.exists(output) or open(output, encoding="utf-8").read() != text:
        with open(output, "w", encoding="utf-8") as f:
            f.write(text)


def run_lupdate(lupdate, root, ts_files):
    folders = [os.path.join(root, f) for f in SOURCE_FOLDERS]
    # Its remarks on classes without Q_OBJECT (the plots' helpers) are no news.
    done = subprocess.run([lupdate] + LUPDATE_OPTIONS + folders + ["-ts"] + ts_files,
                          stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    if done.returncode != 0:
        sys.exit(done.stdout + "lupdate failed")


def check(lupdate, root, ts_files):
    faults = []
    with tempfile.TemporaryDirectory() as folder:
        copies = []
        for path in ts_files:
            copies.append(os.path.join(folder, os.path.basename(path)))
            shutil.copy(path, copies[-1])
        run_lupdate(lupdate, root, copies)
        for path, copy in zip(ts_files, copies):
            kept, wanted = messages(path), messages(copy)
            name = os.path.relpath(path, root)
            for key in sorted(wanted.keys() - kept.keys()):
                faults.append("%s: not in the catalogue: %s / %r" % (name, *key))
            for key in sorted(kept.keys() - wanted.keys()):
                faults.append("%s: no longer in the sources: %s / %r" % (name, *key))
            for key, (text, done) in sorted(kept.items()):
                if key in wanted and (not done or not text.strip()):
                    faults.append("%s: not translated: %s / %r" % (name, *key))
    for fault in faults:
        print(fault)
    if faults:
        print("Run `cmake --build build --target update_translations`, translate what it "
              "adds in the catalogue (Qt Linguist or a text editor) and mark it finished.")
    return 1 if faults else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    sub = parser.add_subparsers(dest="command", required=True)
    make = sub.add_parser("table")
    make.add_argument("output")
    make.add_argument("--function", default="languages", help="the table's function (tests)")
    make.add_argument("ts", nargs="*")
    for name in ("update", "check"):
        command = sub.add_parser(name)
        command.add_argument("--lupdate", required=True)
        command.add_argument("root")
        command.add_argument("ts", nargs="+")
    args = parser.parse_args()
    if args.command == "table":
        table(args.output, args.ts, args.function)
        return 0
    if args.command == "update":
        run_lupdate(args.lupdate, args.root, args.ts)
        return 0
    return check(args.lupdate, args.root, args.ts)


if __name__ == "__main__":
    sys.exit(main())
