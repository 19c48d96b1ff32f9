#!/usr/bin/env bash
# Compiles the editor's help: the UTF-8 sources of a folder (this one in Russian, en/ in
# English) are converted to the code page of their language (the help viewer reads help
# in a single-byte code page: Windows-1251 for Russian, Windows-1252 for English) in a
# work folder, and chmcmd makes the help file from them. Every language shares the style
# sheet beside this script.
#   build-help.sh SOURCE_DIR WORK_DIR OUTPUT_CHM [CODE_PAGE]
set -eu
src=$1 work=$2 out=$3 codepage=${4:-WINDOWS-1251}
rm -rf "$work"
mkdir -p "$work"
for f in "$src"/*.html "$src"/*.hhc "$src"/*.hhp "$(dirname "$0")/style.css"; do
  iconv -f UTF-8 -t "$codepage" "$f" >"$work/$(basename "$f")"
done
(cd "$work" && chmcmd --no-html-scan help.hhp >chmcmd.log 2>&1) || { cat "$work/chmcmd.log" >&2; exit 1; }
cp "$work/help.chm" "$out"
