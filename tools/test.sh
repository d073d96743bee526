#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors, and runs the tests
# (the desktop tests on Qt's offscreen platform, so no display is needed).
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELVO_WERROR=ON
cmake --build build/test
QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure --timeout 600
