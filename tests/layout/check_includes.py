#!/usr/bin/env python3
"""Fails when a source file includes from a layer above its own, or a Qt-free layer includes Qt.

The layers are the folders of src/, lowest first. A file may include its own folder's headers
and those of any lower layer; src/app holds the two main programs and may include anything.
"""
import pathlib
import re
import sys

LAYERS = ["model", "io", "commands", "pdf", "platform", "dialogs", "chart", "shell", "app"]
QT_FREE = {"model", "io", "commands", "pdf"}
QUOTED = re.compile(r'^\s*#\s*include\s+"([^"]+)"')
ANGLED = re.compile(r'^\s*#\s*include\s+<([^>]+)>')


def problems(src: pathlib.Path):
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        layer = path.relative_to(src).parts[0]
        if layer not in LAYERS:
            yield f"{path}: folder {layer} is not a layer ({', '.join(LAYERS)})"
            continue
        rank = LAYERS.index(layer)
        for number, line in enumerate(path.read_text(encoding="latin-1").splitlines(), 1):
            quoted = QUOTED.match(line)
            if quoted and "/" in quoted.group(1):
                target = quoted.group(1).split("/")[0]
                if target not in LAYERS:
                    yield f"{path}:{number}: includes {quoted.group(1)} from no layer"
                elif LAYERS.index(target) > rank:
                    yield f"{path}:{number}: {layer} includes {quoted.group(1)} from the higher layer {target}"
            angled = ANGLED.match(line)
            if angled and layer in QT_FREE and re.match(r"Q|qt", angled.group(1)):
                yield f"{path}:{number}: the Qt-free layer {layer} includes <{angled.group(1)}>"


def self_test():
    """The check must see an upward include and a Qt include, and pass a clean tree."""
    import tempfile
    with tempfile.TemporaryDirectory() as folder:
        root = pathlib.Path(folder)
        for name, text in {"model/a.h": "#include <QString>\n",
                           "dialogs/b.cpp": '#include "shell/main_window.h"\n',
                           "shell/c.cpp": '#include "dialogs/b.h"\n#include <QWidget>\n'}.items():
            (root / name).parent.mkdir(parents=True, exist_ok=True)
            (root / name).write_text(text)
        found = list(problems(root))
    ok = len(found) == 2 and "model/a.h" in found[1] and "dialogs/b.cpp" in found[0]
    print("self-test", "passed" if ok else f"failed: {found}")
    return 0 if ok else 1


def main():
    if sys.argv[1:] == ["--self-test"]:
        return self_test()
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "src")
    found = list(problems(src))
    for problem in found:
        print(problem)
    print(f"{len(found)} upward or Qt include(s) in {src}")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
