#!/usr/bin/env bash
# Builds everything, assembles the sample disc in build/windows/disc and starts the
# launcher on it under Wine. With a display ($DISPLAY), the launcher runs there until
# it is closed. Without one, it runs on a virtual display; once its window is shown a
# screenshot is saved to build/screenshot.png and the launcher is closed.
set -eu
root=$(cd "$(dirname "$0")" && pwd)
"$root/tools/install-deps.sh"
"$root/tools/configure.sh" native
"$root/tools/configure.sh" windows
"$root/tools/configure.sh" windows --target sample_disc 2>/dev/null || true
disc="$root/build/windows/disc"
if [ ! -f "$disc/discfront.exe" ]; then
  echo "run: the sample disc was not assembled in $disc" >&2
  exit 1
fi

wine_dir="$root/build/windows/wine"
if [ -n "${DISPLAY:-}" ] && xwininfo -root >/dev/null 2>&1; then
  export WINEPREFIX="$wine_dir/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
  exec wine "$disc/discfront.exe"
fi

"$root/tools/wine-session.sh" start "$wine_dir"
trap '"$root/tools/wine-session.sh" stop "$wine_dir"' EXIT
eval "$("$root/tools/wine-session.sh" env "$wine_dir")"
wine "$disc/discfront.exe" </dev/null >"$wine_dir/discfront.log" 2>&1 &
title="Korvel Discfront BETA"
window=""
for _ in $(seq 300); do
  window=$(xwininfo -root -tree 2>/dev/null | awk -v t="\"$title\"" 'index($0, t) && /[0-9]+x[0-9]+/ {print $1; exit}')
  [ -n "$window" ] && break
  sleep 0.1
done
if [ -z "$window" ]; then
  echo "run: the launcher's window did not appear; see $wine_dir/discfront.log" >&2
  exit 1
fi
sleep 1  # let the window finish painting before the picture is taken
import -display "$DISPLAY" -window root "$root/build/screenshot-full.png"
geometry=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} /Width/ {w=$NF} /Height/ {h=$NF} END {print w "x" h "+" x "+" y}')
convert "$root/build/screenshot-full.png" -crop "$geometry" +repage "$root/build/screenshot.png"
echo "The launcher started on the sample disc; screenshot saved to build/screenshot.png, launcher closed"
