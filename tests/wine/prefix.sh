#!/bin/sh
# Makes the Wine prefix of one build tree: WINE_DIR/template is booted once,
# WINE_DIR/prefix is a copy of it. With --fresh the copy is made anew, so a
# test run starts without what an earlier run left behind.
# Usage: prefix.sh WINE_DIR [--fresh]
# With HALVEX_WINE_TEMPLATE set, that booted template is copied instead.
set -eu
wine_dir=$1
fresh=${2:-}
mkdir -p "$wine_dir"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine64=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

exec 9>"$wine_dir/.lock"
flock 9

template="${HALVEX_WINE_TEMPLATE:-$wine_dir/template}"
if [ ! -f "$template/system.reg" ]; then
    rm -rf "$wine_dir/template.boot"
    WINEPREFIX="$wine_dir/template.boot" "$wine64" wineboot -i >/dev/null 2>&1 </dev/null
    WINEPREFIX="$wine_dir/template.boot" "$wineserver" -w
    mv "$wine_dir/template.boot" "$wine_dir/template"
fi

if [ "$fresh" = "--fresh" ] || [ ! -f "$wine_dir/prefix/system.reg" ]; then
    if [ -d "$wine_dir/prefix" ]; then
        WINEPREFIX="$wine_dir/prefix" "$wineserver" -k 2>/dev/null || true
        rm -rf "$wine_dir/prefix"
    fi
    cp -a "$template" "$wine_dir/prefix.copy"
    mv "$wine_dir/prefix.copy" "$wine_dir/prefix"
fi
