#!/usr/bin/env bash
# Installs what is missing, then builds and tests Trelvo in three configurations:
#   build/test      g++, warnings as errors;
#   build/sanitize  clang with AddressSanitizer and UndefinedBehaviorSanitizer, the same
#                   tests, then each fuzz target for TRELVO_FUZZ_SECONDS (default 60);
#   build/windows   mingw-w64 for Windows, warnings as errors, the zip and the setup
#                   program in dist/, then under Wine the tests, trelvo-batch.exe against
#                   the Linux program and the setup program (tools/build-windows.sh).
# The desktop tests use Qt's offscreen platform and Wine uses Xvfb, so no display is needed.
# TRELVO_TEST_CONFIGS lists the configurations to run (default "test sanitize windows").
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
export QT_QPA_PLATFORM=offscreen
configs=${TRELVO_TEST_CONFIGS:-"test sanitize windows"}
fuzz_seconds=${TRELVO_FUZZ_SECONDS:-60}

if [[ " $configs " == *" test "* ]]; then
    echo "== g++ build with warnings as errors"
    cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELVO_WERROR=ON
    cmake --build build/test
    ctest --test-dir build/test --output-on-failure --timeout 600
fi

if [[ " $configs " == *" sanitize "* ]]; then
    echo "== clang build with AddressSanitizer and UndefinedBehaviorSanitizer"
    CC=clang CXX=clang++ cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTRELVO_SANITIZE=ON -DTRELVO_FUZZ=ON -DTRELVO_BUILD_BENCH=OFF
    cmake --build build/sanitize
    # Leak reports are limited to our own code: tests/sanitizer/lsan.supp lists the
    # one-time allocations of Qt and the system libraries it loads.
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
    ctest --test-dir build/sanitize --output-on-failure --timeout 900

    echo "== fuzzing each target for ${fuzz_seconds} s"
    bash tools/fuzz.sh "$fuzz_seconds" build/sanitize
fi

if [[ " $configs " == *" windows "* ]]; then
    echo "== Windows cross build, tested under Wine"
    started=$SECONDS
    status=0
    bash tools/build-windows.sh || status=$?
    echo "== Windows configuration took $((SECONDS - started)) s"
    exit "$status"
fi
