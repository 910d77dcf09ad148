# Sourced by the medium's tests, which set $work and define fail. Runs the Linux program
# as the medium's user would, on $DISPLAY.
#   startprogram_window PID      waits up to 15 s for the start program's visible window
#                                and prints its id; status 2 when process PID ended first,
#                                1 when no window came
#   linux_home                   a home in $work/home whose settings keep the program
#                                running after a launch, and a stand-in xdg-open in
#                                $work/bin that records what the program hands over
#   start_linux WHAT COMMAND...  starts COMMAND from / with that home, waits for the window
#                                and focuses it; $app is its process
#   handed_over                  the first address handed to the desktop, decoded
#   stop_linux                   ends the program
startprogram_window() {
  local window=""
  for _ in $(seq 150); do
    window="$(xdotool search --onlyvisible --name '^Startprogram$' 2>/dev/null | head -n 1)"
    [ -n "$window" ] && { echo "$window"; return 0; }
    kill -0 "$1" 2>/dev/null || return 2
    sleep 0.1
  done
  return 1
}

linux_home() {
  mkdir -p "$work/home/.config" "$work/bin"
  printf '#!/bin/sh\nprintf "%%s\\n" "$@" >> "%s"\n' "$work/xdg-open.calls" >"$work/bin/xdg-open"
  chmod +x "$work/bin/xdg-open"
  printf '[Zezuzav]\nStartSide=index.htm\nLukVedStart=False\n' >"$work/home/.config/Varnholt Danmark.ini"
}

start_linux() {
  local what="$1" window
  shift
  rm -f "$work/xdg-open.calls"
  (cd / && exec env HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" PATH="$work/bin:$PATH" \
    QT_QPA_PLATFORM=xcb "$@") >"$work/out" 2>&1 &
  app=$!
  window="$(startprogram_window "$app")" || fail "the Linux program $what showed no window (or ended first)"
  xdotool windowfocus --sync "$window" 2>/dev/null
  sleep 0.3
}

handed_over() {
  for _ in $(seq 50); do [ -s "$work/xdg-open.calls" ] && break; sleep 0.1; done
  python3 -c 'import sys, urllib.parse; print(urllib.parse.unquote(sys.stdin.readline().rstrip("\n")))' \
    <"$work/xdg-open.calls" 2>/dev/null
}

stop_linux() {
  kill "$app" 2>/dev/null
  wait "$app" 2>/dev/null
  app=""
}
