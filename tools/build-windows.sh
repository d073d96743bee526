#!/usr/bin/env bash
# Builds Trelvo for 64-bit Windows on Debian and checks it under Wine:
#   1. installs what is missing (mingw-w64, Wine, Xvfb, zip);
#   2. builds, for Linux (build/windows/linux-host), the trelvo-batch to compare with and the
#      generator of random trusses to compare on, the tool that draws trelvo.exe's toolbar
#      pictures and icon, and draws them, and the Qt viewer's picture of the help example's
#      results file, which the Windows viewer's painter is compared with;
#   3. cross-compiles build/windows (the windows preset: cmake/mingw-w64-x86_64.cmake,
#      warnings as errors);
#   4. packs, with cpack, what the install rules install (cmake/packaging.cmake):
#      dist/trelvo-<version>-win64.zip, trelvo.exe and Vantrel37.exe (unless the Win32 front
#      ends are left out), trelvo-batch.exe, README.txt (CR LF) and examples/; and the setup
#      program dist/trelvo-<version>-setup.exe (cmake/packaging/NSIS.template.in), which
#      needs trelvo.exe;
#   5. under xvfb-run, in the Wine prefix build/wine-prefix: runs the Windows tests (ctest)
#      and checks that trelvo-batch.exe --stdout gives the Linux program's bytes and exit
#      status for every deck in examples/ and tests/corpus/decks/ and 540 random trusses,
#      and writes a results file under a name outside the code page; then, in a prefix of its
#      own, installs, starts and uninstalls the setup program (installer-check.sh).
# The executables need no DLL beyond Windows' own. Arguments are passed on to the Windows
# build's cmake configure step (-DTRELVO_BUILD_GUI=OFF, say) and stay in its cache.
set -euo pipefail
cd "$(dirname "$0")/.."

source tools/lib/common.sh

# Where the presets windows and windows-host-tools build, and the folders the first names.
build=build/windows
linux_build=$build/linux-host
pictures=$PWD/$build/pictures
viewer_reference=$PWD/$build/viewer-reference
triplet=x86_64-w64-mingw32

step "Packages"
bash tools/install-deps.sh windows || fail "installing the packages"

step "Linux trelvo-batch and random trusses to compare with, and trelvo.exe's pictures ($linux_build)"
cmake --preset windows-host-tools >/dev/null || fail "configuring $linux_build"
cmake --build "$linux_build" --target trelvo-batch random_trusses write_win32_pictures \
    write_opening_view ||
    fail "building $linux_build"
mkdir -p "$pictures"
"$linux_build/qt/common/write_win32_pictures" "$pictures" || fail "drawing the pictures"

step "The Qt viewer's picture of the help example's results file ($viewer_reference)"
mkdir -p "$viewer_reference"
cp examples/help-example.txt "$viewer_reference/"
"$linux_build/app/batch/trelvo-batch" "$viewer_reference/help-example.txt" >/dev/null ||
    fail "analysing the help example"
"$linux_build/qt/viewer/write_opening_view" "$viewer_reference/help-example-RZ.TXT" 800 450 \
    "$viewer_reference/help-example.png" || fail "painting the help example's results"

step "Windows build ($build)"
cmake --preset windows "$@" || fail "configuring $build"
cmake --build --preset windows || fail "building $build"

# Only Windows' own DLLs may be imported: anything else would have to be shipped. Wine
# implements each of those, and the runtime libraries of compilers (Visual C++'s too).
wine_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
programs=("$build/app/batch/trelvo-batch.exe")
for gui_program in "$build/app/trelvo/trelvo.exe" "$build/app/vantrel/Vantrel37.exe"; do
    if [ -e "$gui_program" ]; then
        programs+=("$gui_program")
    fi
done
# The DLLs bound on first call are not in the import table that objdump lists (GNU ld
# leaves the delay-import directory empty): their import libraries are made from the
# .def files in win32/common/delay_loaded, whose LIBRARY lines name them.
delay_loaded=$(sed -n 's/^LIBRARY //p' win32/common/delay_loaded/*.def | tr '\n' ' ')
step "DLLs the programs import"
for program in "${programs[@]}"; do
    dlls=$("$triplet-objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')
    if [ "$(basename "$program")" != trelvo-batch.exe ]; then
        dlls+=" $delay_loaded"
    fi
    echo "$program: $dlls"
    for dll in $dlls; do
        dll=${dll,,}
        case "$dll" in
            msvcp1* | vcruntime* | concrt*) fail "$program needs $dll, which Windows does not have" ;;
        esac
        [ -e "$wine_dlls/$dll" ] || fail "$program needs $dll, which Windows does not have"
    done
done

# Every program carries the manifest (common controls 6, per-monitor DPI, long paths).
for program in "${programs[@]}"; do
    "$triplet-objdump" -h "$program" | grep -q '\.rsrc' || fail "$program has no resources"
    grep -q 'PerMonitorV2' "$program" || fail "$program carries no manifest"
done

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
zip_path=dist/trelvo-$version-win64.zip
setup_path=dist/trelvo-$version-setup.exe
# The setup program starts and registers trelvo.exe: a build without it gets only the zip.
generators=ZIP
[ -e "$build/app/trelvo/trelvo.exe" ] && generators="ZIP;NSIS"
step "Packing with cpack -G $generators: what the install rules install"
rm -f "$zip_path" "$setup_path"
mkdir -p dist
(cd "$build" && cpack -G "$generators") || fail "packing with cpack -G $generators"
cp "$build/$(basename "$zip_path")" "$zip_path" || fail "cpack made no $zip_path"
unzip -l "$zip_path"
stage=""
if [[ $generators == *NSIS* ]]; then
    cp "$build/$(basename "$setup_path")" "$setup_path" || fail "cpack made no $setup_path"
    ls -l "$setup_path"
    # The folder cpack installed the files to and packed them from, which the setup
    # program's install is compared with. (Another install would not do: stripping
    # stamps each program with the time.)
    stage=$(echo "$build"/_CPack_Packages/*/NSIS/"$(basename "$setup_path" .exe)")
    [ -d "$stage" ] || fail "no folder $stage that the setup program was packed from"
else
    step "No setup program: the build has no trelvo.exe"
    setup_path=""
fi

step "Checks under Wine, on a display of Xvfb's"
# Windows programs with windows need a display under Wine; Xvfb's keeps them off any real
# one and works where there is none (CI).
xvfb-run -a -s "-screen 0 1280x1024x24" \
    bash tools/windows/wine-checks.sh "$linux_build/app/batch/trelvo-batch" "$setup_path" "$stage" ||
    fail "the checks under Wine (see above)"
echo "Windows build: done, $zip_path${setup_path:+ and $setup_path}"
