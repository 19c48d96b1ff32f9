#!/usr/bin/env bash
# Builds everything and runs every test: the native core tests (with sanitizers),
# then the Windows programs' tests under Wine on a virtual display.
set -eu
root=$(cd "$(dirname "$0")" && pwd)
"$root/tools/install-deps.sh"
"$root/tools/configure.sh" native
"$root/tools/configure.sh" windows
status=0
(cd "$root/build/native" && ctest --output-on-failure) || status=1
(cd "$root/build/windows" && ctest --output-on-failure) || status=1
exit $status
