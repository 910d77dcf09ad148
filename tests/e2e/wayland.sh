#!/usr/bin/env bash
# End-to-end cases on Wayland: the real program on a headless sway, started as a Wayland
# session starts it (WAYLAND_DISPLAY, XDG_SESSION_TYPE=wayland, no DISPLAY, no
# QT_QPA_PLATFORM), its keys typed through the virtual keyboard (wtype), its windows read
# from sway's tree. One sway serves every case. sway refuses to run as root, so it and
# the program run as nobody, with a runtime folder, home and files of their own.
# Usage: wayland.sh ROOT PROGRAM   (ROOT: the source tree, whose scripts/bundle lays the
# medium for the last case). SP_WAYLAND_SHOT=FILE keeps a screenshot of the window at
# scale 2.
set -u
root="$1"
program="$2"
case_name="setup"
case_dir=""

skip() {
  echo "SKIP [wayland]: $*"
  echo "SKIP [wayland]: $*" >&2
  exit 77
}
[ "$(id -u)" -eq 0 ] || skip "running sway and the program as another user needs root; running as uid $(id -u)"

work="$(mktemp -d)"
chmod 0755 "$work"
runtime="$work/runtime"
mkdir -m 0700 "$runtime"
mkdir -p "$work/sway-home"
chown -R 65534:65534 "$runtime" "$work/sway-home"
sway_pid=""
keyboard=""
app=""
bundler=""

