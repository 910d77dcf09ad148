#!/usr/bin/env bash
# Prints the entries the real program's list shows, one a line, as a screen reader reads them
# through AT-SPI, on the display in $DISPLAY with buses and a home of its own.
# Usage: program-list.sh PROGRAM (the program where the medium holds it).
# Exit status: 0 read, 1 failed, 77 when a tool the reader needs is missing.
set -u
program="$1"

# shellcheck source=tests/e2e/reader.sh
. "$(dirname "${BASH_SOURCE[0]}")/reader.sh"
# shellcheck disable=SC2119 # no tool beyond the reader's own
need_reader_tools

work="$(mktemp -d)"
cleanup() {
  stop_reader_session
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL [program's list]: $*" >&2
  [ -s "$work/stdout" ] && sed 's/^/  program: /' "$work/stdout" >&2
  exit 1
}

mkdir -p "$work/home/.config"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
start_reader_buses
start_for_reader "$program"
read_as_reader "$reader_dir/reader.py" "$app" || fail "the reader found no list"
