#!/usr/bin/env bash
# One disc image for both desktops: scripts/bundle --iso lays out the demo medium and
# writes its image; the image is mounted read-only with fuseiso (no kernel driver is
# needed), the Linux program started from it on the display in $DISPLAY and the exe
# under Wine, each must show its window and read the entries from the disc; and the
# Joliet names, which Windows reads, keep their case, length and spaces.
# Usage: test-iso.sh SOURCE_ROOT WINDOWS_BUILD
set -u
root="$1"
winbuild="$2"
work="$(mktemp -d)"
mnt="$work/mnt"
app=""
wine_state="$work/wine"
cleanup() {
  [ -n "$app" ] && { kill "$app" 2>/dev/null; sleep 0.3; kill -9 "$app" 2>/dev/null; }
  [ -f "$wine_state/env" ] && "$root/tests/win32/wine-run" --state "$wine_state" --shutdown >/dev/null 2>&1
  mountpoint -q "$mnt" 2>/dev/null && fusermount -u "$mnt"
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL [iso]: $*" >&2; [ -s "$work/out" ] && tail -n 20 "$work/out" >&2; exit 1; }
skip() { echo "SKIP [iso]: $*"; echo "SKIP [iso]: $*" >&2; exit 77; }
# shellcheck source=tests/bundle/linux-run.sh
. "$root/tests/bundle/linux-run.sh"

[ -e /dev/fuse ] && command -v fuseiso >/dev/null || skip "fuseiso cannot run here (no /dev/fuse or no fuseiso)"

# The bundle and image laid once for the test run ($SP_BUNDLE), or its own.
if [ -n "${SP_BUNDLE:-}" ]; then
  cp -a "$SP_BUNDLE/medium" "$SP_BUNDLE/medium.iso" "$SP_BUNDLE/bundle.log" "$work/" || fail "no bundle laid in $SP_BUNDLE"
else
  bash "$root/scripts/bundle" --windows-build "$winbuild" --allow-errors --iso "$work/medium.iso" "$work/medium" \
    >"$work/bundle.log" 2>&1 || fail "scripts/bundle --iso failed: $(cat "$work/bundle.log")"
fi
grep -q '^info.txt:[0-9]*: error: "missing.pdf" is missing from the medium$' "$work/bundle.log" \
  || fail "the check did not report the demo's missing document: $(cat "$work/bundle.log")"
[ "$(grep -c ': \(error\|warning\): ' "$work/bundle.log")" = 1 ] || fail "the check reported more than the missing document"

# Every library and plugin the medium redistributes has its notice: the Debian package
# it comes from, with that package's licence beside the notices.
fault="$(bash "$root/tests/bundle/check-notices.sh" "$work/medium")" || fail "$fault"

# Joliet names as Windows reads them.
joliet="$(xorriso -indev "$work/medium.iso" -rockridge off -joliet on -find / -exec lsdl 2>/dev/null)"
for name in "/startprogram.exe" "/autorun.inf" "/info.txt" "/Product sheets/Quillmere overview.htm" \
  "/Presumptions.htm" "/Start here.htm"; do
  grep -qF "'$name'" <<<"$joliet" || fail "Joliet has no '$name'"
done

mkdir -p "$mnt"
fuseiso "$work/medium.iso" "$mnt" || skip "fuseiso could not mount the image (FUSE refused)"
[ -x "$mnt/startprogram" ] && [ -x "$mnt/autorun.sh" ] || fail "Rock Ridge lost the execute bits"

# Linux: autorun.sh starts the program from a medium; Return on Go hands over its first entry.
linux_home
linux_from() { # MEDIUM WHAT
  start_linux "$2" sh "$1/autorun.sh"
  xdotool key --clearmodifiers Return
  local got
  got="$(handed_over)"
  [ "$got" = "file://$1/index.htm" ] || fail "the Linux program $2 handed over '$got', not its index.htm"
  stop_linux
}
linux_from "$mnt" "from the disc"
# A medium that shows no execute bits (a FAT stick mounted with showexec): through the loader.
cp -R "$mnt" "$work/noexec"
chmod -R a-x "$work/noexec/startprogram" "$work/noexec/autorun.sh"
linux_from "$work/noexec" "from a medium without execute bits"

# Windows: the exe from the disc under Wine lists the entries.
driver="$(find "$winbuild" -name spdriver.exe | head -n 1)"
[ -n "$driver" ] || fail "no spdriver.exe in $winbuild"
"$root/tests/win32/wine-run" --state "$wine_state" --boot >"$work/wine.log" 2>&1 || fail "Wine did not start"
drv() { "$root/tests/win32/wine-run" --state "$wine_state" "$driver" "$@" | tr -d '\r'; }
drv reg-set 'Software\VB and VBA Program Settings\Varnholt Danmark\Zezuzav' LukVedStart False >/dev/null
"$root/tests/win32/wine-run" --state "$wine_state" "$mnt/startprogram.exe" >"$work/out" 2>&1 &
app=$!
drv wait-window Startprogram 30 >/dev/null || fail "the exe from the disc showed no window"
list="$(drv list Startprogram)"
grep -q '^\* Welcome page$' <<<"$list" && [ "$(grep -c . <<<"$list")" = 7 ] \
  || fail "the exe's list is not the disc's seven entries: $list"
echo "PASS [iso]: $(grep "^bundle: " "$work/bundle.log" | tr "\n" " ")"
