#!/usr/bin/env bash
# Ctrl+C while discpack.exe writes an image: Wine hands a console program SIGINT as
# Ctrl+C. The program must end with code 130, leave no unfinished file and leave the
# older image as it was.
#   cancel.sh WINE_SESSION_SCRIPT WINE_DIR DISCPACK_EXE WORK_FOLDER
set -eu
session=$1 winedir=$2 exe=$3 work=$4
rm -rf "$work"
mkdir -p "$work/src"
truncate -s 4000M "$work/src/big.bin"  # sparse: quick to read, long to write (under the 4 GiB cap)
echo "an older image" >"$work/disc.iso"
"$session" run "$winedir" "$exe" image "Z:$work/src" "Z:$work/disc.iso" >"$work/output.txt" &
runner=$!
for _ in $(seq 1200); do
  compgen -G "$work/disc.iso.partial*" >/dev/null && break
  sleep 0.05
done
# The program itself, the newest process whose command line it heads: a 64-bit one runs in
# the loader's own process, a 32-bit one in a process the loader starts beside it.
kill -INT "$(pgrep -n -f -- "discpack.exe image Z:$work/src")"
rc=0
wait "$runner" || rc=$?
cat "$work/output.txt"
left=$(cd "$work" && ls)
old=$(cat "$work/disc.iso")
rm -rf "$work"
[ "$rc" = 130 ] || { echo "cancel.sh: exit code $rc, not 130"; exit 1; }
[ "$left" = $'disc.iso\noutput.txt\nsrc' ] || { echo "cancel.sh: left behind: $left"; exit 1; }
[ "$old" = "an older image" ] || { echo "cancel.sh: the older image changed"; exit 1; }
