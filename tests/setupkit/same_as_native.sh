#!/usr/bin/env bash
# The same manifest built by the native setupkit and by setupkit.exe under Wine gives the same
# bytes: setup file and volume files. Exits 77 (skipped) when the native tool is not built.
# Usage: same_as_native.sh EMULATOR SETUPKIT_EXE NATIVE_SETUPKIT MANIFEST
set -uo pipefail
emulator=$1 windows_tool=$2 native_tool=$3 manifest=$4
if [ ! -x "$native_tool" ]; then
  echo "no native setupkit at $native_tool: build the native preset first"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/native" "$work/wine"
printf 'MZ stand-in setup program setupkit-stub/1: installer runtime end' >"$work/stub.exe"

# Wine reaches the host's files through drive Z:.
as_windows() { echo "Z:$1"; }

"$native_tool" build "$manifest" --stub "$work/stub.exe" -o "$work/native/setup.exe" >/dev/null || exit 1
"$emulator" "$windows_tool" build "$(as_windows "$manifest")" --stub "$(as_windows "$work/stub.exe")" \
  -o "$(as_windows "$work/wine/setup.exe")" </dev/null >/dev/null || exit 1

status=0
for file in "$work/native"/*; do
  name=$(basename "$file")
  if cmp "$file" "$work/wine/$name"; then
    echo "same: $name ($(stat -c %s "$file") bytes)"
  else
    echo "differs: $name"
    status=1
  fi
done
[ "$(ls "$work/native")" = "$(ls "$work/wine")" ] || { echo "different files: $(ls "$work/wine")"; status=1; }
exit $status
