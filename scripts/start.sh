#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
if [ -x build/bin/zan-design ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
    exec build/bin/zan-design "$@"
fi
echo "No display found: printing the report of examples/initial-english.DEF instead." >&2
exec build/bin/zan-report --both examples/initial-english.DEF
