#!/usr/bin/env bash
# End-to-end cases: the real program on the display in $DISPLAY, driven with
# xdotool as a person would. Usage: e2e.sh PROGRAM CASE
# Each case lays out its own medium and home, puts a stand-in xdg-open first on
# PATH that records what the program hands to the desktop, bounds every wait and
# ends every process it started, by its id.
set -u
program="$1"
case_name="$2"

work="$(mktemp -d)"
medium="$work/medium"
home="$work/home"
record="$work/xdg-open.calls"
mkdir -p "$medium" "$home/.config" "$home/Desktop" "$work/bin"
app=""

cleanup() {
  if [ -n "$app" ] && kill -0 "$app" 2>/dev/null; then
    kill "$app" 2>/dev/null
    for _ in $(seq 20); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$app" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL [$case_name]: $*" >&2
  [ -s "$work/stdout" ] && sed 's/^/  program: /' "$work/stdout" >&2
  exit 1
}

# shellcheck source=tests/e2e/medium.sh
. "$(dirname "${BASH_SOURCE[0]}")/medium.sh"
lay_medium

info() { printf '%s\r\n' "$@" > "$medium/info.txt"; }

start() {
  env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION \
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    PATH="$work/bin:$PATH" XDG_OPEN_RECORD="$record" QT_QPA_PLATFORM=xcb \
    "$medium/startprogram" >"$work/stdout" 2>&1 &
  app=$!
}

# wait_window TITLE [SECONDS]: prints the id of a visible window with exactly that title.
wait_window() {
  local title="$1" limit="${2:-10}" id=""
  for _ in $(seq $((limit * 10))); do
    id="$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1)"
    [ -n "$id" ] && { echo "$id"; return 0; }
    kill -0 "$app" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# press WINDOW KEY...: gives the window the keyboard and types the keys.
press() {
  local window="$1"
  shift
  xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
  sleep 0.2
  xdotool key --clearmodifiers "$@"
}

wait_record() {
  for _ in $(seq 50); do [ -s "$record" ] && return 0; sleep 0.1; done
  return 1
}

wait_exit() {
  local limit="$1"
  for _ in $(seq $((limit * 10))); do kill -0 "$app" 2>/dev/null || return 0; sleep 0.1; done
  return 1
}

entries() {
  info 3 '"index.htm","First entry"' '"second page.htm","Second entry"' '"https://www.varnholt.example/","Web"'
}

store_settings() {
  printf '[Zezuzav]\nStartSide=index.htm\nLukVedStart=%s\n' "$1" > "$home/.config/Varnholt Danmark.ini"
}

case "$case_name" in
window)
  entries
  start
  w="$(wait_window Startprogram)" || fail "no window titled Startprogram"
  eval "$(xdotool getwindowgeometry --shell "$w")"
  [ "$WIDTH" = 592 ] || fail "window width $WIDTH, not 592"
  # The client area is 304 high below a menu bar of one line.
  [ "$HEIGHT" -ge 314 ] && [ "$HEIGHT" -le 340 ] || fail "window height $HEIGHT is not 304 plus a menu bar"
  ;;
go-first)
  entries
  start
  w="$(wait_window Startprogram)" || fail "no window"
  press "$w" Return
  wait_record || fail "Return on Go handed nothing to the desktop"
  [ "$(cat "$record")" = "file://$medium/index.htm" ] || fail "handed over: $(cat "$record")"
  ;;
go-other)
  entries
  store_settings True
  start
  w="$(wait_window Startprogram)" || fail "no window"
  # Go, Exit, the check box, then the list: Down picks the second entry; Tab returns to Go.
  press "$w" Tab Tab Tab Down Tab Return
  wait_record || fail "Go handed nothing to the desktop"
  [ "$(cat "$record")" = "file://$medium/second%20page.htm" ] || fail "handed over: $(cat "$record")"
  ;;
countdown)
  entries
  start # a first run: the program ends itself after a launch
  w="$(wait_window Startprogram)" || fail "no window"
  press "$w" Return
  began=$(date +%s)
  wait_record || fail "nothing launched"
  wait_exit 20 || fail "still running 20 s after Go"
  took=$(( $(date +%s) - began ))
  [ "$took" -ge 8 ] || fail "ended after $took s, not about ten"
  grep -q 'LukVedStart=True' "$home/.config/Varnholt Danmark.ini" || fail "first-run settings not stored"
  ;;
keep-running)
  entries
  store_settings False
  start
  w="$(wait_window Startprogram)" || fail "no window"
  press "$w" Return
  wait_record || fail "nothing launched"
  ! wait_exit 13 || fail "ended although Leave this program running is set"
  ;;
escape)
  entries
  start
  w="$(wait_window Startprogram)" || fail "no window"
  # The keys reach the window: Down on the list, just before Alt+Esc, chooses the second
  # entry, which Go then hands over.
  press "$w" Tab Tab Tab Down alt+Escape
  ! wait_exit 2 || fail "Alt+Esc ended the program"
  press "$w" Tab Return
  wait_record || fail "Go handed nothing to the desktop"
  [ "$(cat "$record")" = "file://$medium/second%20page.htm" ] || fail "the keys did not reach the window: handed $(cat "$record")"
  press "$w" Escape
  wait_exit 5 || fail "Esc did not end the program"
  ;;
