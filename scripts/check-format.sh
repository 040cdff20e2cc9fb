#!/bin/sh
# Fails when a C++ file of the project is not in the format of .clang-format.
set -eu
cd "$(dirname "$0")/.."
find src tests bench tools -name '*.cpp' -o -name '*.h' | sort | xargs clang-format --dry-run --Werror
echo "Format: ok"
