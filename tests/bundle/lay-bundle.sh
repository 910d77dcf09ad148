#!/usr/bin/env bash
# Lays the demo medium's bundle and its disc image once, for the tests that start them
# (each copies what it changes). Usage: lay-bundle.sh SOURCE_ROOT WINDOWS_BUILD OUT [BUILD]
# OUT gets medium/, medium.iso and bundle.log (what the bundle's check said). BUILD is the
# build folder of the shipped programs (scripts/bundle's own choice when not given).
set -u
root="$1"
winbuild="$2"
out="$3"
build=()
[ -n "${4:-}" ] && build=(--build "$4")
rm -rf "$out"
mkdir -p "$out"
bash "$root/scripts/bundle" "${build[@]}" --windows-build "$winbuild" --allow-errors --iso "$out/medium.iso" "$out/medium" \
  >"$out/bundle.log" 2>&1 || { echo "FAIL [bundle]: scripts/bundle failed:" >&2; cat "$out/bundle.log" >&2; exit 1; }
echo "PASS [bundle]: laid in $out"
