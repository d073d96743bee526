#!/usr/bin/env bash
# Installs the Debian packages Trelvo needs to build, run and test, when any is missing.
#   bash tools/install-deps.sh           the Linux build
#   bash tools/install-deps.sh windows   also the Windows cross build and its tests under Wine
#   bash tools/install-deps.sh package   also the Debian package's making and checking
#   bash tools/install-deps.sh web       also the WebAssembly build and its browser tests
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    nlohmann-json3-dev libcli11-dev libfast-float-dev
    qt6-base-dev libgl-dev fonts-liberation
    poppler-utils
    clang libclang-rt-dev
)
for group in "$@"; do
    case "$group" in
        windows)
            packages+=(
                g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
                googletest
                wine wine64 xvfb xauth xdotool zip nsis locales
            )
            ;;
        package) packages+=(dpkg-dev fakeroot file lintian man-db desktop-file-utils) ;;
        web)
            # Emscripten's JavaScript optimiser needs acorn; the browser tests drive Debian's
            # Chromium.
            packages+=(emscripten node-acorn nodejs chromium)
            # npm comes with some builds of nodejs and as a package of its own with Debian's.
            command -v npm >/dev/null || packages+=(npm)
            ;;
        *)
            echo "install-deps.sh: unknown group '$group' (known: windows, package, web)" >&2
            exit 2
            ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "${missing[@]}" </dev/null
fi

# The Windows tests run once more as on a Japanese system, whose code page Wine takes from
# this locale.
if [[ " $* " == *" windows "* ]] && ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
    $sudo localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
