#!/usr/bin/env bash
# The program where no display can be opened: one line on standard error that says so,
# and status 1, instead of Qt's advice to reinstall (and its abort, 134). Among them an X
# server that answers and refuses the connection (started with -auth, the program given
# another XAUTHORITY). And where Qt can connect, the same check lets it start: the X
# display in $DISPLAY (run it under run-on-xvfb), that server with its key, and a server
# that listens on TCP only, named ":N" as libxcb then reaches it.
# Usage: no-display.sh PROGRAM
set -u
program="$1"
work="$(mktemp -d)"
runtime="$work/runtime" # a Wayland runtime folder with no compositor in it
mkdir -m 0700 "$runtime" "$work/home"
app=""
servers=()
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  local server
  for server in "${servers[@]}"; do
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null
  done
  rm -rf "$work"
}
trap cleanup EXIT
failed=0
fail() { echo "FAIL [no-display: $1]: $2" >&2; failed=1; }

# An X display number from FIRST on with no server behind it, on the local socket or on TCP.
free_display() {
  local n="$1"
  while grep -qE "/tmp/\.X11-unix/X$n\$" /proc/net/unix || [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] ||
    awk -v port="$(printf ':%04X' $((6000 + n)))" '$2 ~ port"$" && $4 == "0A" { found = 1 } END { exit !found }' \
      /proc/net/tcp /proc/net/tcp6 2>/dev/null; do
    n=$((n + 1))
  done
  echo "$n"
}
free="$(free_display 4711)"

# start_x NUMBER ARGUMENTS...: an Xvfb of the script's own on ":NUMBER", ready when it returns.
start_x() {
  local number="$1" ready=""
  shift
  mkfifo "$work/ready-$number"
  Xvfb ":$number" -displayfd 3 -noreset -screen 0 800x600x24 "$@" 3>"$work/ready-$number" >"$work/xvfb-$number.log" 2>&1 &
  servers+=($!)
  read -r -t 20 ready <"$work/ready-$number" || true
  [ -n "$ready" ] || fail "Xvfb $*" "did not start: $(cat "$work/xvfb-$number.log")"
}
# A server that admits only holders of its key (as a desktop's does), and one on TCP only
# (neither the socket file nor the abstract one).
keyed="$(free_display $((free + 1)))"
xauth -q -f "$work/key" add ":$keyed" . "$(mcookie)" 2>/dev/null || fail "xauth" "could not write a key"
start_x "$keyed" -auth "$work/key" -nolisten tcp
tcp_only="$(free_display $((keyed + 1)))"
start_x "$tcp_only" -listen tcp -nolisten unix -nolisten local

# name | environment | what the line must name
cases=(
  "nothing set||neither DISPLAY nor WAYLAND_DISPLAY is set"
  "X display, local socket|DISPLAY=:$free|the X display \":$free\" does not answer"
  "X display, unix: and a screen|DISPLAY=unix:$free.0|the X display \"unix:$free.0\" does not answer"
  "X display over TCP|DISPLAY=localhost:$free|the X display \"localhost:$free\" does not answer"
  "not a display name|DISPLAY=nowhere|the X display \"nowhere\" does not answer"
  "Wayland display|WAYLAND_DISPLAY=wayland-$free|the Wayland display \"wayland-$free\" does not answer"
  "both|DISPLAY=:$free WAYLAND_DISPLAY=$work/no-socket|the X display \":$free\" and the Wayland display \"$work/no-socket\" do not answer"
  "X display without its key|DISPLAY=:$keyed XAUTHORITY=$work/another-key|the X display \":$keyed\" refused the connection: not authorised"
)
for row in "${cases[@]}"; do
  IFS='|' read -r name settings expected <<<"$row"
  # shellcheck disable=SC2086 # the settings are NAME=VALUE words
  timeout 20 env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$runtime" LANG=C.UTF-8 $settings \
    "$program" >"$work/out" 2>"$work/err"
  status=$?
  [ "$status" -eq 1 ] || fail "$name" "status $status"
  [ ! -s "$work/out" ] || fail "$name" "wrote to standard output: $(cat "$work/out")"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$name" "not one line on standard error: $(cat "$work/err")"
  grep -qF "startprogram: no screen to show the window on: $expected" "$work/err" ||
    fail "$name" "the line does not say \"$expected\": $(cat "$work/err")"
done

# Displays Qt reaches: the program starts on each with no platform named.
mkdir "$work/medium"
cp "$program" "$work/medium/startprogram"
printf '1\r\n"index.htm","Welcome"\r\n' >"$work/medium/info.txt"
reachable=(
  "a live X display|DISPLAY=$DISPLAY"
  "X display with its key|DISPLAY=:$keyed XAUTHORITY=$work/key"
  "X display on TCP only|DISPLAY=:$tcp_only"
)
for row in "${reachable[@]}"; do
  IFS='|' read -r name settings <<<"$row"
  # shellcheck disable=SC2086 # the settings are NAME=VALUE words
  env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$runtime" \
    LANG=C.UTF-8 $settings "$work/medium/startprogram" >"$work/out" 2>&1 &
  app=$!
  window=""
  for _ in $(seq 150); do
    # shellcheck disable=SC2086
    window="$(env $settings xdotool search --onlyvisible --name '^Startprogram$' 2>/dev/null | head -n 1)"
    [ -n "$window" ] && break
    kill -0 "$app" 2>/dev/null || break
    sleep 0.1
  done
  [ -n "$window" ] || fail "$name" "no window on ${settings%% *}: $(cat "$work/out")"
  kill "$app" 2>/dev/null
  wait "$app" 2>/dev/null
  app=""
done

[ "$failed" -eq 0 ] || exit 1
echo "PASS [no-display]: ${#cases[@]} places without a display, and ${#reachable[@]} with"
