#!/bin/sh
# Runs the benchmarks (the export, and the list fill with the start-up) in a
# fresh prefix of their own, on an Xvfb display of their own.
set -eu
cd "$(dirname "$0")/.."
tree=build/x86_64-w64-mingw32
wine_dir="$PWD/build/bench-wine"

. tests/wine/xvfb.sh
start_xvfb bench

tests/wine/session.sh start "$wine_dir" "$tree/tests/wine_idle.exe"
trap 'tests/wine/session.sh stop "$wine_dir"; kill $xvfb 2>/dev/null || true' EXIT
echo "== export"
tests/wine/run.sh "$wine_dir" "$tree/tests/export_bench.exe"
echo "== list fill and start-up"
tests/wine/run.sh "$wine_dir" "$tree/tests/list_bench.exe"
