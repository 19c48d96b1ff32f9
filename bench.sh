#!/usr/bin/env bash
# Builds and runs every benchmark and prints each figure on a line of its own:
#   figure: NAME = VALUE UNIT
# Native benchmarks run from an optimised build without sanitizers (build/bench);
# the Windows ones run under Wine in the Windows tree's session (build/windows, x64).
# The 32-bit x86 build (build/windows32) gives its own figures, named with "_x86": the
# programs' sizes, and its launcher's start-up against the yardstick built 32-bit.
set -eu
root=$(cd "$(dirname "$0")" && pwd)
"$root/tools/install-deps.sh"
"$root/tools/configure.sh" bench >/dev/null
"$root/tools/configure.sh" windows >/dev/null
"$root/tools/configure.sh" windows32 --target discfront frontsmith discpack bench_startup >/dev/null

log="$root/build/bench.log"
: >"$log"
run() {  # a benchmark's own output goes to the log; its figures to the screen
  "$@" >>"$log" 2>&1 || echo "bench: $* failed (see $log)" >&2
}

while IFS= read -r exe; do run "$exe"; done < <(find "$root/build/bench/bench" -type f -name 'bench_*' -perm -u+x | sort)

# The libFuzzer targets (clang), each for a fixed number of inputs from its
# seed corpus in bench/fuzz/corpus; new inputs go to build/fuzz/work, never to the
# repository. A crash, a sanitizer report or a lossy round trip fails the whole run.
"$root/tools/configure.sh" fuzz --target catalogue_fuzz_reader catalogue_fuzz_roundtrip catalogue_fuzz_utf8 pe_reader_fuzz image_names_fuzz >/dev/null
fuzz_failed=0
fuzz() {  # TARGET MAX_LEN SEEDS
  local work="$root/build/fuzz/work/$1"
  rm -rf "$work" && mkdir -p "$work"
  if ! "$root/build/fuzz/bench/fuzz/$1" -runs=1000000 -max_len="$2" \
      -artifact_prefix="$root/build/fuzz/" "$work" "$3" >>"$log" 2>&1; then
    echo "bench: FAILED: $1 found a crash, a sanitizer report or a wrong result;" \
         "the input is saved under build/fuzz/ (see $log)" >&2
    fuzz_failed=1
  fi
}
fuzz catalogue_fuzz_reader 4096 "$root/bench/fuzz/corpus/reader"
fuzz catalogue_fuzz_roundtrip 512 "$root/bench/fuzz/corpus/roundtrip"
fuzz catalogue_fuzz_utf8 4096 "$root/bench/fuzz/corpus/utf8"
# Seeded with the small program files the fuzz build makes (the tests' table).
fuzz pe_reader_fuzz 8192 "$root/build/fuzz/program-samples"
fuzz image_names_fuzz 512 "$root/bench/fuzz/corpus/image_names"

# The programs speak Russian here, as in the tests (Wine takes a program's interface
# language from the locale; tools/install-deps.sh makes it).
export LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
wine_dir="$root/build/windows/wine"
"$root/tools/wine-session.sh" start "$wine_dir"
trap '"$root/tools/wine-session.sh" stop "$wine_dir"' EXIT
while IFS= read -r exe; do
  run "$root/tools/wine-session.sh" run "$wine_dir" "$exe"
done < <(find "$root/build/windows/bench" -type f -name 'bench_*.exe' | sort)

size_kb() {  # figure: NAME = size of FILE in KB
  if [ -f "$2" ]; then
    echo "figure: $1 = $(( ($(stat -c %s "$2") + 1023) / 1024 )) KB" >>"$log"
  else
    echo "bench: $2 was not built" >&2
  fi
}
size_kb discfront_exe_KB "$root/build/windows/launcher/discfront.exe"
size_kb frontsmith_exe_KB "$root/build/windows/editor/frontsmith.exe"
size_kb discfront_exe_KB_x86 "$root/build/windows32/launcher/discfront.exe"
size_kb frontsmith_exe_KB_x86 "$root/build/windows32/editor/frontsmith.exe"
size_kb discpack_exe_KB "$root/build/windows/discpack/discpack.exe"
size_kb discpack_exe_KB_x86 "$root/build/windows32/discpack/discpack.exe"

# The 32-bit launcher's start-up, in the 32-bit tree's own session.
if "$root/tools/can-run-32bit.sh"; then
  wine32_dir="$root/build/windows32/wine"
  "$root/tools/wine-session.sh" start "$wine32_dir"
  trap '"$root/tools/wine-session.sh" stop "$wine_dir"; "$root/tools/wine-session.sh" stop "$wine32_dir"' EXIT
  "$root/tools/wine-session.sh" run "$wine32_dir" "$root/build/windows32/bench/launcher/bench_startup.exe" 2>&1 |
    sed 's/^figure: \([a-z_]*\)/figure: \1_x86/' >>"$log" || echo "bench: the 32-bit bench_startup failed" >&2
else
  echo "bench: NOT MEASURED: launcher_startup_ratio_x86 (this machine cannot run 32-bit x86 programs)" >&2
fi

grep -a '^figure: ' "$log" || true
exit $fuzz_failed
