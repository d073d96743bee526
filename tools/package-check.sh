#!/usr/bin/env bash
# Checks the Debian package as a user of it meets it, on this machine (it needs root, or
# sudo; no display and no standard input):
#   1. builds dist/trelvo_<version>_amd64.deb if it is missing (tools/build-deb.sh);
#   2. lintian: its output is printed, and an error fails the check;
#   3. apt-get installs it: the three programs are on the path, trelvo-batch --version
#      answers, man finds the three manual pages, the desktop entry is valid and opens text
#      files with trelvo (also in the "Open with" list), and each icon is a PNG of its
#      folder's size;
#   4. the installed trelvo-batch analyses the installed example decks into results files
#      byte for byte as the build tree's does with the source tree's decks;
#   5. apt-get purge removes every file the package listed (dpkg -L), and every folder
#      that only it had.
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/lib/common.sh

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
apt_get() { DEBIAN_FRONTEND=noninteractive $sudo apt-get "$@" </dev/null; }

if [ ! -f build/release/CMakeCache.txt ]; then
    bash tools/build-deb.sh || fail "building the Debian package"
fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release/CMakeCache.txt)
deb=dist/trelvo_${version}_$(dpkg --print-architecture).deb
if [ ! -f "$deb" ]; then
    bash tools/build-deb.sh || fail "building $deb"
fi
build_batch=$PWD/build/release/app/batch/trelvo-batch
[ -x "$build_batch" ] || fail "no $build_batch to compare the installed program with"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

step "lintian $deb"
lintian --fail-on error --display-info "$deb" || failed "lintian reports errors in $deb"

step "Installing $deb"
if dpkg-query -W trelvo >/dev/null 2>&1; then
    apt_get purge -y trelvo >/dev/null || fail "purging the trelvo installed before"
fi
apt_get install -y "./$deb" || fail "apt-get install ./$deb"
dpkg -L trelvo | sort >"$scratch/listed"

step "The installed programs, manual pages, desktop entry and icons"
for program in trelvo trelvo-batch Vantrel37.exe; do
    path=$(command -v "$program") || { failed "$program is not on the path"; continue; }
    [ "$path" = "/usr/bin/$program" ] || failed "$program is $path, not the package's"
    man -w "$program" >/dev/null || failed "man finds no page for $program"
done
got=$(trelvo-batch --version) || failed "trelvo-batch --version ended with status $?"
[ "$got" = "trelvo-batch $version" ] || failed "trelvo-batch --version says '$got'"
desktop=/usr/share/applications/trelvo.desktop
if [ -f "$desktop" ]; then
    desktop-file-validate "$desktop" || failed "$desktop is not a valid desktop entry"
    grep -qx 'Exec=trelvo %f' "$desktop" || failed "$desktop does not start trelvo on a file"
    grep -qx 'MimeType=.*text/plain;.*' "$desktop" || failed "$desktop does not open text files"
    # What file managers offer under "Open with", rebuilt by the desktop-file-utils trigger.
    grep -q '^text/plain=.*trelvo\.desktop' /usr/share/applications/mimeinfo.cache ||
        failed "trelvo is not among the programs that open text files (mimeinfo.cache)"
else
    failed "no desktop entry $desktop"
fi
icons=0
while read -r icon; do
    size=$(basename "$(dirname "$(dirname "$icon")")") # .../hicolor/48x48/apps/trelvo.png
    file -b "$icon" | grep -q "^PNG image data, ${size/x/ x }," ||
        failed "$icon is not a ${size} PNG: $(file -b "$icon")"
    icons=$((icons + 1))
done < <(grep '^/usr/share/icons/hicolor/.*/apps/trelvo\.png$' "$scratch/listed")
((icons > 0)) || failed "the package holds no icon"

step "The installed example decks, analysed by the installed trelvo-batch"
decks=0
for deck in /usr/share/doc/trelvo/examples/*.txt; do
    name=$(basename "$deck" .txt)
    cp "$deck" "$scratch/$name.txt"
    (cd "$scratch" && trelvo-batch "$name.txt") || failed "trelvo-batch $deck ended with status $?"
    "$build_batch" --stdout "examples/$name.txt" >"$scratch/$name.expected" ||
        failed "the build's trelvo-batch on examples/$name.txt ended with status $?"
    cmp "$scratch/$name-RZ.TXT" "$scratch/$name.expected" ||
        failed "$name: the installed program's results file differs from the build's"
    decks=$((decks + 1))
done
((decks > 0)) || failed "no example deck in /usr/share/doc/trelvo/examples"

step "Purging trelvo"
apt_get purge -y trelvo || fail "apt-get purge trelvo"
while read -r path; do
    # A folder stays when it holds another's files or another package has it too.
    if [ -d "$path" ] && [ ! -L "$path" ]; then
        [ -z "$(ls -A "$path")" ] && ! dpkg-query -S "$path" >/dev/null 2>&1 &&
            failed "the folder $path was left behind"
    elif [ -e "$path" ] || [ -L "$path" ]; then
        failed "$path was left behind"
    fi
done <"$scratch/listed"
((failures == 0)) && echo "Debian package: lintian, install, use and purge all passed"
finish
