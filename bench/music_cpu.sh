#!/usr/bin/env bash
# setup's CPU time while it plays its music, under Wine: builds bench/music_cpu.cpp against the
# win64 build, and for a package without music, with a MIDI and with a wave piece holds setup
# at its background window and reads its process's CPU time from /proc over SECONDS.
# Usage: bench/music_cpu.sh [SECONDS [SETUP.EXE]]   (default 10, build/win64's setup.exe)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-10}
setup=${2:-$root/build/win64/src/setup_ui/setup.exe}
work=$root/build/bench-music
mkdir -p "$work"
[ -n "${2:-}" ] || cmake --build "$root/build/win64" --target setup >/dev/null
cmake --build "$root/build/win64" --target sk_test_support >/dev/null
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -I"$root/src" -I"$root/tests" "$root/bench/music_cpu.cpp" \
  "$root/build/win64/tests/support/libsk_test_support.a" "$root/build/win64/src/package/libsk_package.a" \
  -static -o "$work/music_cpu.exe"
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix} WINEDEBUG=-all
ticks=$(getconf CLK_TCK)

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# Much of a Wine program's work happens in the wineserver of its prefix, so that counts too.
server=""
for candidate in $(pgrep wineserver || true); do
  if tr '\0' '\n' <"/proc/$candidate/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
    server=$candidate
  fi
done
[ -n "$server" ] || { echo "no wineserver runs for $WINEPREFIX (start the Wine harness first)"; exit 1; }

printf '%-8s %9s %11s %13s\n' music "setup s" "server s" "(setup+server) / wall"
for extension in - mid wav; do
  out=$work/holder.out
  : >"$out"
  /usr/lib/wine/wine64 "$work/music_cpu.exe" "Z:${setup//\//\\}" "Z:${work//\//\\}" "$extension" \
    "$((seconds + 2))" </dev/null >"$out" 2>&1 &
  holder=$!
  for _ in $(seq 100); do grep -q ready "$out" && break; sleep 0.1; done
  # Wine runs each Windows process as a host process of its own, named after the program.
  pid=$(pgrep -n -f 'bench_setup\.exe' || true)
  if [ -z "$pid" ]; then echo "setup did not start"; wait "$holder" || true; exit 1; fi
  sleep 1
  before=$(cpu_ticks "$pid") server_before=$(cpu_ticks "$server")
  sleep "$seconds"
  after=$(cpu_ticks "$pid") server_after=$(cpu_ticks "$server")
  wait "$holder" || { echo "setup did not end after its window closed"; exit 1; }
  awk -v m="${extension/-/(none)}" -v t=$((after - before)) -v w=$((server_after - server_before)) \
    -v hz="$ticks" -v s="$seconds" \
    'BEGIN { printf "%-8s %9.2f %11.2f %12.0f%%\n", m, t / hz, w / hz, 100 * (t + w) / hz / s }'
done
