#!/usr/bin/env bash
# Makes (lock) or releases (unlock) a folder in which no file may be created, even by
# root: the immutable attribute. It holds one catalogue, content.lnc.
#   lock-folder.sh lock|unlock DIR
set -u
cmd=$1 dir=$2
chattr -i "$dir" 2>/dev/null
if [ "$cmd" = unlock ]; then
  exit 0
fi
mkdir -p "$dir"
rm -f "$dir"/*
printf '&\\locked.exe#Locked$Old catalogue@none\r\n' >"$dir/content.lnc"
# Where the file system has no immutable attribute the test says so and fails.
chattr +i "$dir" || echo "lock-folder: cannot make $dir immutable" >&2
exit 0
