#!/usr/bin/env bash
# The window at 144 DPI: client area 888 x 456 and every windowed control at its box
# scaled by 1.5. Runs in a prefix of its own (LogPixels=144), ended when it is done.
# Usage: window-144dpi.sh STATE PROGRAM.exe DRIVER.exe
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
state="$1"
program="$2"
driver="$3"
app=""

wr() { "$here/wine-run" --state "$state" "$@"; }
# The driver's own status, not that of the filter after it.
drv() {
  wr "$driver" "$@" | tr -d '\r'
  return "${PIPESTATUS[0]}"
}
cleanup() {
  if [ -n "$app" ] && kill -0 "$app" 2>/dev/null; then
    kill "$app" 2>/dev/null
    for _ in $(seq 30); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$app" 2>/dev/null
  fi
  "$here/wine-run" --state "$state" --shutdown
}
trap cleanup EXIT
fail() {
  echo "FAIL [window-144dpi]: $*" >&2
  exit 1
}

"$here/wine-run" --state "$state" --shutdown # nothing of an earlier run
SP_WINE_LOGPIXELS=144 "$here/wine-run" --state "$state" --boot || fail "no Wine prefix"
medium="$state/work/medium"
mkdir -p "$medium"
cp "$program" "$medium/startprogram.exe"
printf '1\r\n"index.htm","First entry"\r\n' > "$medium/info.txt"
"$here/wine-run" --state "$state" "$medium/startprogram.exe" >/dev/null 2>&1 &
app=$!
drv wait-window Startprogram 20 >/dev/null || fail "no window"
[ "$(drv client Startprogram)" = "888 456" ] || fail "client area $(drv client Startprogram), not 888 456"
controls="$(drv controls Startprogram)"
# The layout's twips at 144 DPI (1440 twips = 144 px).
for expected in "Button 1003 804 372 62 64" "Button 1004 24 372 62 64" "Button 1002 528 408 266 26" \
                "ComboBox 1001 132 72 674 32"; do
  printf '%s\n' "$controls" | grep -q "^$expected" || fail "no control at $expected; have:
$controls"
done
echo "PASS [window-144dpi]"
