#!/usr/bin/env bash
# Configures and builds the release tree in build/ (executables in build/bin/).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
