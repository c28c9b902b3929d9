#!/usr/bin/env bash
# Builds the web page into build-wasm/web/ (the core in WebAssembly with Debian's emscripten).
set -euo pipefail
cd "$(dirname "$0")/.."
# emcc finds its acorn through NODE_PATH when the node on the path is not Debian's.
export NODE_PATH=/usr/share/nodejs
cmake --preset wasm >/dev/null
cmake --build --preset wasm