missing-info)
  start
  e="$(wait_window ERROR)" || fail "no first ERROR box"
  press "$e" Return
  sleep 0.5
  e="$(wait_window ERROR)" || fail "no second ERROR box"
  press "$e" Return
  wait_window Startprogram >/dev/null || fail "no window after the two ERROR boxes"
  ;;
missing-target)
  info 1 '"not on the medium.pdf","Missing"'
  start
  w="$(wait_window Startprogram)" || fail "no window"
  press "$w" Return
  wait_window "Command aborted" >/dev/null || fail "no Command aborted box"
  [ ! -s "$record" ] || fail "a missing file was handed to the desktop"
  ;;
about)
  entries
  store_settings False
  start
  w="$(wait_window Startprogram)" || fail "no window"
  press "$w" alt+i
  sleep 0.5
  xdotool key Return
  a="$(wait_window 'About...')" || fail "no About box"
  press "$a" Return
  wait_exit 1 && fail "the program ended with the About box"
  # The menus keep their Esc: closing an open menu with Esc twice leaves the program running.
  press "$w" alt+i
  sleep 0.3
  xdotool key Escape
  sleep 0.3
  xdotool key Escape
  ! wait_exit 2 || fail "Esc in the menus ended the program"
  press "$w" Escape
  wait_exit 5 || fail "Esc on the window did not end the program"
  ;;
shortcut)
  entries
  store_settings False
  start
  w="$(wait_window Startprogram)" || fail "no window"
  press "$w" alt+e
  sleep 0.5
  xdotool key Return
  q="$(wait_window 'Please confirm')" || fail "no question box"
  press "$q" Return
  d="$(wait_window 'Command performed')" || fail "no confirmation box"
  press "$d" Return
  launcher="$home/Desktop/Zezuzav - Quillmere.desktop"
  [ -f "$launcher" ] || fail "no launcher on the desktop"
  grep -qx "Exec=\"$medium/startprogram\"" "$launcher" || fail "Exec line: $(grep Exec "$launcher")"
  [ -x "$launcher" ] || fail "launcher not executable"
  kill -0 "$app" 2>/dev/null || fail "the program ended"
  # The launcher starts the program: end this copy, then run what its Exec and Path lines say.
  press "$w" Escape
  wait_exit 5 || fail "Esc did not end the program"
  exec_line="$(sed -n 's/^Exec=//p' "$launcher")"
  target="${exec_line#\"}"
  target="${target%\"}"
  folder="$(sed -n 's/^Path=//p' "$launcher")"
  [ "$folder" = "$medium" ] || fail "Path line: $folder"
  (cd "$folder" && exec env HOME="$home" XDG_CONFIG_HOME="$home/.config" QT_QPA_PLATFORM=xcb "$target" >/dev/null 2>&1) &
  app=$!
  wait_window Startprogram >/dev/null || fail "the launcher's command showed no window"
  ;;
made-list)
  # The check lists a folder of Danish documents; Go on each line in turn hands over
  # each document in the list's order.
  mkdir -p "$medium/Øvelser"
  touch "$medium/Æblegrød.pdf" "$medium/2 Kapitel.pdf" "$medium/10 Kapitel.pdf" "$medium/Øvelser/Læs mig.htm"
  # Warnings only (this medium has no usage page and no Linux libraries of its own): status 1.
  "$SP_CHECK" --make-list "$medium" >"$work/check.out" 2>&1
  [ $? -le 1 ] || fail "the check wrote no list: $(cat "$work/check.out")"
  store_settings False
  start
  w="$(wait_window Startprogram)" || fail "no window"
  expected=("Øvelser/Læs mig.htm" "2 Kapitel.pdf" "10 Kapitel.pdf" "index.htm" "second page.htm" "Æblegrød.pdf")
  press "$w" Return
  for ((i = 1; i < ${#expected[@]}; i++)); do
    for _ in $(seq 50); do [ "$(wc -l <"$record" 2>/dev/null || echo 0)" -ge "$i" ] && break; sleep 0.1; done
    press "$w" Tab Tab Tab Down Tab Return
  done
  for _ in $(seq 50); do [ "$(wc -l <"$record")" -ge ${#expected[@]} ] && break; sleep 0.1; done
  seen="$(python3 -c 'import sys, urllib.parse; [print(urllib.parse.unquote(l.rstrip())) for l in sys.stdin]' <"$record")"
  want="$(for f in "${expected[@]}"; do echo "file://$medium/$f"; done)"
  [ "$seen" = "$want" ] || fail "handed over: $seen"
  ;;
big-info)
  # 50 MB of information file: the window still comes up at once.
  entries
  head -c $((50 * 1024 * 1024)) /dev/zero | tr '\0' 'z' >> "$medium/info.txt"
  start
  wait_window Startprogram 5 >/dev/null || fail "no window within 5 s with a 50 MB info.txt"
  ;;
*)
  fail "no such case"
  ;;
esac
echo "PASS [$case_name]"
