#!/bin/sh
# Starts the English program under Wine, in a prefix of its own under build/.
# Without a display, runs it under Xvfb and saves a screenshot to dist/.
set -eu
cd "$(dirname "$0")/.."
wine_dir=build/run-wine
program=dist/skelda.exe
wine=/usr/lib/wine/wine
if [ ! -x "$wine" ] || ! ./scripts/can-run-32bit.sh; then
    echo "run: this machine cannot run 32-bit Windows programs; starting the 64-bit twin dist/x64/skelda.exe"
    program=dist/x64/skelda.exe
    wine=/usr/lib/wine/wine64
fi
tests/wine/prefix.sh "$wine_dir"
export WINEPREFIX="$PWD/$wine_dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec "$wine" "$program"
fi

display=:97
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY="$display"
tries=0
until xdpyinfo >/dev/null 2>&1; do
    sleep 0.2
    tries=$((tries + 1))
    [ "$tries" -lt 50 ] || { echo "run: Xvfb did not start" >&2; exit 1; }
done
"$wine" "$program" &
sleep 8
import -window root dist/skelda-screenshot.png
echo "run: no display here; ran under Xvfb, screenshot saved to dist/skelda-screenshot.png"
/usr/lib/wine/wineserver -k || true
wait || true
