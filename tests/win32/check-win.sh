#!/usr/bin/env bash
# startprogram-check.exe as Windows authors meet it, under Wine:
#   pipe         a folder named in Cyrillic and Greek, a missing Danish document: found, and
#                reported in UTF-8 on a pipe
#   console-850  the same in a new console whose output code page is 850: the screen holds
#                the Danish name as it is
#   window       started in a console of its own (as from Explorer), it opens its window;
#                the summary (also as a screen reader reads it) and the findings read back;
#                F5 checks again, Esc closes
#   make-list    the window's "Make the list" on a folder of documents (and a hidden file): the
#                list checks clean and the start program lists its entries, in its order
#   drive        a drive letter alone ("D:") and a drive's root are the drive (a letter Wine
#                maps to the medium); --set-count replaces the existing info.txt and leaves
#                an author's info.txt.new as it was
#   utf16        an info.txt saved as Notepad's "Unicode" (UTF-16 LE with its mark) and a
#                wrong count: "Set the count" writes the count in UTF-16, every other byte
#                kept; the start program beside it lists the entries, with no error box
# Usage: check-win.sh STATE CHECK.exe CHECKDRIVER.exe SPDRIVER.exe STARTPROGRAM.exe CASE
set -u
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
state="$1"
check="$2"
checkdriver="$3"
spdriver="$4"
program="$5"
case_name="$6"
title="Check a medium"

work="$state/work/check-$case_name"
rm -rf "$work"
mkdir -p "$work"

wr() { "$here/wine-run" --state "$state" "$@"; }
# The drivers' own status, not that of the filter after them.
cdrv() {
  wr "$checkdriver" "$@" | tr -d '\r'
  return "${PIPESTATUS[0]}"
}
sdrv() {
  wr "$spdriver" "$@" | tr -d '\r'
  return "${PIPESTATUS[0]}"
}
fail() {
  echo "FAIL [check $case_name]: $*" >&2
  exit 1
}
win_path() { printf 'Z:%s' "$1" | tr '/' '\\'; }
cleanup() {
  # Whatever window this case left, closed as its Close button would.
  [ "$case_name" = window ] || [ "$case_name" = make-list ] || [ "$case_name" = utf16 ] || return 0
  for t in "$title" Startprogram; do
    sdrv wait-window "$t" 0 >/dev/null && sdrv close "$t"
    sdrv wait-gone "$t" 10 >/dev/null
  done
}
trap cleanup EXIT
sdrv wait-gone "$title" 10 || fail "a window of an earlier test is still there"

# Wine's Z: drive is the host's root; the check is started by its Windows path.
check_win="$(win_path "$check")"
medium="$work/Медиа Ω"
mkdir -p "$medium"
printf '<html></html>\n' > "$medium/index.htm"
printf '<html></html>\n' > "$medium/Presumptions.htm"
printf '2\r\n"index.htm","Welcome"\r\n"Æblegrød.pdf","Apple porridge"\r\n' > "$medium/info.txt"
medium_win="$(win_path "$medium")"
missing='info.txt:3: error: "Æblegrød.pdf" is missing from the medium'

case "$case_name" in
  pipe)
    wr "$check" "$medium_win" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" = 2 ] || fail "status $status, not 2 (stdout: $(cat "$work/out"); stderr: $(cat "$work/err"))"
    # The bytes as they came: UTF-8, the finding alone on standard output.
    [ "$(tr -d '\r' <"$work/out")" = "$missing" ] || fail "standard output: $(od -c "$work/out" | head -20)"
    grep -q '^1 error' "$work/err" || fail "no summary on standard error: $(cat "$work/err")"
    ;;
  console-850)
    screen="$(cdrv console-screen 850 "$check_win" "$medium_win")" || fail "no console: $screen"
    printf '%s\n' "$screen" | grep -qx 'status 2' || fail "not status 2: $screen"
    printf '%s\n' "$screen" | grep -qxF "$missing" || fail "the screen does not show the name as it is:
