#!/bin/sh
# Runs the 32-bit programs themselves under 32-bit Wine, on Xvfb, in a 32-bit
# prefix of their own under build/. Slow where 32-bit code is emulated.
set -eu
cd "$(dirname "$0")/.."
wine_dir="$PWD/build/wine32"
export WINEARCH=win32 WINEPREFIX="$wine_dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine
wineserver=/usr/lib/wine/wineserver
started=$(date +%s)
say() { echo "test32 [$(( $(date +%s) - started ))s]: $*"; }

display=:98
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap '"$wineserver" -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY="$display"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    say "booting a 32-bit prefix"
    mkdir -p "$wine_dir"
    timeout 1800 "$wine" wineboot -i >/dev/null 2>&1 </dev/null
    timeout 600 "$wineserver" -w
fi

failed=0
for program in dist/skelda.exe dist/skelda_francais.exe; do
    say "starting $program"
    # The window arrives with a later change; until then the program ends
    # at once, and its exit code must be 0.
    status=0
    timeout 600 "$wine" "$program" </dev/null >/dev/null 2>&1 || status=$?
    if [ "$status" -eq 0 ]; then
        say "$program: exit code 0, ok"
    else
        say "$program: exit code $status, FAILED"
        failed=1
    fi
done
exit $failed
