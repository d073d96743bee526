#!/usr/bin/env bash
# Writes the setup program's two file lists from the staged files, so that it installs the
# very files the zip holds and its uninstaller removes those by name, and nothing the user
# put beside them:
#   installer-files.sh STAGE_FOLDER OUTPUT_FOLDER
# OUTPUT_FOLDER/install-files.nsh: SetOutPath and File lines, every file of STAGE_FOLDER;
# OUTPUT_FOLDER/uninstall-files.nsh: a Delete line for each, then RMDir (never /r) for each
# subfolder, deepest first, which removes it only once it is empty.
set -euo pipefail

stage=$(cd "$1" && pwd)
out=$2
mkdir -p "$out"

# A name is written into an NSIS string as it is: a quote, a dollar sign or a backquote
# would end the string or be read as a variable.
check_name() {
    case "$1" in
        *[\"\$\`]*)
            echo "installer-files.sh: $1: a name with \", \$ or \` cannot go into the setup" >&2
            exit 1
            ;;
    esac
}

check_name "$stage"
install=$out/install-files.nsh
uninstall=$out/uninstall-files.nsh
echo "; Written by tools/windows/installer-files.sh from $stage" >"$install"
echo "; Written by tools/windows/installer-files.sh from $stage" >"$uninstall"

# Each folder, the top one first, with the files directly in it (sorted: the lists, and so
# the setup program, do not change with the file system's order).
while IFS= read -r -d '' folder; do
    relative=${folder#"$stage"}
    relative=${relative#/}
    check_name "$relative"
    windows=${relative//\//\\}
    echo "SetOutPath \"\$INSTDIR${windows:+\\$windows}\"" >>"$install"
    while IFS= read -r -d '' file; do
        name=$(basename "$file")
        check_name "$name"
        echo "File \"$file\"" >>"$install"
        echo "Delete \"\$INSTDIR\\${windows:+$windows\\}$name\"" >>"$uninstall"
    done < <(find "$folder" -maxdepth 1 -type f -print0 | sort -z)
done < <(find "$stage" -type d -print0 | sort -z)

# The subfolders, deepest first; the install folder itself is the setup script's to remove,
# after the uninstaller.
while IFS= read -r -d '' folder; do
    relative=${folder#"$stage"/}
    echo "RMDir \"\$INSTDIR\\${relative//\//\\}\"" >>"$uninstall"
done < <(find "$stage" -mindepth 1 -type d -print0 | sort -rz)

if ! grep -q '^File ' "$install"; then
    echo "installer-files.sh: no file in $stage" >&2
    exit 1
fi
