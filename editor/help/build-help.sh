#!/usr/bin/env bash
# Compiles the editor's help: the UTF-8 sources of this folder are converted to
# Windows-1251 (the help viewer reads Russian help in the system's code page) in a
# work folder, and chmcmd makes help.chm from them.
#   build-help.sh SOURCE_DIR WORK_DIR OUTPUT_CHM
set -eu
src=$1 work=$2 out=$3
rm -rf "$work"
mkdir -p "$work"
for f in "$src"/*.html "$src"/*.hhc "$src"/*.hhp "$src"/*.css; do
  iconv -f UTF-8 -t WINDOWS-1251 "$f" >"$work/$(basename "$f")"
done
(cd "$work" && chmcmd --no-html-scan help.hhp >chmcmd.log 2>&1) || { cat "$work/chmcmd.log" >&2; exit 1; }
cp "$work/help.chm" "$out"
