#!/usr/bin/env bash
# How long the window takes to appear under Wine, beside Wine's own notepad.exe: the
# driver starts each program ten times with the wineserver warm and measures from
# CreateProcess until the window is visible; prints the medians in milliseconds.
# Usage: startup-time.sh STATE PROGRAM.exe DRIVER.exe [RUNS]
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/../tests/win32" && pwd)"
state="$1"
program="$2"
driver="$3"
runs="${4:-10}"
drv() { "$here/wine-run" --state "$state" "$driver" "$@" | tr -d '\r'; }
fail() {
  echo "FAIL [startup-time]: $*" >&2
  exit 1
}

medium="$state/work/startup-time"
rm -rf "$medium"
mkdir -p "$medium"
cp "$program" "$medium/startprogram.exe"
printf '1\r\n"index.htm","First entry"\r\n' > "$medium/info.txt"
exe="Z:$(printf '%s' "$medium/startprogram.exe" | tr '/' '\\')"
drv wait-gone Startprogram 10 || fail "a window of an earlier test is still there"

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
measure() {
  local title="$1"
  shift
  drv time-window "$title" "$@" >/dev/null || return 1 # one run to warm the caches
  for _ in $(seq "$runs"); do
    drv time-window "$title" "$@" || return 1
  done
}

ours="$(measure Startprogram "$exe")" || fail "startprogram.exe showed no window"
notepad="$(measure "Untitled - Notepad" notepad.exe)" || fail "notepad.exe showed no window"
printf 'startprogram.exe: median %.1f ms over %s runs (%s)\n' "$(printf '%s\n' "$ours" | median)" "$runs" "$(echo $ours | tr '\n' ' ')"
printf 'notepad.exe:      median %.1f ms over %s runs (%s)\n' "$(printf '%s\n' "$notepad" | median)" "$runs" "$(echo $notepad | tr '\n' ' ')"
