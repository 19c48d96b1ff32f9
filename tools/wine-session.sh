#!/usr/bin/env bash
# A Wine session of the build tree: its own prefix, a virtual X display and one
# persistent wineserver, so that test programs start quickly and leave nothing behind.
#
#   wine-session.sh start DIR [DPI [PT]]  make the prefix once, start display and wineserver;
#                                         with DPI, the prefix's display has that resolution;
#                                         with PT, its message font is that many points
#   wine-session.sh stop DIR              stop wineserver (and every Wine process) and display
#   wine-session.sh run DIR PROGRAM ARGS  run PROGRAM under Wine in the session; without a
#                                         started session, one is started and stopped around it
#   wine-session.sh env DIR               print the environment of the session (for eval)
set -u
cmd=${1:?usage: wine-session.sh start|stop|run|env DIR ...}
dir=${2:?usage: wine-session.sh start|stop|run|env DIR ...}
shift 2
mkdir -p "$dir"
dir=$(cd "$dir" && pwd)

export WINEPREFIX="$dir/prefix"
export WINEARCH=win64
# The 64-bit loader, named: Debian's `wine` command takes the 32-bit loader whenever
# wine32 is installed, and that loader cannot start on a machine that runs no 32-bit
# Linux programs. A 32-bit Windows program started by the 64-bit loader is handed on
# to the 32-bit one (WoW64), so this one loader starts the programs of both builds.
export WINELOADER=/usr/lib/wine/wine64
wine() { "$WINELOADER" "$@"; }
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installers on first run, and no prompts about them.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

session_alive() {
  [ -f "$dir/xvfb.pid" ] && [ -f "$dir/display" ] && kill -0 "$(cat "$dir/xvfb.pid")" 2>/dev/null
}

start_display() {
  local fifo="$dir/displayfd"
  rm -f "$fifo"; mkfifo "$fifo"
  # Nothing started here may hold the caller's output open, or CTest would wait for it.
  setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp +extension XTEST \
       3>"$fifo" </dev/null >"$dir/xvfb.log" 2>&1 &
  echo $! >"$dir/xvfb.pid"
  local num
  read -r -t 20 num <"$fifo" || { echo "wine-session: Xvfb did not start" >&2; return 1; }
  rm -f "$fifo"
  echo ":$num" >"$dir/display"
}

start_session() {
  if session_alive; then return 0; fi
  start_display || return 1
  export DISPLAY=$(cat "$dir/display")
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wine wineboot -i </dev/null >"$dir/wineboot.log" 2>&1
    wineserver -w
  fi
  setsid wineserver -p </dev/null >"$dir/wineserver.log" 2>&1
  # Start Wine's own background processes now, away from the caller's output.
  wine cmd /c exit </dev/null >>"$dir/wineserver.log" 2>&1
  # On a display without a window manager, windows Wine leaves to one take about two
  # seconds each to close; the test prefix manages its own windows instead.
  if [ ! -f "$WINEPREFIX/.unmanaged-windows" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >>"$dir/wineserver.log" 2>&1 &&
      touch "$WINEPREFIX/.unmanaged-windows"
  fi
  # The resolution programs see (GetDeviceCaps, GetDpiForWindow): one prefix per value.
  if [ -n "$dpi" ] && [ ! -f "$WINEPREFIX/.logpixels-$dpi" ]; then
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
         </dev/null >>"$dir/wineserver.log" 2>&1 && touch "$WINEPREFIX/.logpixels-$dpi"
  fi
  # The size of text the user chose (the message font), apart from the display's scale.
  if [ -n "$points" ] && [ ! -f "$WINEPREFIX/.messagefont-$points" ]; then
    wine reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v MessageFont /t REG_BINARY /d "$(message_logfont "$points")" /f \
         </dev/null >>"$dir/wineserver.log" 2>&1 && touch "$WINEPREFIX/.messagefont-$points"
  fi
}

# A LOGFONTW (92 bytes, as hex) of the message font at a size in points at 96 dpi: the
# default face, regular weight, the rest zero.
message_logfont() {
  local height=$(( -($1 * 96 + 36) / 72 )) hex="" b i face="Tahoma"
  for shift in 0 8 16 24; do hex+=$(printf '%02x' $(( (height >> shift) & 255 ))); done
  hex+=000000000000000000000000  # width, escapement, orientation
  hex+=90010000                  # weight 400
  hex+=0000000100000000          # italic, underline, strike-out, charset 1 (default), ...
  for ((i = 0; i < 32; i++)); do
    b=0; [ "$i" -lt "${#face}" ] && b=$(printf '%d' "'${face:$i:1}")
    hex+=$(printf '%02x00' "$b")
  done
  echo "$hex"
}

stop_session() {
  if [ -d "$WINEPREFIX" ]; then wineserver -k 2>/dev/null; fi
  if [ -f "$dir/xvfb.pid" ]; then
    local pid; pid=$(cat "$dir/xvfb.pid")
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null
    rm -f "$dir/xvfb.pid" "$dir/display"
  fi
  return 0
}

dpi=
points=
case "$cmd" in
  start) dpi=${1:-}; points=${2:-}; start_session ;;
  stop) stop_session ;;
  env)
    session_alive || start_session || exit 1
    echo "export WINEPREFIX='$WINEPREFIX' WINEARCH=win64 WINELOADER='$WINELOADER' WINEDEBUG='$WINEDEBUG' WINEDLLOVERRIDES='$WINEDLLOVERRIDES' DISPLAY='$(cat "$dir/display")'"
    ;;
  run)
    own=0
    if ! session_alive; then own=1; start_session || exit 1; fi
    export DISPLAY=$(cat "$dir/display")
    # Programs may leave Wine's background processes behind, which would hold the
    # caller's output open; they get a file instead, shown when the program ends.
    out=$(mktemp "$dir/run.XXXXXX")
    wine "$@" </dev/null >"$out" 2>&1
    rc=$?
    cat "$out"; rm -f "$out"
    [ "$own" = 1 ] && stop_session
    exit $rc
    ;;
  *) echo "wine-session: unknown command $cmd" >&2; exit 2 ;;
esac