stop_pid() {
  [ -n "$1" ] && kill -0 "$1" 2>/dev/null || return 0
  kill "$1" 2>/dev/null
  for _ in $(seq 20); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
  kill -9 "$1" 2>/dev/null
}
cleanup() {
  stop_pid "$bundler"
  stop_pid "$app"
  stop_pid "$keyboard"
  stop_pid "$sway_pid"
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM
trap 'exit 130' INT
trap 'exit 129' HUP

fail() {
  echo "FAIL [wayland: $case_name]: $*" >&2
  [ -s "$work/sway.log" ] && [ "$case_name" = setup ] && tail -n 20 "$work/sway.log" >&2
  [ -n "$case_dir" ] && [ -s "$case_dir/out" ] && tail -n 20 "$case_dir/out" | sed 's/^/  program: /' >&2
  exit 1
}

# The command prefix that runs as nobody in a clean environment; later NAME=VALUE
# arguments add to it.
as_nobody=(setpriv --reuid=65534 --regid=65534 --clear-groups
  env -i PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$runtime")

# The medium's bundle takes longest to lay: the one laid for the test run ($SP_BUNDLE) is
# copied, or one is laid while the other cases run.
if [ -n "${SP_BUNDLE:-}" ]; then
  cp -a "$SP_BUNDLE/medium" "$work/bundled" >"$work/bundle.log" 2>&1 &
else
  bash "$root/scripts/bundle" --allow-errors "$work/bundled" >"$work/bundle.log" 2>&1 &
fi
bundler=$!

cat >"$work/sway.config" <<'CONFIG'
output HEADLESS-1 resolution 1600x1000 scale 2
swaybg_command -
xwayland disable
CONFIG
"${as_nobody[@]}" HOME="$work/sway-home" WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
  sway -c "$work/sway.config" >"$work/sway.log" 2>&1 &
sway_pid=$!
wayland=""
swaysock=""
for _ in $(seq 100); do
  wayland="$(find "$runtime" -maxdepth 1 -type s -name 'wayland-*' -printf '%f\n' | head -n 1)"
  swaysock="$(find "$runtime" -maxdepth 1 -type s -name 'sway-ipc.*' | head -n 1)"
  [ -n "$wayland" ] && [ -n "$swaysock" ] && break
  kill -0 "$sway_pid" 2>/dev/null || fail "sway ended at start"
  sleep 0.1
done
[ -n "$wayland" ] && [ -n "$swaysock" ] || fail "sway opened no Wayland socket"

swaymsg() { "${as_nobody[@]}" SWAYSOCK="$swaysock" swaymsg "$@"; }
keys() { "${as_nobody[@]}" WAYLAND_DISPLAY="$wayland" wtype "$@"; }
# A client gets a keyboard only while the seat has one: this one stays for the whole run.
"${as_nobody[@]}" WAYLAND_DISPLAY="$wayland" wtype -s 600000 &
keyboard=$!

# views: one line per window in sway's tree, "title<TAB>x y width height", the size that
# of the window's own surface (without sway's title bar).
views() {
  swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("pid") is not None:
        r, w = node["rect"], node["window_rect"]
        print(node.get("name") or "", "%d %d %d %d" % (r["x"] + w["x"], r["y"] + w["y"], w["width"], w["height"]), sep="\t")
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}

# wait_view TITLE [SECONDS]: prints "x y width height" of the window with that title.
wait_view() {
  local title="$1" end=$((SECONDS + ${2:-10})) line
  while [ "$SECONDS" -lt "$end" ]; do
    line="$(views | awk -F '\t' -v t="$title" '$1 == t { print $2; exit }')"
    [ -n "$line" ] && { echo "$line"; return 0; }
    kill -0 "$app" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

wait_exit() {
  for _ in $(seq $(($1 * 10))); do kill -0 "$app" 2>/dev/null || return 0; sleep 0.1; done
  return 1
}

wait_record() {
  for _ in $(seq 50); do [ -s "$record" ] && return 0; sleep 0.1; done
  return 1
}

# shellcheck source=tests/e2e/medium.sh
. "$root/tests/e2e/medium.sh"

# begin NAME: a fresh medium (the program, two pages, a stand-in xdg-open that records
# what is handed to the desktop) and home for the case, readable and writable by nobody.
begin() {
  stop_pid "$app"
  app=""
  case_name="$1"
  case_dir="$work/$1"
  medium="$case_dir/medium"
  home="$case_dir/home"
  record="$case_dir/xdg-open.calls"
  start_env=()
  mkdir -p "$medium" "$home/.config" "$case_dir/bin"
  local work="$case_dir"
  lay_medium
  printf '%s\r\n' 3 '"index.htm","First entry"' '"second page.htm","Second entry"' \
    '"https://www.varnholt.example/","Web"' >"$medium/info.txt"
  # Kept running after a launch, so that each case ends the program itself.
  printf '[Zezuzav]\nStartSide=index.htm\nLukVedStart=False\n' >"$home/.config/Varnholt Danmark.ini"
}

# start [PREFIX...]: the program on the medium as a Wayland session starts it, with the
# case's start_env added; PREFIX (run as root) goes before the switch to nobody.
start() {
  chown -R 65534:65534 "$case_dir"
  "$@" "${as_nobody[@]}" HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    PATH="$case_dir/bin:/usr/local/bin:/usr/bin:/bin" XDG_OPEN_RECORD="$record" \
    WAYLAND_DISPLAY="$wayland" XDG_SESSION_TYPE=wayland "${start_env[@]}" \
    "$medium/startprogram" >"$case_dir/out" 2>&1 &
  app=$!
}

# The window has the layout's client area, 592 x 304, below a menu bar of one line, at
# whole-number scales 1 and 2.
for scale in 1 2; do
  begin "window-scale-$scale"
  swaymsg output HEADLESS-1 scale "$scale" >/dev/null || fail "sway took no scale $scale"
  start
  read -r x y width height < <(wait_view Startprogram) || fail "no window titled Startprogram"
  [ "$width" = 592 ] || fail "window width $width, not 592"
  [ "$height" -ge 314 ] && [ "$height" -le 340 ] || fail "window height $height is not 304 plus a menu bar"
  if [ "$scale" = 2 ] && [ -n "${SP_WAYLAND_SHOT:-}" ]; then
    sleep 0.5
    "${as_nobody[@]}" WAYLAND_DISPLAY="$wayland" grim -g "$x,$y ${width}x$height" - >"$SP_WAYLAND_SHOT" ||
      fail "grim took no screenshot"
  fi
done

# Go hands the chosen entry to the desktop; then Alt+Esc leaves the program running and
# Esc ends it.
begin go-and-escape
start
wait_view Startprogram >/dev/null || fail "no window"
keys -k Return
wait_record || fail "Return on Go handed nothing to the desktop"
[ "$(cat "$record")" = "file://$medium/index.htm" ] || fail "handed over: $(cat "$record")"
keys -M alt -k Escape -m alt
! wait_exit 2 || fail "Alt+Esc ended the program"
keys -k Escape
wait_exit 5 || fail "Esc did not end the program"

# A target that is not on the medium: a second window, "Command aborted".
begin missing-target
printf '%s\r\n' 1 '"not on the medium.pdf","Missing"' >"$medium/info.txt"
start
wait_view Startprogram >/dev/null || fail "no window"
keys -k Return
wait_view "Command aborted" >/dev/null || fail "no Command aborted window"
[ ! -s "$record" ] || fail "a missing file was handed to the desktop: $(cat "$record")"

# The About box from the Information menu; closing it leaves the program running.
begin about
start
wait_view Startprogram >/dev/null || fail "no window"
keys -M alt -k i -m alt
sleep 0.5
keys -k Return
wait_view "About..." >/dev/null || fail "no About box"
keys -k Return
for _ in $(seq 30); do views | grep -q $'^About\\.\\.\\.\t' || break; sleep 0.1; done
views | grep -q $'^About\\.\\.\\.\t' && fail "Return left the About box open"
kill -0 "$app" 2>/dev/null || fail "the program ended with the About box"

# The medium's bundle in a root that holds only the system libraries every desktop has: it
# opens its window with the Wayland client linked into it, and loads no Qt library at all.
if ! why="$(unshare -m true 2>&1)"; then
  echo "PASS [wayland]: window at scales 1 and 2, Go, Alt+Esc and Esc, Command aborted, About"
  skip "the bundle case needs a mount namespace (unshare -m refused: ${why:-no reason given})"
fi
begin bundle
wait "$bundler" || fail "scripts/bundle failed: $(tail -n 5 "$work/bundle.log")"
bundler=""
rm -rf "$medium"
mv "$work/bundled" "$medium"
"$root/tests/bundle/system-root" "$work/system-root" >"$work/sonames" || fail "no root of the system's libraries alone"
chown -R 65534:65534 "$case_dir"
env -i PATH=/usr/bin:/bin LANG=C.UTF-8 LC_ALL=C.UTF-8 XDG_RUNTIME_DIR="$runtime" HOME="$home" \
  XDG_CONFIG_HOME="$home/.config" WAYLAND_DISPLAY="$wayland" XDG_SESSION_TYPE=wayland \
  unshare -m "$root/tests/bundle/system-root" --run --as 65534:65534 "$work/system-root" "$medium" \
  /bin/sh -c 'export LD_DEBUG=libs; exec ./startprogram' >"$case_dir/out" 2>&1 &
app=$!
wait_view Startprogram 15 >/dev/null || fail "no window from the bundled program (or it ended first)"
loaded="$(grep -oE 'calling init: [^ ]+' "$case_dir/out" | awk '{print $3}' | sort -u)"
[ -n "$loaded" ] || fail "LD_DEBUG showed no library loaded"
! grep -q 'libQt' <<<"$loaded" || fail "a Qt library was loaded: $loaded"
outside="$(for lib in $loaded; do grep -qxF "$(basename "$lib")" "$work/sonames" || echo "$lib"; done)"
[ -z "$outside" ] || fail "libraries loaded that the root of the system's libraries does not hold: $outside"
grep -q 'libwayland-client' <<<"$loaded" || fail "the program did not load libwayland-client: $loaded"

case_name=all
echo "PASS [wayland]: window at scales 1 and 2, Go, Alt+Esc and Esc, Command aborted, About, the bundle"
