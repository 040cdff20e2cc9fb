#!/bin/sh
# Sets up, builds and runs every test headless; non-zero on any failure.
set -eu
cd "$(dirname "$0")"
./scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
cd "${TARVENOR_BUILD_DIR:-build}"
ctest --output-on-failure -j2
