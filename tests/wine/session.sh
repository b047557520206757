#!/bin/sh
# Opens and closes the Wine session of one test run.
#   session.sh start WINE_DIR IDLE.exe   fresh prefix; one Wine process kept
#                                        alive, detached from CTest's pipes
#   session.sh stop WINE_DIR             ends every Wine process of the prefix
# Without the idle process, Wine's helper processes start anew for every
# test and hold CTest's output pipe open for seconds after each one. The
# start waits until the idle process runs, so that no test starts the
# helpers with its own pipes.
set -eu
here=$(dirname "$0")
wine_dir=$2
wineserver=/usr/lib/wine/wineserver
case "$1" in
start)
    "$here/prefix.sh" "$wine_dir" --fresh
    # C:\full\report.txt is the full device: every write to it fails. (The
    # save dialog cannot be pointed at Z:\dev itself: listing it hangs.)
    mkdir -p "$wine_dir/prefix/drive_c/full"
    ln -sf /dev/full "$wine_dir/prefix/drive_c/full/report.txt"
    ready="$wine_dir/prefix/idle-ready"
    rm -f "$ready"
    windows_path="Z:$(printf '%s' "$ready" | tr / '\\')"
    setsid "$here/run.sh" "$wine_dir" "$3" "$windows_path" </dev/null >/dev/null 2>&1 &
    waited=0
    while [ ! -f "$ready" ]; do
        sleep 0.1
        waited=$((waited + 1))
        if [ "$waited" -gt 1200 ]; then
            echo "session: the idle Wine process did not start" >&2
            exit 1
        fi
    done
    ;;
stop)
    WINEPREFIX="$wine_dir/prefix" "$wineserver" -k 2>/dev/null || true
    WINEPREFIX="$wine_dir/prefix" "$wineserver" -w 2>/dev/null || true
    ;;
esac
