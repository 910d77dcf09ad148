# Sourced by the medium's tests. startprogram_window PID: waits up to 15 s for the start
# program's visible window on $DISPLAY and prints its id; status 2 when process PID ended
# first, 1 when no window came.
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