$screen"
    ;;
  window)
    cdrv start-alone "$check_win" "$medium_win" >/dev/null || fail "could not start the check"
    sdrv wait-window "$title" 20 >/dev/null || fail "no window titled $title"
    shown="$(cdrv read "$title")" || fail "could not read the window: $shown"
    summary="$(printf '%s\n' "$shown" | sed -n 's/^summary: //p')"
    [ "$summary" = "1 error: mend the error before you hand the medium out." ] || fail "summary: $shown"
    printf '%s\n' "$shown" | grep -qxF "summary-name: $summary" || fail "a screen reader reads another summary: $shown"
    [ "$(printf '%s\n' "$shown" | grep -c '^row: ')" = 1 ] || fail "not one finding: $shown"
    printf '%s\n' "$shown" | grep -qxF 'row: 3|error|"Æblegrød.pdf" is missing from the medium' \
      || fail "the finding is not in its row: $shown"
    # The author adds the document; F5 checks again; Esc closes the window and ends the check.
    printf 'document\n' > "$medium/Æblegrød.pdf"
    cdrv f5 "$title" || fail "could not press F5"
    for _ in $(seq 50); do
      shown="$(cdrv read "$title")"
      printf '%s\n' "$shown" | grep -q '^summary: Ready' && break
      sleep 0.1
    done
    printf '%s\n' "$shown" | grep -qx 'summary: Ready: 2 entries, no problems found\.' || fail "after F5: $shown"
    printf '%s\n' "$shown" | grep -q '^row: ' && fail "findings left after F5: $shown"
    sdrv keys "$title" escape
    sdrv wait-gone "$title" 10 || fail "Esc did not close the window"
    ;;
  make-list)
    docs="$work/Dokumenter"
    mkdir -p "$docs/Bilag"
    # The usage page is the medium's own, left out of the list (and wanted by the check).
    for name in "Kapitel 10.pdf" "Kapitel 2.pdf" "Æblegrød.pdf" "Bilag/Oversigt.htm" Presumptions.htm; do
      printf 'document\n' > "$docs/$name"
    done
    # What Explorer hides is no document.
    printf '[.ShellClassInfo]\r\n' > "$docs/desktop.ini"
    cdrv hide "$(win_path "$docs/desktop.ini")" || fail "could not hide desktop.ini"
    cdrv start-alone "$check_win" "$(win_path "$docs")" >/dev/null || fail "could not start the check"
    before="$(cdrv read "$title")" || fail "no window: $before"
    printf '%s\n' "$before" | grep -q '^button: 1010 ' || fail "\"Make the list\" is not offered: $before"
    cdrv click "$title" 1010 || fail "could not press \"Make the list\""
    sdrv box 20 "$title" >"$work/box" || fail "no message after making the list"
    sdrv press-box "$title" ok
    [ -f "$docs/info.txt" ] || fail "no info.txt written ($(cat "$work/box"))"
    after="$(cdrv read "$title")"
    printf '%s\n' "$after" | grep -q '^summary: Ready: 4 entries, no problems found\.$' || fail "after the list: $after"
    wr "$check" --console "$(win_path "$docs")" >"$work/out" 2>&1
    status=$?
    [ "$status" = 0 ] || fail "the written list does not check clean ($status): $(cat "$work/out")"
    # The start page, as the list's message offers: written, and the medium still checks clean.
    grep -q "Make the start page too" "$work/box" || fail "the list's message offers no start page: $(cat "$work/box")"
    cdrv click "$title" 1012 || fail "could not press \"Make the start page\""
    sdrv box 20 "$title" >"$work/box" || fail "no message after making the start page"
    sdrv press-box "$title" ok
    grep -q 'href="./Bilag/Oversigt.htm"' "$docs/Start here.htm" || fail "no start page written ($(cat "$work/box"))"
    wr "$check" --console "$(win_path "$docs")" >"$work/out" 2>&1 || fail "the start page is not clean: $(cat "$work/out")"

    # The start program beside the list shows every entry, in the list's order.
    cleanup
    cp "$program" "$docs/startprogram.exe"
    wr "$docs/startprogram.exe" >/dev/null 2>&1 &
    sdrv wait-window Startprogram 20 >/dev/null || fail "the start program did not open"
    expected="$(sed '1s/^\xEF\xBB\xBF//' "$docs/info.txt" | tr -d '\r' | sed -n '2,$s/^"[^"]*","\([^"]*\)"$/  \1/p')"
    listed="$(sdrv list Startprogram | sed 's/^\* /  /')"
    [ "$(printf '%s\n' "$expected" | wc -l)" = 4 ] || fail "the list does not hold 4 entries: $(cat "$docs/info.txt")"
    [ "$listed" = "$expected" ] || fail "the start program lists
