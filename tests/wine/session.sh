#!/bin/sh
# Opens and closes the Wine session of one test run.
#   session.sh start WINE_DIR IDLE.exe   fresh prefix; one Wine process kept
#                                        alive, detached from CTest's pipes
#   session.sh stop WINE_DIR             ends every Wine process of the prefix
# Without the idle process, Wine's helper processes start anew for every
# test and hold CTest's output pipe open for seconds after each one.
set -eu
here=$(dirname "$0")
wine_dir=$2
case "$1" in
start)
    "$here/prefix.sh" "$wine_dir" --fresh
    setsid "$here/run.sh" "$wine_dir" "$3" </dev/null >/dev/null 2>&1 &
    ;;
stop)
    WINEPREFIX="$wine_dir/prefix" /usr/lib/wine/wineserver -k 2>/dev/null || true
    ;;
esac
