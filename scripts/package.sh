#!/bin/sh
# Builds build/tarvenor_VERSION_amd64.deb: the same set-up as the README's
# commands, then CPack's Debian generator in its own build folder (so the
# package never takes the developer's own database).
set -eu
cd "$(dirname "$0")/.."
dir="${TARVENOR_BUILD_DIR:-build-package}"
TARVENOR_EXTRA_PACKAGES="dpkg-dev ${TARVENOR_EXTRA_PACKAGES:-}" TARVENOR_BUILD_DIR="$dir" \
  TARVENOR_BUILD_TARGETS="tarvenor tarvenor-update tarvenor_package_files" \
  TARVENOR_CMAKE_ARGS="-DTARVENOR_PACKAGE=ON -DTARVENOR_TESTS=OFF ${TARVENOR_CMAKE_ARGS:-}" ./scripts/setup.sh
(cd "$dir" && cpack -G DEB)
mkdir -p build
cp "$dir"/tarvenor_*_amd64.deb build/
ls build/tarvenor_*_amd64.deb
