# shellcheck shell=bash disable=SC2154 # $work is the caller's
# Sourced by the scripts that read the real program as a screen reader does, on the display in
# $DISPLAY: a D-Bus session bus and an accessibility bus of the script's own, the program started
# on them with its accessibility on, and the python reader (reader.py beside this file). The caller
# sets $work (a folder of its own) and defines fail MESSAGE; stop_reader_session ends, by their
# ids, the program and the buses with everything they started.

# The system's python, which has the GObject bindings; one found first on PATH may not.
reader_python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher
reader_dir="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
app=""
bus=""
a11y=""

# Exits 77 (skipped) where a tool the reader needs, or one named, is missing.
need_reader_tools() {
  local tool
  for tool in dbus-daemon "$@"; do
    command -v "$tool" >/dev/null || { echo "SKIP: no $tool" >&2; exit 77; }
  done
  [ -x "$launcher" ] || { echo "SKIP: no $launcher (at-spi2-core)" >&2; exit 77; }
  "$reader_python" -c 'import pyatspi' 2>/dev/null || { echo "SKIP: no pyatspi (python3-pyatspi)" >&2; exit 77; }
}

# shellcheck source=tests/e2e/processes.sh
. "$(dirname "${BASH_SOURCE[0]}")/processes.sh"

stop_reader_session() {
  [ -n "$app" ] && stop_tree "$app"
  [ -n "$a11y" ] && stop_tree "$a11y"
  [ -n "$bus" ] && stop_tree "$bus"
}

# The buses, in a runtime folder in $work and with no desktop's settings leaking in.
start_reader_buses() {
  local address registered=""
  mkdir -p "$work/runtime"
  chmod 700 "$work/runtime"
  export XDG_RUNTIME_DIR="$work/runtime"
  unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION AT_SPI_BUS_ADDRESS
  # A session bus of this script's own: the address, then the id, one a line.
  dbus-daemon --session --fork --print-address=1 --print-pid=1 > "$work/session" 2>"$work/dbus.err" \
    || fail "no session bus: $(cat "$work/dbus.err")"
  { read -r address; read -r bus; } < "$work/session"
  if [ -z "$address" ] || [ -z "$bus" ]; then fail "the session bus named no address or id"; fi
  export DBUS_SESSION_BUS_ADDRESS="$address"

  # The accessibility bus, found by readers and by Qt through the session bus.
  "$launcher" --launch-immediately >"$work/launcher" 2>&1 &
  a11y=$!
  for _ in $(seq 100); do
    if dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; then
      registered=yes
      break
    fi
    sleep 0.1
  done
  [ -n "$registered" ] || fail "the accessibility bus did not come up"
}

# start_for_reader PROGRAM: on X with its accessibility on; $app its id, its output in $work/stdout.
start_for_reader() {
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" >"$work/stdout" 2>&1 &
  app=$!
}

# read_as_reader ARGS...: the python reader, with reader.py importable (no cache left in the
# source tree), bounded in time.
read_as_reader() {
  PYTHONPATH="$reader_dir" PYTHONDONTWRITEBYTECODE=1 timeout 90 "$reader_python" "$@"
}
