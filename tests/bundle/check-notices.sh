#!/usr/bin/env bash
# A medium's notices cover what its programs contain of others: every Debian archive linked
# statically into the Linux program has its line in THIRD-PARTY-NOTICES.txt naming its
# package, with that package's licence in licenses/; so do the packages linked statically
# into the Windows programs; Qt's part gives the LGPL-3 and the GPL-3 it builds on, how to
# relink the program with a changed Qt, and each of Qt's third-party parts with its licence
# file; the notices give the program's own terms and the maker's written offer of the
# source; and every common licence that a copyright file in licenses/ refers to (by a path
# into Debian's common-licenses or by a machine-readable file's short name) lies whole in
# licenses/, named as there and in the notices. Prints the first fault, status 1.
# Usage: check-notices.sh MEDIUM
set -u
medium="$1"
notices="$medium/THIRD-PARTY-NOTICES.txt"
fault() { echo "$*"; exit 1; }
[ -s "$notices" ] || fault "no THIRD-PARTY-NOTICES.txt on the medium"
text="$(tr -d '\r' <"$notices")"
archives="$(sed -n '/^== The Linux program (startprogram)/,/^==/p' <<<"$text" | grep -E '^[^ ]+\.a: ' || true)"
[ -n "$archives" ] || fault "the notices name no archive linked into the Linux program"
while read -r line; do
  pkg="$(echo "$line" | awk '{print $2}')"
  [ -s "$medium/licenses/$pkg.txt" ] || fault "no licence licenses/$pkg.txt for ${line%%:*}"
done <<<"$archives"
for f in Qt-LGPL-3.0-only.txt Qt-GPL-3.0-only.txt; do
  [ -s "$medium/licenses/$f" ] || fault "no licenses/$f for the Qt linked into the Linux program"
done
grep -q 'scripts/lean-qt --source' <<<"$text" || fault "the notices do not say how to relink the program with a changed Qt"
parts="$(grep -oE 'licenses/qt-[A-Za-z0-9._-]+\.txt' <<<"$text" | sort -u)"
[ -n "$parts" ] || fault "the notices name none of Qt's third-party parts"
for f in $parts; do
  [ -s "$medium/$f" ] || fault "the notices name $f, which is not on the medium"
done
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
