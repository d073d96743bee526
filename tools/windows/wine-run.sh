#!/usr/bin/env bash
# Runs a Windows program under Wine in Trelvo's own prefix (tools/windows/wine-env.sh), making
# the prefix on first use. ctest uses it as the cross build's emulator:
# wine-run.sh PROGRAM.exe ARGUMENT...; without a program it only makes the prefix.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
wine_prefix_ready

(($# > 0)) || exit 0

# Wine starts helper processes (its desktop, services) on demand, from whichever program
# first needs them, and they keep that program's output files open long after it ends:
# ctest, reading a test's output through a pipe, would wait for them. So where the output
# is a pipe the program writes to files here, which are copied out as they grow until it
# ends.
if [ ! -p /dev/stdout ] && [ ! -p /dev/stderr ]; then
    exec wine "$@"
fi
output=$(mktemp -d)
trap 'rm -rf "$output"' EXIT
: >"$output/out"
: >"$output/err"
wine "$@" <&0 >>"$output/out" 2>>"$output/err" &
program=$!
tail -s 0.05 -c +1 -f --pid=$program "$output/out" &
out_copy=$!
tail -s 0.05 -c +1 -f --pid=$program "$output/err" >&2 &
err_copy=$!
status=0
wait $program || status=$?
wait $out_copy $err_copy
exit $status
