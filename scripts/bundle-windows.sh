#!/usr/bin/env bash
# Makes the Windows bundle build-windows/zan-thickness-design-VERSION-windows-x64.zip: unzip and
# use, nothing to install. It holds zan-report.exe (built here with the windows preset), the
# one-file web page zan-design.html when the wasm preset has built it
# (build-wasm/web/zan-design.html), the examples, the user guide as HTML, README.txt and the
# licence, COPYING.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh windows
cmake --preset windows >/dev/null
cmake --build --preset windows

version=$(sed -n 's/^project(ZanThicknessDesign VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=zan-thickness-design-$version-windows-x64
stage=build-windows/bundle/$name
rm -rf "$stage" "build-windows/$name.zip"
mkdir -p "$stage/examples"
cp build-windows/bin/zan-report.exe "$stage/"
cp examples/*.DEF "$stage/examples/"
if [ -f build-wasm/web/zan-design.html ]; then
    cp build-wasm/web/zan-design.html "$stage/"
    echo "bundle: with the web page build-wasm/web/zan-design.html"
else
    echo "bundle: without the web page (build-wasm/web/zan-design.html has not been built)"
fi
# The guide as one page that any browser shows offline; its links to its own sections work
# as the toc extension names the headings.
{
    printf '<!DOCTYPE html>\n<html lang="en">\n<head>\n<meta charset="utf-8">\n'
    printf '<title>ZAN Thickness Design User Guide</title>\n'
    printf '<style>body{font-family:sans-serif;max-width:50em;margin:auto;padding:1em}'
    printf 'pre,code{font-family:monospace}table{border-collapse:collapse}'
    printf 'td,th{border:1px solid #999;padding:2px 6px}</style>\n</head>\n<body>\n'
    /usr/bin/python3 -m markdown -x tables -x toc -x fenced_code docs/user-guide.md
    printf '</body>\n</html>\n'
} > "$stage/user-guide.html"
# Notepad and every Windows editor read CR LF.
sed "s/@VERSION@/$version/; s/\$/\r/" packaging/windows/README.txt.in > "$stage/README.txt"
sed 's/$/\r/' COPYING > "$stage/COPYING.txt"
(cd build-windows/bundle && zip -q -r -X "../$name.zip" "$name")
echo "bundle: build-windows/$name.zip"
