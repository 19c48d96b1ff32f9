#!/usr/bin/env bash
# Builds the 32-bit x86 programs, assembles the sample disc in build/windows32/disc (the
# 32-bit launcher, as the disc ships it) and starts the launcher on it under Wine. With a
# display ($DISPLAY), the launcher runs there until it is closed. Without one, it runs
# on a virtual display; once its window is shown a screenshot is saved to
# build/screenshot.png and the launcher is closed. On a machine that cannot run 32-bit
# x86 programs it says so and shows the 64-bit build's disc (build/windows/disc).
# DISCFRONT_DPI=192 ./run.sh shows it on a virtual display of that resolution (a Wine
# prefix of its own per value), where the launcher takes the disc's skin\200 set.
set -eu
root=$(cd "$(dirname "$0")" && pwd)
"$root/tools/install-deps.sh"
"$root/tools/configure.sh" native
build=windows32
if ! "$root/tools/can-run-32bit.sh"; then
  echo "run: this machine cannot run 32-bit x86 programs (its kernel starts no 32-bit Linux programs);" \
       "showing the 64-bit build instead" >&2
  build=windows
fi
"$root/tools/configure.sh" $build --target sample_disc window_snapshot
disc="$root/build/$build/disc"
if [ ! -f "$disc/discfront.exe" ]; then
  echo "run: the sample disc was not assembled in $disc" >&2
  exit 1
fi

dpi=${DISCFRONT_DPI:-}
wine_dir="$root/build/$build/wine${dpi:+-$dpi}"
if [ -n "${DISPLAY:-}" ] && xwininfo -root >/dev/null 2>&1; then
  # A prefix of its own, whose windows the desktop's window manager looks after; the
  # 64-bit loader starts both builds' programs (see tools/wine-session.sh).
  export WINEPREFIX="$root/build/$build/wine-desktop/prefix" WINEARCH=win64 WINEDEBUG=-all \
         WINEDLLOVERRIDES="mscoree,mshtml=" WINELOADER=/usr/lib/wine/wine64
  [ -f "$WINEPREFIX/system.reg" ] || "$WINELOADER" wineboot -i >/dev/null 2>&1
  exec "$WINELOADER" "$disc/discfront.exe"
fi

"$root/tools/wine-session.sh" start "$wine_dir" $dpi
trap '"$root/tools/wine-session.sh" stop "$wine_dir"' EXIT
eval "$("$root/tools/wine-session.sh" env "$wine_dir")"
# The project's own snapshot tool starts the launcher, waits until its window is shown
# and painted, saves it and closes the launcher: no image tool is needed.
shot="$root/build/screenshot.png"
rm -f "$shot"
if ! "$root/tools/wine-session.sh" run "$wine_dir" "$root/build/$build/uidriver/window_snapshot.exe" \
     "$("$WINELOADER" winepath -w "$disc/discfront.exe")" "Korvel Discfront BETA" "$("$WINELOADER" winepath -w "$shot")" \
     >"$wine_dir/run.log" 2>&1 || [ ! -s "$shot" ]; then
  echo "run: the launcher's window could not be captured:" >&2
  grep -a '^window_snapshot' "$wine_dir/run.log" >&2 || echo "see $wine_dir/run.log" >&2
  exit 1
fi
echo "The launcher ($build) started on the sample disc; screenshot saved to build/screenshot.png, launcher closed"
