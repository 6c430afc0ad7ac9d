#!/usr/bin/env bash
# Builds bench/unzip_bench.cpp natively and for Windows against the libraries of the native
# and win64 builds, and runs it natively and under Wine (best of three rounds each).
# Usage: bench/unzip_bench.sh [MIB]   (default 200)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
mib=${1:-200}
work=$root/build/bench-unzip
mkdir -p "$work"
cmake --build "$root/build/native" --target sk_install >/dev/null
g++ -std=c++20 -O2 -I"$root/src" "$root/bench/unzip_bench.cpp" \
  "$root/build/native/src/install/libsk_install.a" "$root/build/native/src/package/libsk_package.a" \
  -lminizip -lz -o "$work/unzip_bench"
echo "== native"
"$work/unzip_bench" "$work" "$mib"

[ "${UNZIP_BENCH_WINE:-1}" = 1 ] || exit 0
cmake --build "$root/build/win64" --target sk_install sk_minizip >/dev/null
minizip_include=$root/build/win64/minizip_include
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -I"$root/src" -I"$minizip_include" -I"$minizip_include/minizip" \
  "$root/bench/unzip_bench.cpp" \
  "$root/build/win64/src/install/libsk_install.a" "$root/build/win64/src/package/libsk_package.a" \
  "$root/build/win64/libsk_minizip.a" -lz -static -o "$work/unzip_bench.exe"
echo "== wine64"
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix-install} WINEDEBUG=-all
/usr/lib/wine/wine64 "$work/unzip_bench.exe" "Z:${work//\//\\}" "$mib" </dev/null
