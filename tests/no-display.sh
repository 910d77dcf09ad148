#!/usr/bin/env bash
# The program where no display can be opened: one line on standard error that says so,
# and a status that is not 0, instead of Qt's advice to reinstall. And where the X
# display in $DISPLAY answers (run it under run-on-xvfb), the same check lets it start.
# Usage: no-display.sh PROGRAM
set -u
program="$1"
work="$(mktemp -d)"
runtime="$work/runtime" # a Wayland runtime folder with no compositor in it
mkdir -m 0700 "$runtime" "$work/home"
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failed=0
fail() { echo "FAIL [no-display: $1]: $2" >&2; failed=1; }

# An X display number with no server behind it, on the local socket or on TCP.
free=4711
while grep -qE "/tmp/\.X11-unix/X$free\$" /proc/net/unix || [ -e "/tmp/.X11-unix/X$free" ]; do free=$((free + 1)); done

# name | environment | what the line must name
cases=(
  "nothing set||neither DISPLAY nor WAYLAND_DISPLAY is set"
  "X display, local socket|DISPLAY=:$free|the X display \":$free\" does not answer"
  "X display, unix: and a screen|DISPLAY=unix:$free.0|the X display \"unix:$free.0\" does not answer"
  "X display over TCP|DISPLAY=localhost:$free|the X display \"localhost:$free\" does not answer"
  "not a display name|DISPLAY=nowhere|the X display \"nowhere\" does not answer"
  "Wayland display|WAYLAND_DISPLAY=wayland-$free|the Wayland display \"wayland-$free\" does not answer"
  "both|DISPLAY=:$free WAYLAND_DISPLAY=$work/no-socket|the X display \":$free\" and the Wayland display \"$work/no-socket\" do not answer"
)
for row in "${cases[@]}"; do
  IFS='|' read -r name settings expected <<<"$row"
  # shellcheck disable=SC2086 # the settings are NAME=VALUE words
  timeout 20 env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 $settings \
    "$program" >"$work/out" 2>"$work/err"
  status=$?
  [ "$status" -ne 0 ] && [ "$status" -ne 124 ] || fail "$name" "status $status"
  [ ! -s "$work/out" ] || fail "$name" "wrote to standard output: $(cat "$work/out")"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$name" "not one line on standard error: $(cat "$work/err")"
  grep -qF "startprogram: no screen to show the window on: $expected" "$work/err" ||
    fail "$name" "the line does not say \"$expected\": $(cat "$work/err")"
done

# A display that answers: the program starts on it with no platform named.
mkdir "$work/medium"
cp "$program" "$work/medium/startprogram"
printf '1\r\n"index.htm","Welcome"\r\n' >"$work/medium/info.txt"
env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$runtime" \
  LANG=C.UTF-8 DISPLAY="$DISPLAY" "$work/medium/startprogram" >"$work/out" 2>&1 &
app=$!
window=""
for _ in $(seq 150); do
  window="$(xdotool search --onlyvisible --name '^Startprogram$' 2>/dev/null | head -n 1)"
  [ -n "$window" ] && break
  kill -0 "$app" 2>/dev/null || break
  sleep 0.1
done
[ -n "$window" ] || fail "a live X display" "no window on $DISPLAY: $(cat "$work/out")"

[ "$failed" -eq 0 ] || exit 1
echo "PASS [no-display]: ${#cases[@]} places without a display, and one with"
