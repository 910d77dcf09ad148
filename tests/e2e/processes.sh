# shellcheck shell=bash
# Sourced by the end-to-end scripts that start processes of their own.

# A process and everything it started (a bus starts the services it is asked for),
# asked to end, then killed if it has not within two seconds.
stop_tree() {
  local pid="$1" child
  for child in $(ps -o pid= --ppid "$pid" 2>/dev/null); do stop_tree "$child"; done
  kill "$pid" 2>/dev/null
  for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  kill -9 "$pid" 2>/dev/null
}
