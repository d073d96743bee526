#!/usr/bin/env bash
# Installs what is missing, builds Trelvo, analyses the help page's example deck with the
# command-line program, and starts the desktop program when a display is available.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake --preset release
cmake --build --preset release

echo "== trelvo-batch --stdout examples/help-example.txt"
build/release/app/batch/trelvo-batch --stdout examples/help-example.txt

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/release/app/trelvo/trelvo ]; then
    exec build/release/app/trelvo/trelvo
else
    echo "(no display: the desktop program build/release/app/trelvo/trelvo was not started)"
fi
