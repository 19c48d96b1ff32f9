#!/usr/bin/env bash
# Succeeds when this machine can run 32-bit x86 Windows programs under Wine: the 32-bit
# loader is installed and the kernel starts 32-bit x86 Linux programs, which some
# sandboxes and kernels built without IA-32 emulation do not.
[ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
