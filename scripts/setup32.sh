#!/bin/sh
# What running the 32-bit programs needs, beyond scripts/setup.sh: the i386
# architecture and wine32 and, where this kernel cannot execute 32-bit code,
# qemu-user-static with a binfmt_misc entry for i386 ELF files. Idempotent.
set -eu
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    $SUDO apt-get update -qq
fi
missing=""
for p in wine32:i386 qemu-user-static; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "setup32: installing$missing"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi

if ./scripts/can-run-32bit.sh; then
    exit 0
fi
binfmt=/proc/sys/fs/binfmt_misc
[ -e "$binfmt/register" ] || $SUDO mount -t binfmt_misc binfmt_misc "$binfmt"
if [ ! -e "$binfmt/qemu-i386" ]; then
    echo "setup32: registering qemu-i386-static for i386 ELF files"
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' |
        $SUDO tee "$binfmt/register" >/dev/null
fi
./scripts/can-run-32bit.sh || { echo "setup32: 32-bit Wine still cannot run" >&2; exit 1; }
