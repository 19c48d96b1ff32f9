#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, if anything is missing.
# Every program that run.sh, test.sh, bench.sh, tools/, .ci/run and the build's own
# commands call is checked here by the name they call it, beside the package that
# brings it; a program they stop calling goes from this list too.
set -eu
need=()
have() { command -v "$1" >/dev/null 2>&1; }
# needs PACKAGE PROGRAM...: the package is installed unless every program is there.
needs() {
  local package=$1 program
  shift
  for program in "$@"; do
    if ! have "$program"; then
      need+=("$package")
      return
    fi
  done
}
needs cmake cmake ctest
needs make make
needs g++ gcc g++
needs gcc-mingw-w64-x86-64-posix x86_64-w64-mingw32-gcc-posix
needs g++-mingw-w64-x86-64-posix x86_64-w64-mingw32-g++-posix
needs binutils-mingw-w64-x86-64 x86_64-w64-mingw32-windres
needs gcc-mingw-w64-i686-posix i686-w64-mingw32-gcc-posix      # the 32-bit x86 build
needs g++-mingw-w64-i686-posix i686-w64-mingw32-g++-posix
needs binutils-mingw-w64-i686 i686-w64-mingw32-windres
needs wine wineserver
[ -x /usr/lib/wine/wine64 ] || need+=(wine64)  # the loader every Wine session starts with
# The 32-bit loader, to which the 64-bit one hands 32-bit programs; from the i386 architecture.
[ -x /usr/lib/wine/wine ] || need+=(wine32:i386)
needs xvfb Xvfb
needs x11-utils xwininfo                       # run.sh: is there a desktop to show on
needs fp-utils chmcmd                          # the editor's help
needs libc-bin iconv
[ -f /usr/include/zlib.h ] || need+=(zlib1g-dev)  # the artwork generator writes PNG images into the icon
needs e2fsprogs chattr                         # the editor's read-only folder test
needs util-linux setsid
needs coreutils basename cat cp dirname id ln mkdir mkfifo mktemp nproc rm seq sleep sort stat touch truncate
needs findutils find
needs grep grep
needs dash sh
needs xorriso xorriso                          # the image tests read images back with these
needs libarchive-tools bsdtar
needs genisoimage isoinfo
needs clang clang clang++                         # the fuzz targets
# libFuzzer's runtime (-fsanitize=fuzzer) is only a recommendation of clang's, so it is named.
{ have clang && [ -f "$(clang --print-runtime-dir)/libclang_rt.fuzzer-x86_64.a" ]; } || need+=(libclang-rt-dev)
[ -f /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
[ -d /usr/src/googletest/googletest ] || need+=(googletest)
[ -f /usr/include/benchmark/benchmark.h ] || need+=(libbenchmark-dev)
[ -f /usr/share/i18n/locales/ru_RU ] || need+=(locales)  # the locales below
if [ ${#need[@]} -gt 0 ]; then
  echo "Installing: ${need[*]}"
  if [ "$(id -u)" != 0 ]; then
    echo "install-deps: run as root, or install these packages: ${need[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  case " ${need[*]} " in
    *:i386*) dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386 ;;
  esac
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
# Wine takes a program's interface language from the locale: the Windows tests run the
# programs in Russian and English locales, which must exist (else Wine falls back to
# ASCII file names).
for name in ru_RU en_US; do
  locale -a 2>/dev/null | grep -qx "$name.utf8" && continue
  if [ "$(id -u)" != 0 ]; then
    echo "install-deps: run as root, or make the locale: localedef -i $name -f UTF-8 $name.UTF-8" >&2
    exit 1
  fi
  localedef -i "$name" -f UTF-8 "$name.UTF-8"
done
