#!/bin/sh
# Runs the acceptance driver against one built program, on an Xvfb display
# of its own and in a Wine prefix of its own (copied from the tests'
# template), and saves a screenshot of the window as PNG.
# Usage: run_acceptance.sh TESTS_WINE_DIR DRIVER.exe IDLE.exe PROGRAM.exe LANGUAGE OUT_DIR
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
tests_wine_dir=$1 driver=$2 idle=$3 program=$4 language=$5 out=$6
wine_dir="$tests_wine_dir-$(basename "$program" .exe)"
mkdir -p "$out"
rm -f "$out/window.png" "$out/shot-request" "$out/shot-done"

"$here/wine/prefix.sh" "$tests_wine_dir"   # the template exists afterwards
. "$here/wine/xvfb.sh"
start_xvfb acceptance
cleanup() {
    "$here/wine/session.sh" stop "$wine_dir"
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

HALVEX_WINE_TEMPLATE="$tests_wine_dir/template" "$here/wine/session.sh" start "$wine_dir" "$idle"
windows() { printf 'Z:%s' "$1" | tr / '\\'; }
# The driver asks for the screenshot when the window shows a selected row.
(
    while kill -0 $$ 2>/dev/null; do
        if [ -f "$out/shot-request" ]; then
            rm -f "$out/shot-request"
            import -window root -crop 820x520+0+0 "$out/window.png" 2>/dev/null || true
            touch "$out/shot-done"
        fi
        sleep 0.2
    done
) &
status=0
"$here/wine/run.sh" "$wine_dir" "$driver" "$(windows "$program")" "$language" "$(windows "$out")" ||
    status=$?
[ -f "$out/window.png" ] && echo "screenshot: $out/window.png"
exit $status
