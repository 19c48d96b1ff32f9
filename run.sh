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
  # A prefix of its own, whose windows the desktop's window manager looks after.
  export WINEPREFIX="$root/build/windows/wine-desktop/prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  [ -f "$WINEPREFIX/system.reg" ] || wineboot -i >/dev/null 2>&1
  exec wine "$disc/discfront.exe"
fi

"$root/tools/wine-session.sh" start "$wine_dir"
trap '"$root/tools/wine-session.sh" stop "$wine_dir"' EXIT
eval "$("$root/tools/wine-session.sh" env "$wine_dir")"
# The project's own snapshot tool starts the launcher, waits until its window is shown
# and painted, saves it and closes the launcher: no image tool is needed.
shot="$root/build/screenshot.png"
rm -f "$shot"
if ! "$root/tools/wine-session.sh" run "$wine_dir" "$root/build/windows/uidriver/window_snapshot.exe" \
     "$(winepath -w "$disc/discfront.exe")" "Korvel Discfront BETA" "$(winepath -w "$shot")" \
     >"$wine_dir/run.log" 2>&1 || [ ! -s "$shot" ]; then
  echo "run: the launcher's window could not be captured:" >&2
  grep -a '^window_snapshot' "$wine_dir/run.log" >&2 || echo "see $wine_dir/run.log" >&2
  exit 1
fi
echo "The launcher started on the sample disc; screenshot saved to build/screenshot.png, launcher closed"
