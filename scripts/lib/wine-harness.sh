# The Wine harness, sourced by scripts/test and scripts/demo.
#
#   wine_harness_start   own Xvfb on a free display, the private prefix (created on first use),
#                        one persistent wineserver, warmed up with every stdio stream redirected
#   wine_harness_stop    stops all of it again; installed as an EXIT trap by wine_harness_start,
#                        so it also runs when tests fail or the run is interrupted
#   wine_run PROGRAM...  runs a Windows program in the prefix with the harness's locale
#
# Why the warm-up: the first Wine process of a fresh wineserver starts Wine's background
# services, and they inherit its stdout. Under ctest that is a pipe that then never closes, and
# ctest waits for ever. Started here first, they inherit /dev/null instead.

wine_harness_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$wine_harness_root/build/wineprefix}"
export WINEDEBUG=-all
wine_harness_xvfb_pid=""
wine_harness_server=/usr/lib/wine/wineserver

wine_run() {
  LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 /usr/lib/wine/wine64 "$@"
}

wine_harness_display() {
  local n
  for n in $(seq 90 160); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
    wine_harness_xvfb_pid=$!
    local tries
    for tries in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$wine_harness_xvfb_pid" 2>/dev/null || break  # lost a race for that display
      sleep 0.1
    done
    kill "$wine_harness_xvfb_pid" 2>/dev/null
    wine_harness_xvfb_pid=""
  done
  echo "wine harness: no free X display" >&2
  return 1
}

# A new prefix: created without the .NET and HTML engines (whose installers would wait for a
# click), and with crash dialogs off, so that a crashing test program just ends.
wine_harness_create_prefix() {
  echo "wine harness: creating the Wine prefix in $WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  WINEDLLOVERRIDES="mscoree,mshtml=" wine_run wineboot -i </dev/null >/dev/null 2>&1
  wine_run reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
    /v Debugger /d false /f </dev/null >/dev/null 2>&1
  touch "$WINEPREFIX/.setupkit-ready"
}

# A second fixed drive, D:, for the tests of install folders on a drive of their own. Wine maps
# drive letters through the links in the prefix's dosdevices folder (DefineDosDevice does not
# reach its file system), so the link is made here, in new and old prefixes alike, once Wine has
# made that folder: made earlier, it would keep Wine from linking C: and Z:.
wine_harness_map_test_drive() {
  [ -d "$WINEPREFIX/dosdevices" ] || return 0
  mkdir -p "$WINEPREFIX/drive_d"
  [ -e "$WINEPREFIX/dosdevices/d:" ] || ln -s ../drive_d "$WINEPREFIX/dosdevices/d:"
}

wine_harness_start() {
  trap wine_harness_stop EXIT
  trap 'exit 130' INT TERM
  wine_harness_display || return 1
  mkdir -p "$WINEPREFIX"
  echo "$DISPLAY" >"$WINEPREFIX/.setupkit-display"
  "$wine_harness_server" -p </dev/null >/dev/null 2>&1
  [ -f "$WINEPREFIX/.setupkit-ready" ] || wine_harness_create_prefix
  wine_harness_map_test_drive
  wine_run cmd /c exit </dev/null >/dev/null 2>&1
  # The desktop's own process (explorer.exe /desktop) starts with the first program that opens
  # a window and lives on after it; started by a test, it would hold that test's output pipe
  # open until it ends. Started here, it inherits /dev/null and serves every test.
  wine_run explorer.exe /desktop </dev/null >/dev/null 2>&1 &
  wine_run cmd /c exit </dev/null >/dev/null 2>&1
}

wine_harness_stop() {
  "$wine_harness_server" -k >/dev/null 2>&1 || true
  rm -f "$WINEPREFIX/.setupkit-display"
  if [ -n "$wine_harness_xvfb_pid" ]; then
    kill "$wine_harness_xvfb_pid" 2>/dev/null || true
    wait "$wine_harness_xvfb_pid" 2>/dev/null || true
    wine_harness_xvfb_pid=""
  fi
}
