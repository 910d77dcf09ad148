#!/usr/bin/env bash
# The program never loads a DLL that lies beside it on the medium. A medium holds,
# beside startprogram.exe, stand-ins named comctl32.dll, gdiplus.dll and
# windowscodecs.dll whose DllMain leaves a marker; Wine is told to prefer native
# DLLs of those names. The window must appear and no marker be left. Positive
# control: a program that imports comctl32 statically, without a manifest, run the
# same way, does leave the marker. And with each of the three switched off the window
# still appears. The check's window, with its folder picker opened, beside the same
# stand-ins loads none of them either.
# Usage: planted.sh STATE PROGRAM.exe DRIVER.exe CONTROL.exe PLANT_DIR CHECK.exe CHECKDRIVER.exe
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
state="$1"
program="$2"
driver="$3"
control="$4"
plants="$5"
check="$6"
checkdriver="$7"
names=(comctl32 gdiplus windowscodecs)
base_overrides="mscoree,mshtml=;winemenubuilder.exe=d"
app=""

# The driver's own status, not that of the filter after it.
drv() {
  "$here/wine-run" --state "$state" "$driver" "$@" | tr -d '\r'
  return "${PIPESTATUS[0]}"
}
stop_app() {
  if [ -n "$app" ] && kill -0 "$app" 2>/dev/null; then
    kill "$app" 2>/dev/null
    for _ in $(seq 30); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$app" 2>/dev/null
  fi
  app=""
}
trap stop_app EXIT
fail() {
  echo "FAIL [planted]: $*" >&2
  exit 1
}
win_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }

work="$state/work/planted"
rm -rf "$work"
medium="$work/medium"
markers="$work/markers"
mkdir -p "$medium" "$markers"
cp "$program" "$medium/startprogram.exe"
printf '1\r\n"index.htm","First entry"\r\n' > "$medium/info.txt"
for name in "${names[@]}"; do cp "$plants/$name.dll" "$medium/$name.dll"; done
export SP_PLANT_MARKER
SP_PLANT_MARKER="$(win_path "$markers")"

# run_window OVERRIDES: starts the program, waits for its window, closes it.
run_window() {
  SP_WINEDLLOVERRIDES="$1" "$here/wine-run" --state "$state" "$medium/startprogram.exe" >/dev/null 2>&1 &
  app=$!
  drv wait-window Startprogram 20 >/dev/null || fail "no window with WINEDLLOVERRIDES=$1"
  sleep 0.5 # the tooltips and pictures are made by now; give a late load its chance
  drv close Startprogram
  for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app" 2>/dev/null && fail "the program did not end (WINEDLLOVERRIDES=$1)"
  app=""
}

drv wait-gone Startprogram 10 || fail "a window of an earlier test is still there"
run_window "comctl32,gdiplus,windowscodecs=n,b;$base_overrides"
left="$(ls "$markers")"
[ -z "$left" ] || fail "the program loaded a planted DLL: $left"

# The check's window, started as from Explorer, and its folder picker.
cp "$check" "$medium/startprogram-check.exe"
check_title="Check a medium"
SP_WINEDLLOVERRIDES="comctl32,gdiplus,windowscodecs=n,b;$base_overrides" "$here/wine-run" --state "$state" \
  "$checkdriver" start-alone "$(win_path "$medium/startprogram-check.exe")" "$(win_path "$medium")" >/dev/null \
  || fail "could not start the check"
drv wait-window "$check_title" 20 >/dev/null || fail "the check's window did not appear"
"$here/wine-run" --state "$state" "$checkdriver" click "$check_title" 1003 || fail "no \"Choose folder\" button"
picker="$(drv box 20 | head -1)"
[ -n "$picker" ] || fail "the check's folder picker did not open"
sleep 0.5 # the picker's views are filled by now; give a late load its chance
drv close "$picker"
drv wait-gone "$picker" 10 || fail "the folder picker did not close"
drv close "$check_title"
drv wait-gone "$check_title" 10 || fail "the check did not end"
left="$(ls "$markers")"
[ -z "$left" ] || fail "the check loaded a planted DLL: $left"

# Positive control: the same plants, a program that imports comctl32 statically.
cp "$control" "$medium/static_import.exe"
SP_WINEDLLOVERRIDES="comctl32,gdiplus,windowscodecs=n,b;$base_overrides" \
  timeout 60 "$here/wine-run" --state "$state" "$medium/static_import.exe" >/dev/null 2>&1
ls "$markers" | grep -qix 'comctl32.dll.loaded' || fail "positive control: the planted comctl32.dll was not loaded, so this test shows nothing"
rm -f "$markers"/*

# Each of the three switched off: the window still comes.
for name in "${names[@]}"; do
  run_window "$name=;$base_overrides"
done
[ -z "$(ls "$markers")" ] || fail "a planted DLL was loaded: $(ls "$markers")"
echo "PASS [planted]"
