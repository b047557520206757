#!/bin/sh
# Installs what building and testing need, from Debian's packages. Idempotent:
# does nothing when every package is already there.
set -eu

PKGS="cmake make g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 \
binutils-mingw-w64-x86-64 mingw-w64-tools wine64 xvfb xauth x11-utils imagemagick \
googletest python3-pefile icoutils"

missing=""
for p in $PKGS; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "setup: installing$missing"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
