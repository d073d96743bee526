# The Wine environment every Windows script runs programs in, sourced by each:
#   TRELVO_WINEPREFIX  the prefix (default build/wine-prefix, or build/wine-prefix-DPI)
#   TRELVO_WINE_DPI    a screen of that many dots per inch (say 144, as Windows at 150 %)
# `wine_prefix_ready` makes the prefix on first use, once even when tests start side by side.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
wine_dpi=${TRELVO_WINE_DPI:-}
export WINEPREFIX=${TRELVO_WINEPREFIX:-$repo/build/wine-prefix${wine_dpi:+-$wine_dpi}}
export WINEDEBUG=-all
# No Mono or Gecko: nothing here is .NET or HTML, and their installers would ask. No
# winemenubuilder: the shortcuts a setup program makes in the prefix stay there, rather than
# becoming entries in the Linux user's own desktop menus and file associations.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

wine_prefix_ready() {
    local ready=$WINEPREFIX/.trelvo-ready
    [ -e "$ready" ] && return 0
    mkdir -p "$(dirname "$WINEPREFIX")"
    (
        flock 9
        [ -e "$ready" ] && exit 0
        echo "making the Wine prefix $WINEPREFIX (once; it takes a while)" >&2
        wineboot -i >/dev/null 2>&1
        # A program that crashes ends with its backtrace on the console: no dialog waits.
        wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
            >/dev/null 2>&1
        # No window manager under xvfb-run: windows that close must not wait 2 s for one;
        # and "Arial", the editor's font, is found (Liberation Sans has its measures).
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ \
            /d 'Liberation Sans' /f >/dev/null 2>&1
        if [ -n "$wine_dpi" ]; then
            wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$wine_dpi" /f \
                >/dev/null 2>&1
        fi
        touch "$ready"
    ) 9>"$WINEPREFIX.lock"
}