$listed
where the list says
$expected"
    ;;
  drive)
    # The first letter from D: that Wine does not map yet is mapped to the medium.
    for letter in d e f g h i j k l m n o p q r s t u v w x y; do
      [ -e "$state/prefix/dosdevices/$letter:" ] || [ -L "$state/prefix/dosdevices/$letter:" ] || break
    done
    drive_link="$state/prefix/dosdevices/$letter:"
    ln -s "$medium" "$drive_link" || fail "could not map $letter: to the medium"
    trap 'rm -f "$drive_link"; cleanup' EXIT
    drive="$(printf '%s:' "$letter" | tr 'a-z' 'A-Z')"
    for argument in "$drive" "$drive\\"; do
      wr "$check" "$argument" >"$work/out" 2>"$work/err"
      status=$?
      [ "$status" = 2 ] && [ "$(tr -d '\r' <"$work/out")" = "$missing" ] ||
        fail "$argument: status $status (stdout: $(cat "$work/out"); stderr: $(cat "$work/err"))"
    done
    printf '5\r\n"index.htm","Welcome"\r\n' >"$medium/info.txt"
    printf 'mine\n' >"$medium/info.txt.new"
    wr "$check" --set-count "$drive" >"$work/out" 2>"$work/err" || fail "--set-count $drive: $(cat "$work/err")"
    printf '1\r\n"index.htm","Welcome"\r\n' | cmp -s - "$medium/info.txt" ||
      fail "--set-count wrote: $(od -c "$medium/info.txt" | head)"
    [ "$(cat "$medium/info.txt.new")" = mine ] || fail "the author's info.txt.new was touched"
    [ "$(find "$medium" -maxdepth 1 -name '*.tmp' | wc -l)" = 0 ] || fail "a temporary file was left: $(ls -A "$medium")"
    ;;
  utf16)
    # As Notepad saves "Unicode": UTF-16 LE after the mark FF FE, CR LF line ends.
    in_utf16() { printf '\xFF\xFE'; printf "$1" | iconv -f UTF-8 -t UTF-16LE; }
    entries='"index.htm","Velkommen"\r\n"Æblegrød.pdf","Æblegrød Ω"\r\n'
    printf 'document\n' > "$medium/Æblegrød.pdf"
    in_utf16 "5\r\n$entries" > "$medium/info.txt"
    in_utf16 "2\r\n$entries" > "$work/expected"
    cdrv start-alone "$check_win" "$medium_win" >/dev/null || fail "could not start the check"
    sdrv wait-window "$title" 20 >/dev/null || fail "no window titled $title"
    shown="$(cdrv read "$title")" || fail "could not read the window: $shown"
    printf '%s\n' "$shown" | grep -qxF 'row: 3|error|the count is 5 but the file holds 2 entries' \
      || fail "the UTF-16 list is not read as the text it is: $shown"
    printf '%s\n' "$shown" | grep -q '^button: 1011 ' || fail "\"Set the count\" is not offered: $shown"
    cdrv click "$title" 1011 || fail "could not press \"Set the count\""
    sdrv box 20 "$title" >"$work/box" || fail "no message after setting the count"
    sdrv press-box "$title" ok
    cmp -s "$medium/info.txt" "$work/expected" \
      || fail "info.txt after \"Set the count\" ($(cat "$work/box")): $(od -An -tx1 "$medium/info.txt" | head -4)"
    shown="$(cdrv read "$title")"
    printf '%s\n' "$shown" | grep -qx 'summary: Ready: 2 entries, no problems found\.' || fail "after the mend: $shown"

    # The start program reads the same UTF-16 list: its entries, and no error box.
    cleanup
    cp "$program" "$medium/startprogram.exe"
    wr "$medium/startprogram.exe" >/dev/null 2>&1 &
    sdrv wait-window Startprogram 20 >/dev/null || fail "the start program did not open"
    # (wr, not sdrv: the status is the driver's, not that of the pipe's last command)
    box="$(wr "$spdriver" box 2 ERROR)" && fail "the start program shows an error box: $box"
    listed="$(sdrv list Startprogram | sed 's/^\* /  /')"
    [ "$listed" = "$(printf '  Velkommen\n  Æblegrød Ω')" ] || fail "the start program lists
$listed"
    ;;
  *)
    fail "no such case"
    ;;
esac
echo "PASS [check $case_name]"
