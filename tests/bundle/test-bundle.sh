#!/usr/bin/env bash
# The self-contained medium starts where the system's Qt 6 cannot be found: in a
# mount namespace every system Qt library and plugin is hidden, and the bundled
# program must still open its window on the display in $DISPLAY.
set -u
root="$1"
work="$(mktemp -d)"
app=""
cleanup() {
  [ -n "$app" ] && { kill "$app" 2>/dev/null; sleep 0.2; kill -9 "$app" 2>/dev/null; }
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL [bundle]: $*" >&2; [ -s "$work/out" ] && tail -n 20 "$work/out" >&2; exit 1; }

# skip WHY: says on both streams why the test cannot run here, so that a skipped
# run is never mistaken for a passed one, then exits with CTest's skip code.
skip() {
  echo "SKIP [bundle]: $*"
  echo "SKIP [bundle]: $*" >&2
  exit 77
}
if [ "$(id -u)" -ne 0 ]; then
  skip "hiding the system's Qt needs root (CAP_SYS_ADMIN for mount namespaces and bind mounts); running as uid $(id -u)"
fi
if ! command -v unshare >/dev/null 2>&1; then
  skip "unshare(1) from util-linux is not installed, so no mount namespace can be made"
fi
if ! why="$(unshare -m true 2>&1)"; then
  skip "mount namespaces are unavailable here (CAP_SYS_ADMIN / unshare(CLONE_NEWNS) refused): ${why:-unshare -m failed}"
fi

# The bundle laid once for the test run ($SP_BUNDLE), or one of its own.
if [ -n "${SP_BUNDLE:-}" ]; then
  cp -a "$SP_BUNDLE/medium" "$work/medium" && cp "$SP_BUNDLE/bundle.log" "$work/bundle.log" ||
    fail "no bundle laid in $SP_BUNDLE"
else
  bash "$root/scripts/bundle" --allow-errors "$work/medium" >"$work/bundle.log" 2>&1 ||
    fail "scripts/bundle failed: $(cat "$work/bundle.log")"
fi

# Every Qt library the program and its platform plugin load resolves inside the bundle.
for f in "$work/medium/startprogram" "$work/medium/linux/plugins/platforms/libqxcb.so"; do
  outside="$(ldd "$f" | grep -E 'libQt6' | grep -v "=> $work/medium/" || true)"
  [ -z "$outside" ] || fail "$(basename "$f") finds Qt outside the bundle: $outside"
done

mkdir -p "$work/home/.config"
env HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=xcb LD_DEBUG=libs \
  unshare -m "$root/tests/bundle/without-system-qt" "$work/medium/startprogram" >"$work/out" 2>&1 &
app=$!

# shellcheck source=tests/bundle/linux-run.sh
. "$root/tests/bundle/linux-run.sh"
startprogram_window "$app" >/dev/null || fail "no window from the bundled program (or it ended first)"

loaded="$(grep -oE 'calling init: [^ ]*libQt6[^ ]*' "$work/out" | awk '{print $3}' | sort -u)"
[ -n "$loaded" ] || fail "LD_DEBUG showed no Qt library"
outside="$(echo "$loaded" | grep -v "^$work/medium/" || true)"
[ -z "$outside" ] || fail "Qt loaded from outside the bundle: $outside"
echo "$loaded" | grep -q 'libQt6XcbQpa' || fail "the xcb platform plugin's library was not loaded"
echo "PASS [bundle]: $(grep bundle: "$work/bundle.log")"
