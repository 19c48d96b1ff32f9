#!/usr/bin/env bash
# Builds and runs every benchmark and prints each figure on a line of its own:
#   figure: NAME = VALUE UNIT
# Native benchmarks run from an optimised build without sanitizers (build/bench);
# the Windows ones run under Wine in the Windows tree's session (build/windows).
set -eu
root=$(cd "$(dirname "$0")" && pwd)
"$root/tools/install-deps.sh"
"$root/tools/configure.sh" bench >/dev/null
"$root/tools/configure.sh" windows >/dev/null

log="$root/build/bench.log"
: >"$log"
run() {  # a benchmark's own output goes to the log; its figures to the screen
  "$@" >>"$log" 2>&1 || echo "bench: $* failed (see $log)" >&2
}

while IFS= read -r exe; do run "$exe"; done < <(find "$root/build/bench/bench" -type f -name 'bench_*' -perm -u+x | sort)

# The catalogue's libFuzzer targets (clang), each for a fixed number of inputs from its
# seed corpus in bench/fuzz/corpus; new inputs go to build/fuzz/work, never to the
# repository. A crash, a sanitizer report or a lossy round trip fails the whole run.
"$root/tools/configure.sh" fuzz --target catalogue_fuzz_reader catalogue_fuzz_roundtrip catalogue_fuzz_utf8 >/dev/null
fuzz_failed=0
fuzz() {  # NAME MAX_LEN
  local work="$root/build/fuzz/work/$1"
  rm -rf "$work" && mkdir -p "$work"
  if ! "$root/build/fuzz/bench/fuzz/catalogue_fuzz_$1" -runs=1000000 -max_len="$2" \
      -artifact_prefix="$root/build/fuzz/" "$work" "$root/bench/fuzz/corpus/$1" >>"$log" 2>&1; then
    echo "bench: FAILED: catalogue_fuzz_$1 found a crash, a sanitizer report or a lossy round trip;" \
         "the input is saved under build/fuzz/ (see $log)" >&2
    fuzz_failed=1
  fi
}
fuzz reader 4096
fuzz roundtrip 512
fuzz utf8 4096

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

grep -a '^figure: ' "$log" || true
exit $fuzz_failed
