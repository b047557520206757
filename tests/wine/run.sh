#!/bin/sh
# Runs a Windows program under wine64 in the prefix of one build tree.
# Usage: run.sh WINE_DIR PROGRAM.exe [ARGUMENTS...]
set -eu
wine_dir=$1
shift
[ -f "$wine_dir/prefix/system.reg" ] || "$(dirname "$0")/prefix.sh" "$wine_dir"
export WINEPREFIX="$wine_dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec /usr/lib/wine/wine64 "$@"
