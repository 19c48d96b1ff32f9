#!/usr/bin/env bash
# Configures the project's build trees under build/ (once) and builds them.
#   configure.sh native|windows|bench [cmake --build arguments...]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:?usage: configure.sh native|windows|bench}
shift
dir="$root/build/$kind"
case "$kind" in
  native) args=(-DCMAKE_BUILD_TYPE=Debug -DDISCFRONT_SANITIZE=ON) ;;
  bench) args=(-DCMAKE_BUILD_TYPE=Release -DDISCFRONT_SANITIZE=OFF -DDISCFRONT_TESTS=OFF -DDISCFRONT_BENCH=ON) ;;
  windows) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DDISCFRONT_BENCH=ON) ;;
  *) echo "configure.sh: unknown build $kind" >&2; exit 2 ;;
esac
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$dir" "${args[@]}" >/dev/null
fi
cmake --build "$dir" -j"$(nproc)" "$@"
