#!/usr/bin/env bash
# Builds everything and runs every test: the native core tests (with sanitizers), then
# the Windows programs' tests under Wine on a virtual display, for the 64-bit build
# (build/windows) and for the 32-bit x86 build (build/windows32, what the disc ships).
# A machine that cannot run 32-bit x86 programs builds the 32-bit tree but cannot run
# its tests: that is said on the last line, and the run does not count as passing them.
set -eu
root=$(cd "$(dirname "$0")" && pwd)
"$root/tools/install-deps.sh"
# The native tree first: the Windows tests compare discpack.exe with its discpack.
"$root/tools/configure.sh" native
"$root/tools/configure.sh" windows
"$root/tools/configure.sh" windows32
status=0
(cd "$root/build/native" && ctest --output-on-failure) || status=1
(cd "$root/build/windows" && ctest --output-on-failure) || status=1
if "$root/tools/can-run-32bit.sh"; then
  (cd "$root/build/windows32" && ctest --output-on-failure) || status=1
else
  echo "test: NOT RUN: the 32-bit build's tests under Wine (this machine cannot run 32-bit x86 programs)" >&2
fi
exit $status
