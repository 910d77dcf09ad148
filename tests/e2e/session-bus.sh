#!/usr/bin/env bash
# The program on an X display whose session has no D-Bus session bus (startx, ssh, a
# kiosk) where dbus-launch is installed, on the display in $DISPLAY: it leaves no bus
# behind (nor where the bus address is set but empty), takes a bus already autolaunched
# for the display, and what it launches gets the desktop's own environment.
# Usage: session-bus.sh PROGRAM BUS-SELECTIONS (BUS-SELECTIONS: the helper that names
# the display's announced session buses).
# Like e2e.sh it lays out its own medium and home, bounds every wait and ends every
# process it started, by its id.
set -u
program="$1"
selections="$2"
for tool in dbus-launch dbus-send dbus-uuidgen xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: no $tool" >&2; exit 77; }
done

work="$(mktemp -d)"
medium="$work/medium"
home="$work/home"
record="$work/xdg-open.calls"
mkdir -p "$medium" "$home/.config" "$work/bin" "$work/runtime"
chmod 700 "$work/runtime"
app=""

# The bus processes that serve this display: started from it, they carry its DISPLAY.
display_buses() {
  local pid
  for pid in $(pgrep -x dbus-launch) $(pgrep -x dbus-daemon); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "DISPLAY=$DISPLAY" && echo "$pid"
  done
}

# shellcheck source=tests/e2e/processes.sh
. "$(dirname "${BASH_SOURCE[0]}")/processes.sh"

cleanup() {
  local pid
  [ -n "$app" ] && stop_tree "$app"
  for pid in $(display_buses); do stop_tree "$pid"; done
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL [session bus]: $*" >&2
  [ -s "$work/stdout" ] && sed 's/^/  program: /' "$work/stdout" >&2
  exit 1
}

# shellcheck source=tests/e2e/medium.sh
. "$(dirname "${BASH_SOURCE[0]}")/medium.sh"
lay_medium
# What reaches the desktop: the target, then the bus address the opener was given.
cat > "$work/bin/xdg-open" <<'STUB'
#!/bin/sh
printf '%s %s\n' "$1" "${DBUS_SESSION_BUS_ADDRESS-unset}" >> "$XDG_OPEN_RECORD"
STUB
printf '%s\r\n' 1 '"index.htm","First entry"' > "$medium/info.txt"
printf '[Zezuzav]\nStartSide=index.htm\nLukVedStart=False\n' > "$home/.config/Varnholt Danmark.ini"

# A session with a display and no bus: no address, a runtime folder without a bus socket.
unset DBUS_SESSION_BUS_ADDRESS XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION AT_SPI_BUS_ADDRESS
export XDG_RUNTIME_DIR="$work/runtime" HOME="$home" XDG_CONFIG_HOME="$home/.config"
export XDG_DATA_HOME="$home/.local/share" LANG=C.UTF-8 LC_ALL=C.UTF-8

# run_program: starts the program, hands its entry to the desktop with Go and ends it
# with Esc; the opener's record is left in $record.
run_program() {
  : > "$record"
  PATH="$work/bin:$PATH" XDG_OPEN_RECORD="$record" QT_QPA_PLATFORM=xcb "$medium/startprogram" >"$work/stdout" 2>&1 &
  app=$!
  local window="" _
  for _ in $(seq 100); do
    window="$(xdotool search --onlyvisible --name '^Startprogram$' 2>/dev/null | head -n 1)"
    [ -n "$window" ] && break
    kill -0 "$app" 2>/dev/null || fail "the program ended without a window"
    sleep 0.1
  done
  [ -n "$window" ] || fail "no window titled Startprogram"
  [ -z "${1:-}" ] || "$1" # what is checked while the program runs
  xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
  xdotool key --clearmodifiers Return
  for _ in $(seq 50); do [ -s "$record" ] && break; sleep 0.1; done
  [ -s "$record" ] || fail "Go handed nothing to the desktop"
  xdotool key --clearmodifiers Escape
  for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app" 2>/dev/null && fail "Esc did not end the program"
  wait "$app" 2>/dev/null
  app=""
  # The opener gets the address as the desktop gave it (unset or empty), not the program's own.
  [ "$(cat "$record")" = "file://$medium/index.htm ${DBUS_SESSION_BUS_ADDRESS-unset}" ] ||
    fail "the desktop was given: $(cat "$record")"
}

# 1. No bus anywhere: the program starts none.
run_program
announced="$("$selections")" || fail "the display's selections could not be read"
[ -z "$announced" ] || fail "a bus was announced on the display: $announced"
[ -z "$(display_buses)" ] || fail "bus processes left for the display: $(display_buses | xargs ps -o pid=,args= -p)"
echo "no bus: none started"

# An empty address is no address: libdbus would autolaunch for it as for none.
DBUS_SESSION_BUS_ADDRESS="" run_program
announced="$("$selections")" || fail "the display's selections could not be read"
[ -z "$announced" ] || fail "an empty address: a bus was announced on the display: $announced"
[ -z "$(display_buses)" ] || fail "an empty address: bus processes left: $(display_buses | xargs ps -o pid=,args= -p)"
echo "empty address: none started"

# 2. A bus autolaunched for the display before the program: the program connects to it,
# and starts no other.
dbus-launch --autolaunch="$(dbus-uuidgen --get)" --sh-syntax >"$work/autolaunch" 2>&1 \
  || fail "dbus-launch: $(cat "$work/autolaunch")"
address="$(sed -n "s/^DBUS_SESSION_BUS_ADDRESS='\(.*\)';\$/\1/p" "$work/autolaunch")"
[ -n "$address" ] || fail "dbus-launch named no address: $(cat "$work/autolaunch")"
announced="$("$selections")" || fail "the display's selections could not be read"
[ "$(echo "$announced" | wc -l)" = 1 ] && [ -n "$announced" ] || fail "the autolaunched bus is not announced on the display"
before="$(display_buses | sort)"

# The program's own process is among the bus's connections.
connected() {
  local name pid _
  for _ in $(seq 50); do
    for name in $(dbus-send --bus="$address" --print-reply --dest=org.freedesktop.DBus / \
      org.freedesktop.DBus.ListNames 2>/dev/null | grep -o '":[0-9.]*"' | tr -d '"'); do
      pid="$(dbus-send --bus="$address" --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.GetConnectionUnixProcessID "string:$name" 2>/dev/null | awk '/uint32/ { print $2 }')"
      [ "$pid" = "$app" ] && return 0
    done
    sleep 0.1
  done
  fail "the program is not connected to the bus autolaunched for the display"
}
run_program connected
[ "$(display_buses | sort)" = "$before" ] || fail "the program started another bus for the display"
echo "autolaunched bus: found, none added"
echo "PASS [session bus]"
