#!/usr/bin/env bash
# The Windows build's checks under Wine, run by tools/build-windows.sh inside xvfb-run:
#   wine-checks.sh CROSS_BUILD_FOLDER LINUX_TRELVO_BATCH [SETUP_EXE STAGE_FOLDER]
# the tests (ctest), trelvo-batch.exe's output against the Linux program's, then the setup
# program, installed from and compared with STAGE_FOLDER (installer-check.sh). Each runs
# whatever the others give; the status fails if any did.
set -uo pipefail
cd "$(dirname "$0")/../.."

build=$1
linux_batch=$2
setup=${3:-}
stage=${4:-}
wine_run=tools/windows/wine-run.sh
export WINEPREFIX=${TRELVO_WINEPREFIX:-$PWD/build/wine-prefix}
export WINEDEBUG=-all

if [ -e "$WINEPREFIX/.trelvo-ready" ]; then
    echo "== Wine prefix $WINEPREFIX"
else
    echo "== Wine prefix $WINEPREFIX: making it (once)"
fi
bash "$wine_run" || { echo "FAILED: making the Wine prefix $WINEPREFIX"; exit 1; }
# One server for every program started here, rather than one per program; it is ended on
# the way out, with whatever it still runs. Wine's own background processes (services,
# desktop) start with the first program and keep the files it was given open: started
# here on /dev/null, they never hold a test's output pipe, which ctest waits on.
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
bash "$wine_run" cmd /c exit </dev/null >/dev/null 2>&1 ||
    { echo "FAILED: starting Wine in $WINEPREFIX"; exit 1; }

failures=()
echo "== Windows tests under Wine (ctest)"
# Now and then a program under Wine ends at once, before its first line, when it starts
# beside another's shutdown; a test that fails three times running has failed.
if ! ctest --test-dir "$build" --output-on-failure --timeout 300 -j2 --repeat until-pass:3; then
    failures+=("Windows tests under Wine (ctest --test-dir $build)")
fi

echo "== trelvo-batch.exe --stdout against the Linux trelvo-batch, on every deck and random trusses"
# The generator of random trusses is built beside the Linux trelvo-batch.
if ! bash tools/windows/compare-batch.sh "$linux_batch" "$build/app/batch/trelvo-batch.exe" \
    "$build/batch-compare" "$(dirname "$linux_batch")/random_trusses"; then
    failures+=("trelvo-batch.exe output differs from Linux (outputs in $build/batch-compare)")
fi

if [ -n "$setup" ]; then
    echo "== $setup: install, start, uninstall"
    if ! bash tools/windows/installer-check.sh "$setup" "$stage"; then
        failures+=("the setup program $setup under Wine (prefix build/wine-installer-prefix)")
    fi
fi

if ((${#failures[@]} > 0)); then
    for failure in "${failures[@]}"; do
        echo "FAILED: $failure"
    done
    exit 1
fi
