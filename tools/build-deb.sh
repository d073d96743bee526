#!/usr/bin/env bash
# Builds the Debian package dist/trelvo_<version>_amd64.deb: installs what is missing (the
# build's packages, and dpkg-dev, fakeroot and file, which cpack's Debian generator runs),
# builds the release preset (build/release) and packs what its install rules install
# (cmake/packaging.cmake). Arguments go on to the release configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib/common.sh

step "Packages"
bash tools/install-deps.sh package || fail "installing the packages"

step "Release build (build/release)"
cmake --preset release "$@" || fail "configuring build/release"
cmake --build --preset release || fail "building build/release"

step "Debian package"
(cd build/release && cpack -G DEB) || fail "packing the Debian package"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release/CMakeCache.txt)
deb=trelvo_${version}_$(dpkg --print-architecture).deb
mkdir -p dist
cp build/release/"$deb" dist/ || fail "cpack left no build/release/$deb"
ls -l "dist/$deb"
dpkg-deb --info "dist/$deb"
