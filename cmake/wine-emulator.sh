#!/usr/bin/env bash
# CMAKE_CROSSCOMPILING_EMULATOR of the win64 build: runs one Windows program under wine64 in
# the project's private prefix, with the code page 936 locale the programs are written for.
# The Wine harness (scripts/lib/wine-harness.sh) starts the display and the warm wineserver
# this relies on.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
if [ -z "${DISPLAY:-}" ] && [ -f "$WINEPREFIX/.setupkit-display" ]; then
  DISPLAY=$(cat "$WINEPREFIX/.setupkit-display")
  export DISPLAY
fi
# The program's output goes through a file: a Wine helper process that the program starts (the
# desktop's explorer.exe, say) can outlive it, and would otherwise hold ctest's pipe open
# until it ends. Set for Wine only: the host need not have the locale.
out=$(mktemp)
env LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8 /usr/lib/wine/wine64 "$@" >"$out" 2>&1 </dev/null
status=$?
cat "$out"
rm -f "$out"
exit "$status"
