#!/bin/sh
# Succeeds when this machine can execute 32-bit x86 Linux programs, natively
# or through a binfmt_misc entry (qemu-user), which 32-bit Wine needs.
[ -x /usr/lib/wine/wine ] || exit 1
/usr/lib/wine/wine --version >/dev/null 2>&1
