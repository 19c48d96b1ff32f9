#!/usr/bin/env bash
# Configures the project's build trees under build/ (once) and builds them.
#   configure.sh native|windows|windows32|bench|fuzz [cmake --build arguments...]
# windows is the x64 build, windows32 the 32-bit x86 one (what the sample disc ships).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
kind=${1:?usage: configure.sh native|windows|windows32|bench|fuzz}
shift
dir="$root/build/$kind"
case "$kind" in
  native) args=(-DCMAKE_BUILD_TYPE=Debug -DDISCFRONT_SANITIZE=ON) ;;
  bench) args=(-DCMAKE_BUILD_TYPE=Release -DDISCFRONT_SANITIZE=OFF -DDISCFRONT_TESTS=OFF -DDISCFRONT_BENCH=ON) ;;
  fuzz) args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
              -DDISCFRONT_SANITIZE=OFF -DDISCFRONT_TESTS=OFF -DDISCFRONT_FUZZ=ON) ;;
  windows) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" -DDISCFRONT_BENCH=ON) ;;
  windows32) args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake" -DDISCFRONT_BENCH=ON) ;;
  *) echo "configure.sh: unknown build $kind" >&2; exit 2 ;;
esac
# Configured every time: parts are picked up by the folders that exist.
cmake -S "$root" -B "$dir" "${args[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)" "$@"
