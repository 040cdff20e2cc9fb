#!/bin/sh
# Installs the Debian packages the build needs (only those missing), then
# configures and builds in build/. Shared by run.sh and test.sh.
set -eu
cd "$(dirname "$0")/.."

PACKAGES="cmake g++ make qt6-base-dev libgl-dev sqlite3 libsqlite3-dev zlib1g-dev fonts-dejavu-core poppler-utils clang-format"
PACKAGES="$PACKAGES qt6-l10n-tools"
# Callers may ask for more (the package build needs dpkg-dev).
PACKAGES="$PACKAGES ${TARVENOR_EXTRA_PACKAGES:-}"
PACKAGES="$PACKAGES libical-dev pkg-config python3-icalendar"
PACKAGES="$PACKAGES libcups2-dev cups cups-client printer-driver-cups-pdf" # printing; the service and a PDF printer for its tests
PACKAGES="$PACKAGES pkg-config libsodium-dev minisign"
# Office mode: libpq for the program, a PostgreSQL 15 server for its tests.
PACKAGES="$PACKAGES libpq-dev pkg-config postgresql-15"
PACKAGES="$PACKAGES libstemmer-dev"
missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends $missing
fi

BUILD_DIR="${TARVENOR_BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release ${TARVENOR_CMAKE_ARGS:-}
cmake --build "$BUILD_DIR" -j2 ${TARVENOR_BUILD_TARGETS:+--target $TARVENOR_BUILD_TARGETS}
