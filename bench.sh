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
