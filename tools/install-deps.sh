#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, if anything is missing.
set -eu
need=()
have() { command -v "$1" >/dev/null 2>&1; }
have cmake || need+=(cmake)
have g++ || need+=(g++)
have make || need+=(make)
have x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix)
have x86_64-w64-mingw32-windres || need+=(binutils-mingw-w64-x86-64)
have wine || need+=(wine wine64)
have Xvfb || need+=(xvfb xauth)
have chmcmd || need+=(fp-utils)
have convert || need+=(imagemagick)
have clang || need+=(clang)
have clang++ || need+=(clang)
# libFuzzer's runtime (-fsanitize=fuzzer) is only a recommendation of clang's, so it is named.
{ have clang && [ -f "$(clang --print-runtime-dir)/libclang_rt.fuzzer-x86_64.a" ]; } || need+=(libclang-rt-dev)
have xwininfo || need+=(x11-utils)
have iconv || need+=(libc-bin)
have chattr || need+=(e2fsprogs)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
[ -d /usr/src/googletest/googletest ] || need+=(googletest)
[ -f /usr/include/benchmark/benchmark.h ] || need+=(libbenchmark-dev)
if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  if [ "$(id -u)" != 0 ]; then
    echo "install-deps: run as root, or install these packages: ${need[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
