#!/usr/bin/env bash
# startprogram-check on real folders: a medium with one of each fault gets one line for
# each, on its line, and exit status 2; a clean medium gets no findings, its summary on
# standard error and 0; a medium with warnings only gets 1; the list and the count are
# written on a folder with Danish names; hard names (Latin-1, a link to ".", the folders
# Windows keeps, INFO.TXT, an author's info.txt.new) are left out or left alone.
# Usage: test-check.sh PROGRAM
set -u
check="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL [check]: $*" >&2; exit 1; }

clean="$work/clean"
mkdir -p "$clean/Docs"
touch "$clean/index.htm" "$clean/Presumptions.htm" "$clean/Docs/sheet one.pdf"
printf '3\r\n"index.htm","Welcome"\r\n"Docs\\sheet one.pdf","Sheet"\r\n"https://www.varnholt.example/","Web"\r\n' \
  > "$clean/info.txt"
out="$("$check" "$clean" 2>"$work/err")"
status=$?
[ "$status" = 0 ] && [ -z "$out" ] || fail "clean medium: status $status, output: $out"
[ "$(cat "$work/err")" = "Ready: 3 entries, no problems found." ] || fail "clean medium's summary: $(cat "$work/err")"

faulty="$work/faulty"
mkdir -p "$faulty"
touch "$faulty/INDEX.HTM" "$faulty/Http" "$work/outside.htm"
{
  printf '5\r\n'
  printf '"index.htm","Welcome"\r\n'
  printf '"..\\outside.htm","Outside"\r\n'
  printf '"Http","Four letters"\r\n'
  printf '"gone.pdf","%s"\r\n' "$(printf 'd%.0s' $(seq 81))"
  printf '"http://","Web\x90"\r\n'
} > "$faulty/info.txt"
out="$(cd "$faulty" && "$check")" # the current folder when no folder is named
status=$?
expected="info.txt:1: warning: the usage page Presumptions.htm is missing: Information > About using and the Introduction link will fail
info.txt:2: warning: \"index.htm\" is found only when letter case or a disc's \";1\" is ignored (INDEX.HTM): the start program finds it, other programs may not
info.txt:3: error: \"..\\outside.htm\" leaves the medium: its \"..\" climbs above the start program's folder
info.txt:4: warning: \"Http\" has four characters: it is taken as a file, not a web address
info.txt:5: error: \"gone.pdf\" is missing from the medium
info.txt:5: warning: the description has 81 characters: the list shows about 80
info.txt:6: warning: neither UTF-8 nor Windows-1252 text: byte 0x90; the start program may show it as a different character
info.txt:6: warning: \"http://\" is not a valid web address (http:// or https:// and a host)"
[ "$status" = 2 ] || fail "faulty medium: status $status, not 2"
[ "$out" = "$expected" ] || fail "faulty medium: $(diff <(echo "$expected") <(echo "$out"))"

rm "$faulty/info.txt"
printf '1\n"INDEX.HTM","Welcome"\n' > "$faulty/info.txt"
touch "$faulty/Presumptions.htm"
out="$("$check" "$faulty")"
status=$?
[ "$status" = 0 ] && [ -z "$out" ] || fail "exact names: status $status, output: $out"
printf '1\n"index.htm","Welcome"\n' > "$faulty/info.txt"
"$check" "$faulty" >/dev/null
[ $? = 1 ] || fail "warnings only: status not 1"
"$check" "$work/no such folder" 2>/dev/null
[ $? = 2 ] || fail "a missing folder: status not 2"
# The list and the count, written where the author's folder has Danish names.
dansk="$work/Æbler og pærer"
mkdir -p "$dansk/Øvelser" "$dansk/.git"
touch "$dansk/Presumptions.htm" "$dansk/Æblegrød.pdf" "$dansk/2 Kapitel.pdf" "$dansk/10 Kapitel.pdf" \
  "$dansk/Øvelser/Læs mig.htm" "$dansk/.git/config"
