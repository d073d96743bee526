#!/usr/bin/env bash
# Installs what is missing, then builds and tests Trelvo in four configurations, each a
# preset of CMakePresets.json:
#   test      g++, warnings as errors (build/test);
#   sanitize  clang with AddressSanitizer and UndefinedBehaviorSanitizer (build/sanitize), the
#             same tests, then each fuzz target for TRELVO_FUZZ_SECONDS (default 60);
#   windows   mingw-w64 for Windows, warnings as errors, the zip and the setup program in
#             dist/, then under Wine the tests, trelvo-batch.exe against the Linux program and
#             the setup program (tools/build-windows.sh);
#   package   the Debian package (build/release, dist/): lintian, installed, used and purged
#             (tools/package-check.sh; root or sudo).
#   web       the engine and viewer in WebAssembly (Debian's emscripten) and the page in
#             dist/web/, checked against trelvo-batch under node and in headless Chromium
#             (tools/build-web.sh, tools/web-check.sh).
# The desktop tests use Qt's offscreen platform and Wine uses Xvfb, so no display is needed.
# TRELVO_TEST_CONFIGS lists the configurations to run (default "test sanitize package web windows").
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib/common.sh

bash tools/install-deps.sh
configs=${TRELVO_TEST_CONFIGS:-"test sanitize package web windows"}
fuzz_seconds=${TRELVO_FUZZ_SECONDS:-60}

# Configures, builds and tests one preset.
build_and_test() {
    cmake --preset "$1" || fail "configuring the $1 preset"
    cmake --build --preset "$1" || fail "building the $1 preset"
    ctest --preset "$1" || fail "the tests of the $1 preset"
}

if [[ " $configs " == *" test "* ]]; then
    step "g++ build with warnings as errors"
    build_and_test test
fi

if [[ " $configs " == *" sanitize "* ]]; then
    # Leak reports are limited to our own code: tests/sanitizer/lsan.supp lists the one-time
    # allocations of Qt and the system libraries it loads (the preset's environment).
    step "clang build with AddressSanitizer and UndefinedBehaviorSanitizer"
    build_and_test sanitize
    step "fuzzing each target for ${fuzz_seconds} s"
    bash tools/fuzz.sh "$fuzz_seconds"
fi

if [[ " $configs " == *" package "* ]]; then
    step "Debian package: built, checked by lintian, installed, used and purged"
    rm -f dist/trelvo_*.deb # built anew from this tree
    bash tools/package-check.sh || fail "the Debian package check"
fi

if [[ " $configs " == *" web "* ]]; then
    step "WebAssembly build and the web page's checks"
    bash tools/build-web.sh || fail "building the web page"
    bash tools/web-check.sh || fail "the web page's checks"
fi

if [[ " $configs " == *" windows "* ]]; then
    step "Windows cross build, tested under Wine"
    started=$SECONDS
    status=0
    bash tools/build-windows.sh || status=$?
    step "Windows configuration took $((SECONDS - started)) s"
    exit "$status"
fi
