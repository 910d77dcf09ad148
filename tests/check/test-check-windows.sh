#!/usr/bin/env bash
# startprogram-check.exe under Wine: a clean medium gets no output and exit status 0;
# a medium with a missing document gets that one error, on its line, and 2.
# Usage: test-check-windows.sh STATE PROGRAM.exe
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
state="$1"
check="$2"
work="$state/work/check"
rm -rf "$work"
mkdir -p "$work/medium/Docs"
fail() { echo "FAIL [check.exe]: $*" >&2; exit 1; }
run() { "$here/../win32/wine-run" --state "$state" "$check" "$@" | tr -d '\r'; return "${PIPESTATUS[0]}"; }

touch "$work/medium/index.htm" "$work/medium/Presumptions.htm" "$work/medium/Docs/sheet one.pdf"
printf '2\r\n"index.htm","Welcome"\r\n"Docs\\sheet one.pdf","Sheet"\r\n' > "$work/medium/info.txt"
# Wine's Z: drive is the host's root.
medium_win="Z:$(printf '%s' "$work/medium" | tr '/' '\\')"
out="$(run "$medium_win")"
status=$?
[ "$status" = 0 ] && [ -z "$out" ] || fail "clean medium: status $status, output: $out"

printf '3\r\n"index.htm","Welcome"\r\n"Docs\\sheet one.pdf","Sheet"\r\n"gone.pdf","Gone"\r\n' > "$work/medium/info.txt"
out="$(run "$medium_win")"
status=$?
[ "$status" = 2 ] || fail "missing document: status $status, not 2 (output: $out)"
[ "$out" = 'info.txt:4: error: "gone.pdf" is missing from the medium' ] || fail "missing document: $out"
echo "PASS [check.exe]"
