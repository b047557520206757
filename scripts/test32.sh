#!/bin/sh
# Runs the 32-bit programs themselves under 32-bit Wine, on Xvfb, in a 32-bit
# prefix of their own under build/. Slow where 32-bit code is emulated: each
# Wine process start can take a minute, and a fresh prefix ten or more.
set -eu
cd "$(dirname "$0")/.."
wine_dir="$PWD/build/wine32"
export WINEARCH=win32 WINEPREFIX="$wine_dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=/usr/lib/wine/wine
wineserver=/usr/lib/wine/wineserver
# Written only once a boot has finished: a crashed or timed-out boot leaves
# a prefix that has system.reg but lacks kernel32.dll, where every program
# then dies with exit code 53 (STATUS_DLL_NOT_FOUND).
ready="$wine_dir/prefix.ready"
boot_log="$wine_dir/boot.log"
started=$(date +%s)
say() { echo "test32 [$(( $(date +%s) - started ))s]: $*"; }

# A display of our own, so a window never lands on someone else's.
n=98
while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
display=":$n"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap '"$wineserver" -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY="$display"

# Wine's boot keeps helper processes (explorer, plugplay, ...) that may
# never leave on their own here, so "wineserver -w" alone can wait forever.
stop_wine() {
    "$wineserver" -k 2>/dev/null || true
    timeout 120 "$wineserver" -w 2>/dev/null || true
}

if [ ! -f "$ready" ]; then
    say "booting a 32-bit prefix in $WINEPREFIX"
    stop_wine
    rm -rf "$WINEPREFIX" "$ready"
    mkdir -p "$wine_dir"
    t0=$(date +%s)
    # The first process gives up waiting for the boot after five minutes
    # and may then exit 53 while the boot goes on, so its status says
    # nothing; the boot's own last line does.
    "$wine" wineboot -i </dev/null >"$boot_log" 2>&1 &
    first=$!
    deadline=$((t0 + 1800))
    until grep -q "has been updated" "$boot_log"; do
        if [ "$(date +%s)" -ge "$deadline" ]; then
            say "prefix boot did not finish in $((deadline - t0))s; see $boot_log"
            stop_wine
            exit 1
        fi
        sleep 5
    done
    stop_wine
    wait $first 2>/dev/null || true
    if [ ! -f "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ]; then
        say "prefix boot ended without kernel32.dll; see $boot_log"
        exit 1
    fi
    crashes=$(grep -c "uncaught target signal" "$boot_log" || true)
    touch "$ready"
    say "prefix booted in $(( $(date +%s) - t0 ))s ($crashes emulator crashes during the boot)"
else
    say "reusing the 32-bit prefix in $WINEPREFIX"
fi

# One run of the 32-bit acceptance driver per program: it starts the
# program, drives it as a user would and closes it (tests/acceptance).
driver="$PWD/build/i686-w64-mingw32/tests/acceptance/acceptance_driver.exe"
windows() { printf 'Z:%s' "$1" | tr / '\\'; }
export HALVEX_SLOW=20
failed=0
for entry in skelda:english skelda_francais:french; do
    name=${entry%:*}
    language=${entry##*:}
    out="$PWD/build/wine32/acceptance/$name"
    mkdir -p "$out"
    # Cleared before the watcher starts: a marker left by an earlier run
    # would end the watcher at once, and no screenshot would be taken.
    rm -f "$out/window.png" "$out/shot-request" "$out/shot-done" "$out/finished"
    (
        while [ ! -f "$out/finished" ]; do
            if [ -f "$out/shot-request" ]; then
                rm -f "$out/shot-request"
                import -window root -crop 820x520+0+0 "$out/window.png" 2>/dev/null || true
                touch "$out/shot-done"
            fi
            sleep 0.5
        done
    ) &
    watcher=$!
    say "driving dist/$name.exe ($language)"
    t0=$(date +%s)
    status=0
    timeout 3600 "$wine" "$driver" "$(windows "$PWD/dist/$name.exe")" "$language" "$(windows "$out")" \
        </dev/null >"$out/driver.log" 2>&1 || status=$?
    touch "$out/finished"
    wait $watcher 2>/dev/null || true
    took=$(( $(date +%s) - t0 ))
    grep -E '^(FAILED|[0-9]+ failure)' "$out/driver.log" || true
    if [ "$status" -eq 0 ]; then
        say "$name: all checks passed in ${took}s (log: $out/driver.log)"
    else
        say "$name: driver exit code $status after ${took}s, FAILED (log: $out/driver.log)"
        failed=1
    fi
done
stop_wine
exit $failed
