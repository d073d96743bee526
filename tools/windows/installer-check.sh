#!/usr/bin/env bash
# The setup program under Wine, run by wine-checks.sh inside xvfb-run:
#   installer-check.sh SETUP_EXE STAGE_FOLDER
# In a Wine prefix of its own, made anew each time (build/wine-installer-prefix): a silent
# install puts STAGE_FOLDER's files, the Start-menu shortcuts and the registry entries in
# place; trelvo.exe, started by its shortcut, shows its window; then the silent uninstaller
# leaves the prefix as it found it, the user's own .txt default program included.
set -uo pipefail
setup=$(realpath "$1")
stage=$(realpath "$2")
cd "$(dirname "$0")/../.."
source tools/lib/common.sh
prefix=$PWD/build/wine-installer-prefix
export TRELVO_WINEPREFIX=$prefix
source tools/windows/wine-env.sh

wine_run=$PWD/tools/windows/wine-run.sh
scratch=$(mktemp -d)
trap 'wineserver -k 2>/dev/null; rm -rf "$scratch"' EXIT

checked() {
    ((failures == 0)) && echo "Setup program: installed, started and uninstalled cleanly"
    finish
}
wine_do() { timeout 120 bash "$wine_run" "$@" </dev/null; }
# A registry value's data (NAME "" for the key's default value), or nothing and status 1.
reg_value() { # KEY NAME
    local which=(/v "$2") label=$2
    [ -n "$2" ] || { which=(/ve); label="(Default)"; }
    wine_do reg query "$1" "${which[@]}" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$label *REG_[A-Z_]* *//p" | grep .
}
# What uninstalling must give back: the prefix's files outside Windows' own folder, and
# the user's registry but for the settings of Wine and of the console, which Wine writes as
# programs run.
snapshot() {
    (cd "$prefix/drive_c" && find . -path ./windows -prune -o -print | sort) >"$scratch/$1.files"
    wine_do reg export HKCU "$scratch/$1.reg" /y >/dev/null 2>&1
    iconv -f UTF-16LE -t UTF-8 "$scratch/$1.reg" | tr -d '\r' |
        awk '/^\[/ { skip = /^\[HKEY_CURRENT_USER\\(Software\\Wine|Console)[]\\]/ } !skip' \
            >"$scratch/$1.registry"
}

rm -rf "$prefix"
wine_prefix_ready || fail "making the Wine prefix $prefix"
# One server for the whole check; Wine's background processes start with its first program,
# here on /dev/null, so that they hold no pipe that a check below reads.
wineserver -p
wine_do cmd /c exit >/dev/null 2>&1

# The prefix as a Windows user's profile is: the per-user programs folder and the registry
# keys that a fresh Wine prefix lacks but Windows has, which are not the setup's to remove;
# and a default program for .txt files, chosen by the user, which the setup must not touch.
local_appdata=$(winepath -u "$(wine_do cmd /c echo %LOCALAPPDATA% | tr -d '\r')")
appdata=$(winepath -u "$(wine_do cmd /c echo %APPDATA% | tr -d '\r')")
mkdir -p "$local_appdata/Programs"
wine_do reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' /f >/dev/null
wine_do reg add 'HKCU\Software\Classes\Applications' /f >/dev/null
wine_do reg add 'HKCU\Software\Classes\.txt' /ve /d txtfile /f >/dev/null
snapshot before

echo "== Silent install of $(basename "$setup")"
wine_do "$setup" /S || fail "the silent install ended with status $?"
folder=$local_appdata/Programs/Trelvo
menu="$appdata/Microsoft/Windows/Start Menu/Programs/Trelvo"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Trelvo'

diff -r -x uninstall.exe "$stage" "$folder" || failed "the installed files differ from the staged ones"
[ -f "$folder/uninstall.exe" ] || failed "no uninstaller in $folder"
shortcuts=(Trelvo "Uninstall Trelvo")
[ -e "$stage/Vantrel37.exe" ] && shortcuts+=(Vantrel)
for shortcut in "${shortcuts[@]}"; do
    [ -f "$menu/$shortcut.lnk" ] || failed "no Start-menu shortcut $shortcut.lnk"
done

folder_windows=$(winepath -w "$folder")
expect_value() { # KEY VALUE EXPECTED
    local got
    got=$(reg_value "$1" "$2")
    [ "$got" = "$3" ] || failed "$1 $2 is '$got', not '$3'"
}
# build-windows.sh names the setup program trelvo-VERSION-setup.exe.
version=$(basename "$setup" | sed -n 's/^trelvo-\(.*\)-setup\.exe$/\1/p')
expect_value "$uninstall_key" DisplayName "Trelvo $version"
expect_value "$uninstall_key" DisplayVersion "$version"
expect_value "$uninstall_key" Publisher Trelvo
expect_value "$uninstall_key" InstallLocation "$folder_windows"
expect_value "$uninstall_key" UninstallString "\"$folder_windows\\uninstall.exe\""
expect_value "$uninstall_key" QuietUninstallString "\"$folder_windows\\uninstall.exe\" /S"
expect_value 'HKCU\Software\Classes\Applications\trelvo.exe\shell\open\command' '' \
    "\"$folder_windows\\trelvo.exe\" \"%1\""
wine_do reg query 'HKCU\Software\Classes\.txt\OpenWithList\trelvo.exe' >/dev/null 2>&1 ||
    failed "trelvo.exe is not in the .txt files' Open with list"
expect_value 'HKCU\Software\Classes\.txt' '' txtfile

echo "== Trelvo, started by its Start-menu shortcut"
wine_do start /unix "$menu/Trelvo.lnk" >/dev/null 2>&1 || failed "starting Trelvo.lnk"
window=$(timeout 60 xdotool search --sync --onlyvisible --name '^ TRELVO V\.[0-9.]*$' | head -1)
if [ -z "$window" ]; then
    failed "no Trelvo window within 60 s of starting its shortcut"
else
    # Wine gives each window the Linux process id of its program: the installed one, not
    # the build's, is running.
    pid=$(xdotool getwindowpid "$window")
    tr '\0' ' ' <"/proc/$pid/cmdline" | grep -qiF "$folder_windows\\trelvo.exe" ||
        failed "the Trelvo window is not the installed program's: $(tr '\0' ' ' <"/proc/$pid/cmdline")"
    kill "$pid"
    timeout 30 tail --pid="$pid" -f /dev/null
fi

echo "== Silent uninstall"
# The uninstaller copies itself elsewhere, starts the copy and ends at once; run as such a
# copy (_?= names the folder) it does the work before it ends, so it can be waited for.
uninstaller=$(reg_value "$uninstall_key" UninstallString | tr -d '"')
cp "$(winepath -u "$uninstaller")" "$scratch/uninstall.exe" || failed "no uninstaller at $uninstaller"
wine_do "$scratch/uninstall.exe" /S "_?=$folder_windows" || failed "the uninstaller ended with status $?"
snapshot after
diff "$scratch/before.files" "$scratch/after.files" ||
    failed "files left behind after uninstalling (>), or gone that were there before (<)"
diff "$scratch/before.registry" "$scratch/after.registry" ||
    failed "registry entries left behind after uninstalling (>), or gone that were there before (<)"
checked
