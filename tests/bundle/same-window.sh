#!/usr/bin/env bash
# The program linked to the lean Qt draws the same window as the one on Debian's Qt: on the
# display in $DISPLAY, at 100 % and 200 %, each started on the demo medium, and not one
# pixel of their windows differs. The shots are left in OUT for a look.
# Usage: same-window.sh LEAN_PROGRAM DEBIAN_QT_PROGRAM OUT
set -u
lean="$1"
debian="$2"
out="$3"
root="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
app=""
cleanup() {
  [ -n "$app" ] && { kill "$app" 2>/dev/null; wait "$app" 2>/dev/null; }
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL [same window]: $*" >&2; [ -s "$work/out" ] && tail -n 20 "$work/out" >&2; exit 1; }
# shellcheck source=tests/bundle/linux-run.sh
. "$root/tests/bundle/linux-run.sh"
mkdir -p "$out"

# shot NAME PROGRAM SCALE: the program's window, each from the same medium and a new home
# in the same place (the window shows the medium's folder).
shot() {
  local medium="$work/medium" home="$work/home" window
  rm -rf "$medium" "$home"
  mkdir -p "$medium" "$home/.config"
  cp -R "$root/demo/." "$medium/"
  cp "$2" "$medium/startprogram"
  (cd / && exec env HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$3" \
    "$medium/startprogram") >"$work/out" 2>&1 &
  app=$!
  window="$(startprogram_window "$app")" || fail "no window from $2 at scale $3"
  sleep 1
  import -window "$window" "$out/$1.png" || fail "no shot of $2's window"
  kill "$app"
  wait "$app" 2>/dev/null
  app=""
}
for scale in 1 2; do
  shot "lean-$scale" "$lean" "$scale"
  shot "debian-$scale" "$debian" "$scale"
  size="$(identify -format '%wx%h' "$out/lean-$scale.png")"
  [ "$size" = "$(identify -format '%wx%h' "$out/debian-$scale.png")" ] ||
    fail "at scale $scale the lean program's window is $size, the other's $(identify -format '%wx%h' "$out/debian-$scale.png")"
  differ="$(compare -metric AE "$out/lean-$scale.png" "$out/debian-$scale.png" "$out/difference-$scale.png" 2>&1)"
  [ "$differ" = 0 ] || fail "at scale $scale, $differ pixels differ (see $out/difference-$scale.png)"
  echo "scale $scale: $size, 0 pixels differ"
done
echo "PASS [same window]: the lean program's window is the other's at 100 % and 200 %"
