#!/usr/bin/env bash
# Builds the web page into dist/web/: the engine and viewer in WebAssembly (the web preset,
# Debian's emscripten), with the page's HTML, style sheet and script beside it. The module is
# one JavaScript file with the WebAssembly inside, so the folder works from any static host
# and opened straight from disk.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib/common.sh

bash tools/install-deps.sh web
# Debian's node does not look in Debian's own module folder, where acorn is.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

step "WebAssembly build (web preset)"
cmake --preset web >/dev/null || fail "configuring the web preset"
cmake --build --preset web || fail "building the web preset"

step "the page in dist/web/"
out=dist/web
rm -rf "$out.new"
mkdir -p "$out.new"
cp web/index.html web/style.css web/trelvo-page.js build/web/app/web/trelvo-web.js "$out.new/"
# Replaced whole, so a failed build never leaves a mixed folder.
rm -rf "$out"
mv "$out.new" "$out"
ls -l "$out"
