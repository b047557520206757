#!/bin/sh
# Runs the export benchmark in a fresh prefix of its own.
set -eu
cd "$(dirname "$0")/.."
tree=build/x86_64-w64-mingw32
wine_dir="$PWD/build/bench-wine"
tests/wine/session.sh start "$wine_dir" "$tree/tests/wine_idle.exe"
trap 'tests/wine/session.sh stop "$wine_dir"' EXIT
tests/wine/run.sh "$wine_dir" "$tree/tests/export_bench.exe" "$@"