"$check" --make-list "$dansk" >"$work/out" 2>"$work/err"
status=$?
[ "$status" = 0 ] || fail "--make-list: status $status: $(cat "$work/err")"
printf '\357\273\2774\r\n"Øvelser\\Læs mig.htm","Læs mig"\r\n"2 Kapitel.pdf","2 Kapitel"\r\n"10 Kapitel.pdf","10 Kapitel"\r\n"Æblegrød.pdf","Æblegrød"\r\n' >"$work/expected"
cmp -s "$work/expected" "$dansk/info.txt" || fail "--make-list wrote: $(od -c "$dansk/info.txt" | head)"
"$check" --make-list "$dansk" 2>/dev/null
[ $? = 2 ] && cmp -s "$work/expected" "$dansk/info.txt" || fail "--make-list replaced an existing info.txt"
# Windows-1252 with LF line ends and blanks around the count: only the count changes.
printf ' 7 \n"\306blegr\370d.pdf","\346bler"\n' >"$dansk/info.txt"
"$check" --set-count "$dansk" >/dev/null 2>"$work/err" || fail "--set-count: $(cat "$work/err")"
printf ' 1 \n"\306blegr\370d.pdf","\346bler"\n' | cmp -s - "$dansk/info.txt" ||
  fail "--set-count wrote: $(od -c "$dansk/info.txt" | head)"
# Hard names on a real folder: a Latin-1 name, a link to ".", the folders Windows keeps
# on a stick; then the list as a disc or an old tool names it (INFO.TXT) beside an
# author's own info.txt.new, and "Set the count" on it.
hard="$work/hard"
mkdir -p "$hard/System Volume Information" "$hard/\$RECYCLE.BIN" "$hard/Docs"
touch "$hard/Presumptions.htm" "$hard/Docs/a.pdf" "$hard/$(printf 'V\346lg.pdf')" "$hard/\$RECYCLE.BIN/b.pdf"
ln -s . "$hard/self"
"$check" --make-list "$hard" >/dev/null 2>"$work/err" || fail "--make-list on hard names: $(cat "$work/err")"
printf '\357\273\2771\r\n"Docs\\a.pdf","a"\r\n' | cmp -s - "$hard/info.txt" ||
  fail "--make-list on hard names wrote: $(od -c "$hard/info.txt" | head)"
grep -qF 'left out "Vælg.pdf": its name is not UTF-8' "$work/err" && grep -qF 'left out "self\": it is a link' "$work/err" ||
  fail "--make-list does not name what it left out: $(cat "$work/err")"
mv "$hard/info.txt" "$hard/INFO.TXT"
printf 'mine\n' >"$hard/info.txt.new"
"$check" "$hard" >/dev/null 2>&1 || fail "INFO.TXT is not found"
"$check" --make-list "$hard" 2>"$work/err"
[ $? = 2 ] && [ ! -e "$hard/info.txt" ] && grep -qF 'INFO.TXT already exists' "$work/err" ||
  fail "--make-list beside INFO.TXT: $(cat "$work/err")"
printf '3\r\n"Docs\\a.pdf","a"\r\n"gone.pdf","b"\r\n' >"$hard/INFO.TXT"
"$check" --set-count "$hard" >/dev/null 2>&1
[ $? = 2 ] && grep -q gone "$hard/INFO.TXT" || fail "--set-count wrote where the count is not the only error"
printf '3\r\n"Docs\\a.pdf","a"\r\n' >"$hard/INFO.TXT"
"$check" --set-count "$hard" >/dev/null 2>"$work/err" || fail "--set-count on INFO.TXT: $(cat "$work/err")"
printf '1\r\n"Docs\\a.pdf","a"\r\n' | cmp -s - "$hard/INFO.TXT" || fail "--set-count wrote: $(od -c "$hard/INFO.TXT")"
[ "$(cat "$hard/info.txt.new")" = mine ] && [ ! -e "$hard/info.txt" ] || fail "an author's file was touched"
[ "$(find "$hard" -maxdepth 1 -name '*.tmp' | wc -l)" = 0 ] || fail "a temporary file was left: $(ls -A "$hard")"
echo "PASS [check]"
