#!/usr/bin/env bash
# Installs what is missing, builds the two programs, and starts the desktop one.
# `scripts/start.sh web [PORT]` builds the web page instead and serves it on 127.0.0.1.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = web ]; then
    # The web page, built and served on this machine only: http://127.0.0.1:${2:-8018}/
    scripts/install-deps.sh web
    scripts/build-web.sh
    echo "Serving build-wasm/web/ at http://127.0.0.1:${2:-8018}/ (Ctrl+C stops it)"
    exec python3 -m http.server --bind 127.0.0.1 --directory build-wasm/web "${2:-8018}"
fi
# Only the two programs, optimised, in build-start/: no tests and no benchmarks, 75 build
# steps instead of the whole tree's 173, so the window comes up much sooner (scripts/test.sh
# builds the whole tree).
scripts/install-deps.sh
cmake --preset start >/dev/null
cmake --build --preset start
if [ -x build-start/bin/zan-design ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
    exec build-start/bin/zan-design "$@"
fi
echo "No display found: printing the report of examples/initial-english.DEF instead." >&2
exec build-start/bin/zan-report --both examples/initial-english.DEF
