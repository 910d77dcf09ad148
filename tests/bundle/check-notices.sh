#!/usr/bin/env bash
# A medium's notices cover what it redistributes: every library and plugin under linux/
# has its line in THIRD-PARTY-NOTICES.txt naming the Debian package it comes from, with
# that package's licence in licenses/; so do the packages linked statically into the
# Windows programs; and the notices give Qt's licence. Prints the first fault, status 1.
# Usage: check-notices.sh MEDIUM
set -u
medium="$1"
notices="$medium/THIRD-PARTY-NOTICES.txt"
fault() { echo "$*"; exit 1; }
[ -s "$notices" ] || fault "no THIRD-PARTY-NOTICES.txt on the medium"
text="$(tr -d '\r' <"$notices")"
files="$(cd "$medium" && find linux -name '*.so*' -type f | sort)"
[ -n "$files" ] || fault "no library or plugin under linux/"
while read -r file; do
  line="$(grep -m1 "^$file: " <<<"$text" || true)"
  [ -n "$line" ] || fault "$file is bundled without a notice"
  pkg="$(echo "$line" | awk '{print $2}')"
  [ -s "$medium/licenses/$pkg.txt" ] || fault "no licence licenses/$pkg.txt for $file"
done <<<"$files"
for pkg in mingw-w64-i686-dev g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix; do
  grep -q "^$pkg " <<<"$text" || fault "no notice for $pkg, linked into the Windows programs"
  [ -s "$medium/licenses/$pkg.txt" ] || fault "no licence licenses/$pkg.txt"
done
grep -q 'LGPL-3' <<<"$text" || fault "the notices do not say Qt's licence"
