#!/usr/bin/env bash
# The image discpack.exe wrote under Wine (discpack_wine_tests) against the native
# discpack's image of the same folder with the same SOURCE_DATE_EPOCH: the same bytes.
#   same-bytes.sh NATIVE_DISCPACK WORK_FOLDER EPOCH
set -eu
native=$1 work=$2/WritesAnImageOverAnOlderOne epoch=$3
if [ ! -x "$native" ]; then
  echo "SKIPPED: no native discpack at $native to compare with; build the native tree first (tools/configure.sh native)"
  exit 77
fi
SOURCE_DATE_EPOCH=$epoch "$native" image "$work/Диск" "$work/native.iso"
cmp "$work/Диск.iso" "$work/native.iso"
echo "same bytes: $(stat -c %s "$work/native.iso") of them"
