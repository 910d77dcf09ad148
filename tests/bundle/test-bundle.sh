#!/usr/bin/env bash
# The medium's Linux program is one file that needs of the system only what every Linux
# desktop has: started in a root that holds only the libraries of system-libraries and what
# they need (no Qt at all, no libpcre2-16, no libxcb-icccm), it opens its window on the
# display in $DISPLAY, and every library it loads is one of that root's.
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
  skip "a root of its own needs root (CAP_SYS_ADMIN for mount namespaces, bind mounts and chroot); running as uid $(id -u)"
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

# The Linux part is the one program: nothing of Qt beside it, no Qt library needed.
for f in qt.conf linux; do
  [ ! -e "$work/medium/$f" ] || fail "the medium carries $f"
done
needed="$(readelf -d "$work/medium/startprogram" | grep -o 'Shared library: \[[^]]*' | cut -d[ -f2)"
! grep -q 'libQt' <<<"$needed" || fail "the program needs Qt libraries: $needed"

"$root/tests/bundle/system-root" "$work/root" >"$work/sonames" || fail "no root of the system's libraries alone"
mkdir -p "$work/home/.config"
# The loader's report of the program alone (not of the mounts and the chroot around it).
env HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=xcb \
  unshare -m "$root/tests/bundle/system-root" --run "$work/root" "$work/medium" \
  /bin/sh -c 'export LD_DEBUG=libs; exec ./startprogram' >"$work/out" 2>&1 &
app=$!

# shellcheck source=tests/bundle/linux-run.sh
. "$root/tests/bundle/linux-run.sh"
startprogram_window "$app" >/dev/null || fail "no window from the bundled program (or it ended first)"

loaded="$(grep -oE 'calling init: [^ ]+' "$work/out" | awk '{print $3}' | sort -u)"
[ -n "$loaded" ] || fail "LD_DEBUG showed no library loaded"
outside="$(for lib in $loaded; do grep -qxF "$(basename "$lib")" "$work/sonames" || echo "$lib"; done)"
[ -z "$outside" ] || fail "libraries loaded that the root of the system's libraries does not hold: $outside"
! grep -q 'libQt' <<<"$loaded" || fail "a Qt library was loaded: $loaded"
echo "PASS [bundle]: $(wc -w <<<"$loaded") system libraries, no Qt library loaded; $(grep bundle: "$work/bundle.log")"
