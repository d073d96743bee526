#!/usr/bin/env bash
# Runs a Windows program under Wine in Trelvo's own prefix (build/wine-prefix, or
# $TRELVO_WINEPREFIX), making the prefix on first use. ctest uses it as the cross build's
# emulator: wine-run.sh PROGRAM.exe ARGUMENT...; without a program it only makes the prefix.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# TRELVO_WINE_DPI (say 144) runs the program on a screen of that many dots per inch, in a
# prefix of its own, as Windows does at 150 %.
dpi=${TRELVO_WINE_DPI:-}
export WINEPREFIX=${TRELVO_WINEPREFIX:-$repo/build/wine-prefix${dpi:+-$dpi}}
export WINEDEBUG=-all
# No Mono or Gecko: nothing here is .NET or HTML, and their installers would ask. No
# winemenubuilder: the shortcuts a setup program makes in the prefix stay there, rather than
# becoming entries in the Linux user's own desktop menus and file associations.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

ready=$WINEPREFIX/.trelvo-ready
if [ ! -e "$ready" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    # Tests started side by side by ctest -j make the prefix once, the first to get here.
    exec 9>"$WINEPREFIX.lock"
    flock 9
    if [ ! -e "$ready" ]; then
        echo "wine-run.sh: making the Wine prefix $WINEPREFIX (once; it takes a while)" >&2
        wineboot -i >/dev/null 2>&1
        # A program that crashes ends with its backtrace on the console: no dialog waits.
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
            >/dev/null 2>&1
        # No window manager under xvfb-run: windows that close must not wait 2 s for one;
        # and "Arial", the editor's font, is found (Liberation Sans has its measures).
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ \
            /d 'Liberation Sans' /f >/dev/null 2>&1
        if [ -n "$dpi" ]; then
            wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
                >/dev/null 2>&1
        fi
        touch "$ready"
    fi
    flock -u 9
    exec 9>&-
fi

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
