#!/usr/bin/env bash
# Fails when a program's link map shows the standard library's file system, streams or
# locales linked in: they cost the programs that ship on a disc about 850 KB each.
#   check-linked-libraries.sh PROGRAM.exe.map...
set -eu
heavy='libstdc\+\+\.a\((fs_[a-z_]*|cow-fs_[a-z_]*|[a-z]*stream-inst|ios_init|locale_init|codecvt)\.o\)'
failed=0
for map in "$@"; do
  found=$(grep -oE "$heavy" "$map" | sort -u | tr '\n' ' ' || true)
  if [ -n "$found" ]; then
    echo "$(basename "$map" .map) links $found"
    failed=1
  fi
done
exit $failed
