#!/bin/sh
# Sets up, builds and starts the program on the demo catalogue.
set -eu
cd "$(dirname "$0")"
./scripts/setup.sh
exec ./build/tarvenor "$@"
