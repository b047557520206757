# Sourced: starts an Xvfb display of its own (the server picks a free
# number), exports DISPLAY and leaves the server's process ID in $xvfb.
# Usage: . tests/wine/xvfb.sh; start_xvfb NAME   (NAME prefixes the error)
start_xvfb() {
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
    xvfb=$!
    tries=0
    while [ ! -s "$display_file" ]; do
        sleep 0.1
        tries=$((tries + 1))
        [ "$tries" -lt 100 ] || { echo "$1: Xvfb did not start" >&2; exit 1; }
    done
    export DISPLAY=":$(cat "$display_file")"
    rm -f "$display_file"
}
