#!/usr/bin/env bash
# The setupkit program end to end: exit statuses, nothing written on error, quiet output when
# not on a terminal, `new` then `build`, and the demo manifest built, inspected and extracted.
# Usage: cli_test.sh SETUPKIT DEMO_FOLDER
set -uo pipefail
tool=$1 demo=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0 failed=0

check() {  # check TITLE COMMAND...: the command must succeed
  local title=$1
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $title"; fi
}

status_of() { "$@" >"$work/stdout" 2>"$work/stderr"; echo $?; }

printf 'MZ stand-in setup program setupkit-stub/1: installer runtime end' >"$work/stub.exe"

# new, then build at once
check "new succeeds" test "$(status_of "$tool" new "$work/starter")" = 0
check "starter builds" test "$(status_of "$tool" build "$work/starter/setup.toml" --stub "$work/stub.exe" -o "$work/starter.exe")" = 0
check "quiet when not a terminal" test ! -s "$work/stderr"
check "inspect shows the product" grep -q '^config.product_name: My Program$' <("$tool" inspect "$work/starter.exe")
check "new refuses to overwrite" test "$(status_of "$tool" new "$work/starter")" = 2

# a user error: status 2, the message with file, line and key, and no files left behind
mkdir -p "$work/bad"
printf 'product = "Bad"\nprodukt = "x"\n' >"$work/bad/setup.toml"
before=$(ls -A "$work/bad")
check "unknown key exits 2" test "$(status_of "$tool" build "$work/bad/setup.toml" --stub "$work/stub.exe")" = 2
check "unknown key message" grep -qF "$work/bad/setup.toml:2: key 'produkt': unknown key; did you mean 'product'?" "$work/stderr"
check "nothing written" test "$(ls -A "$work/bad")" = "$before"
check "not ours exits 2" test "$(status_of "$tool" build "$work/starter/setup.toml" --stub "$work/starter/readme.txt" -o "$work/x.exe")" = 2
check "no output for a bad stub" test ! -e "$work/x.exe"
check "output over the stub exits 2" test "$(status_of "$tool" build "$work/starter/setup.toml" --stub "$work/stub.exe" -o "$work/stub.exe")" = 2
check "the stub stays" grep -q "^MZ stand-in" "$work/stub.exe"
check "inspect of a non-package exits 2" test "$(status_of "$tool" inspect "$work/stub.exe")" = 2
check "missing arguments exit 2" test "$(status_of "$tool" build)" = 2
check "unknown command exits 2" test "$(status_of "$tool" frobnicate)" = 2

# the demo: build, inspect as JSON and tokens, extract every file back
mkdir -p "$work/demo-out"
check "demo builds" test "$(status_of "$tool" build "$demo/setup.toml" --stub "$work/stub.exe" -o "$work/demo-out/setup.exe")" = 0
check "demo inspect json" test "$(status_of "$tool" inspect --json "$work/demo-out/setup.exe")" = 0
check "demo tokens" test "$(status_of "$tool" inspect --tokens "$work/demo-out/setup.exe")" = 0
check "demo extracts" test "$(status_of "$tool" extract "$work/demo-out/setup.exe" -d "$work/demo-x")" = 0
while IFS= read -r -d '' extracted; do
  name=$(basename "$extracted")
  source=$(find "$demo" -name "$name" -print -quit)
  [ -n "$source" ] && check "demo file $name" cmp -s "$extracted" "$source"
done < <(find "$work/demo-x/files" -type f -print0)

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
