#!/usr/bin/env bash
# The Windows build's checks under Wine, run by tools/build-windows.sh inside xvfb-run:
#   wine-checks.sh LINUX_TRELVO_BATCH [SETUP_EXE STAGE_FOLDER]
# the tests (ctest's windows preset, on build/windows), trelvo-batch.exe's output against the
# Linux program's, then the setup program, installed from and compared with STAGE_FOLDER
# (installer-check.sh). Each runs whatever the others give; the status fails if any did.
set -uo pipefail
cd "$(dirname "$0")/../.."
source tools/lib/common.sh
source tools/windows/wine-env.sh

build=build/windows
linux_batch=$1
setup=${2:-}
stage=${3:-}

step "Wine prefix $WINEPREFIX"
wine_prefix_ready || fail "making the Wine prefix $WINEPREFIX"
# One server for every program started here, rather than one per program; it is ended on
# the way out, with whatever it still runs. Wine's own background processes (services,
# desktop) start with the first program and keep the files it was given open: started
# here on /dev/null, they never hold a test's output pipe, which ctest waits on.
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
wine cmd /c exit </dev/null >/dev/null 2>&1 || fail "starting Wine in $WINEPREFIX"

step "Windows tests under Wine (ctest)"
# Now and then a program under Wine ends at once, before its first line, when it starts
# beside another's shutdown: the preset runs a test up to three times, and one that fails
# three times running has failed.
ctest --preset windows || failed "Windows tests under Wine (ctest --preset windows)"

step "trelvo-batch.exe --stdout against the Linux trelvo-batch, on every deck and random trusses"
# The generator of random trusses is built beside the Linux trelvo-batch.
bash tools/windows/compare-batch.sh "$linux_batch" "$build/app/batch/trelvo-batch.exe" \
    "$build/batch-compare" "$(dirname "$linux_batch")/random_trusses" ||
    failed "trelvo-batch.exe output differs from Linux (outputs in $build/batch-compare)"

if [ -n "$setup" ]; then
    step "$setup: install, start, uninstall"
    bash tools/windows/installer-check.sh "$setup" "$stage" ||
        failed "the setup program $setup under Wine (prefix build/wine-installer-prefix)"
fi
finish
