#!/usr/bin/env bash
# A medium's notices cover what it redistributes: every library and plugin under linux/
# has its line in THIRD-PARTY-NOTICES.txt naming the Debian package it comes from, with
# that package's licence in licenses/; so do the packages linked statically into the
# Windows programs; the notices give Qt's licence, the program's own terms and the maker's
# written offer of the source; and every common licence that a copyright file in licenses/
# refers to (by a path into Debian's common-licenses or by a machine-readable file's short
# name) lies whole in licenses/, named as there and in the notices. Prints the first fault,
# status 1.
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

root="$(cd "$(dirname "$0")/../.." && pwd)"
product_text() { sed -n "s/.*$1\[\] = \"\(.*\)\";/\1/p" "$root/texts/ProductTexts.h"; }
maker="$(product_text MakerLine)"
grep -qF "Copyright$(product_text CopyrightNotice)" <<<"$text" || fault "the notices do not give the program's own terms"
grep -q '^== Written offer of the source code' <<<"$text" && grep -qF "Write to $maker, $(product_text DepartmentLine)" <<<"$text" ||
  fault "the notices hold no written offer of the source addressed to $maker"

common=/usr/share/common-licenses
[ -d "$common" ] || fault "no $common here to compare the licence texts with"
# The text a reference leads to in common-licenses, read as scripts/bundle reads it:
# "GPL-2+", "GPL-2.0", "GPL-2.0-or-later" and "GPL-2.0-only" are GPL-2, "LGPL" is where the
# link leads.
resolve() {
  local name="${1%.}"
  name="${name%+}"
  name="${name%-or-later}"
  name="${name%-only}"
  for name in "$name" "${name%.0}"; do
    [ -n "$name" ] && [ -f "$common/$name" ] && { basename "$(readlink -f "$common/$name")"; return 0; }
  done
  return 1
}
# need LICENCE REFERENCE: the licence's text lies whole in licenses/ and the notices name it.
need() {
  cmp -s "$common/$1" "$medium/licenses/$1" ||
    fault "licenses/$(basename "$copyright") refers to $2, whose text is not whole in licenses/$1"
  grep -q "^ *licenses/$1 " <<<"$text" || fault "the notices do not say that licenses/$1 holds $2"
  [ "$1" != LGPL-3 ] || cmp -s "$common/GPL-3" "$medium/licenses/GPL-3" ||
    fault "licenses/ holds LGPL-3 without the GPL-3 it builds on"
}
for copyright in "$medium"/licenses/*.txt; do
  for ref in $(grep -oE "$common/[A-Za-z0-9.+_-]+" "$copyright"); do
    licence="$(resolve "${ref#"$common/"}")" || fault "$(basename "$copyright") refers to $ref, which this machine lacks"
    need "$licence" "$ref"
  done
  grep -q '^Format: .*copyright-format' "$copyright" || continue
  for ref in $(grep '^License:' "$copyright" | cut -d: -f2- | tr ',()' '   '); do
    if licence="$(resolve "$ref")"; then need "$licence" "$ref"; fi
  done
done
