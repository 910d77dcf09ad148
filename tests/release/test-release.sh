#!/usr/bin/env bash
# The kit as a medium's author meets it, made by scripts/release into KIT_DIR:
# - its checksum, its layout, its texts in CR LF, the zip's entries without extra fields
#   and all with the commit's time, execute bits kept, the example checking clean, the
#   notices and whole licences, both exes' PE header (run from swap, Terminal Server aware);
# - an author's medium: medium/ copied to a folder whose name has a space and a Danish
#   letter, a document with such a name added to info.txt; both checks pass (the Linux
#   tool, the .exe under Wine); the Linux program starts there with the system's Qt
#   hidden and hands the Danish document to the desktop; the exe under Wine lists the
#   entries; a copy without execute bits starts through autorun.sh;
# - the same sources in another folder give the same zip, made by a caller whose
#   environment sets compiler flags, locale and time zone, and with a build folder of an
#   earlier release configured with other flags since (kept, its flags taken afresh); a
#   working tree with uncommitted changes is refused;
# - a kit signed with a throwaway certificate verifies against its CA, and taking the
#   signatures off gives back the unsigned kit's exes; a wrong password or a file that
#   is no certificate stops the release without a zip.
# Runs the Linux program on the display in $DISPLAY.
# Usage: test-release.sh SOURCE_ROOT KIT_DIR WINE_BUILD
set -u
root="$1"
kit_dir="$2"
winbuild="$3"
work="$(mktemp -d)"
app=""
wine_state="$work/wine"
cleanup() {
  [ -n "$app" ] && { kill "$app" 2>/dev/null; sleep 0.3; kill -9 "$app" 2>/dev/null; }
  [ -f "$wine_state/env" ] && "$root/tests/win32/wine-run" --state "$wine_state" --shutdown >/dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL [release]: $*" >&2; [ -s "$work/out" ] && tail -n 20 "$work/out" >&2; exit 1; }
# shellcheck source=tests/bundle/linux-run.sh
. "$root/tests/bundle/linux-run.sh"
# The Linux program starts with the system's Qt hidden, in a mount namespace (root).
hide=(unshare -m "$root/tests/bundle/without-system-qt")
if ! { [ "$(id -u)" -eq 0 ] && unshare -m true 2>/dev/null; }; then
  echo "release: the system's Qt cannot be hidden here (needs root and unshare -m): the Linux program runs beside it"
  hide=()
fi

# The kit and its checksum.
zips=("$kit_dir"/startprogram-*.zip)
[ ${#zips[@]} = 1 ] && [ -f "${zips[0]}" ] || fail "not one startprogram-*.zip in $kit_dir: ${zips[*]}"
zip="${zips[0]}"
name="$(basename "$zip" .zip)"
(cd "$kit_dir" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match $name.zip"
[ "$(wc -l <"$kit_dir/SHA256SUMS")" = 1 ] || fail "SHA256SUMS holds more than the zip's line"
# Named by the About box's version without its language suffix ("1.11UK" is 1.11).
about="$(sed -n 's/.*ProgramVersion\[\] = "\(.*\)";/\1/p' "$root/texts/ProductTexts.h")"
[[ "$name" =~ ^startprogram-([0-9.]+)(-dirty)?$ ]] && [[ "$about" =~ ^${BASH_REMATCH[1]//./\\.}[A-Za-z]+$ ]] ||
  fail "the kit's name $name does not give the program's version $about"

# Every entry: under the one top folder, the commit's time, no extra field, fixed modes.
python3 - "$zip" "$name" "$(git -C "$root" log -1 --format=%ct)" <<'PY' || fail "the zip's entries are not as made for reproducibility"
import sys, time, zipfile
path, top, epoch = sys.argv[1], sys.argv[2], int(sys.argv[3])
want = time.gmtime(epoch)[:5]
with zipfile.ZipFile(path) as z:
    for info in z.infolist():
        mode = info.external_attr >> 16
        problems = []
        if not info.filename.startswith(top + "/"): problems.append("outside the top folder")
        if info.extra: problems.append("an extra field")
        if info.date_time[:5] != want: problems.append(f"time {info.date_time}")
        if info.create_system != 3 or (mode & 0o7777) not in (0o644, 0o755): problems.append(f"mode {mode:o}")
        if problems:
            sys.exit(f"{info.filename}: {', '.join(problems)}")
PY

mkdir -p "$work/unzipped"
unzip -q "$zip" -d "$work/unzipped" || fail "unzip failed"
kit="$work/unzipped/$name"
for f in medium/startprogram.exe medium/startprogram medium/autorun.inf medium/autorun.sh \
  medium/info.txt medium/index.htm medium/Presumptions.htm "medium/Start here.htm" medium/THIRD-PARTY-NOTICES.txt \
  tools/startprogram-check tools/startprogram-check.exe README.txt THIRD-PARTY-NOTICES.txt BUILD-INFO.txt \
  "source/$name-source.zip"; do
  [ -f "$kit/$f" ] || fail "the kit has no $f"
done
# The Linux part is the one program: nothing of Qt lies beside it.
for f in medium/qt.conf medium/linux; do
  [ ! -e "$kit/$f" ] || fail "the kit's medium still carries $f"
done
fault="$(bash "$root/tests/bundle/check-notices.sh" "$kit/medium")" || fail "the kit's medium: $fault"
cmp -s "$kit/THIRD-PARTY-NOTICES.txt" "$kit/medium/THIRD-PARTY-NOTICES.txt" && diff -r "$kit/licenses" "$kit/medium/licenses" >/dev/null ||
  fail "the licences at the kit's top are not the medium's"
bash "$root/tests/win32/test-pe32.sh" "$kit/medium/startprogram.exe" "$kit/tools/startprogram-check.exe" >"$work/pe32.log" ||
  fail "the kit's exes: $(grep FAIL "$work/pe32.log")"
for f in medium/startprogram medium/autorun.sh tools/startprogram-check; do
  [ -x "$kit/$f" ] || fail "$f lost its execute bit in the zip"
done
for f in README.txt medium/info.txt medium/autorun.inf THIRD-PARTY-NOTICES.txt BUILD-INFO.txt; do
  [ "$(grep -vc $'\r$' "$kit/$f")" = 0 ] || fail "$f has lines without CR LF"
done
! grep -q '@[A-Z]*@' "$kit/README.txt" || fail "README.txt has a placeholder left: $(grep '@[A-Z]*@' "$kit/README.txt")"
[ "$(head -c 3 "$kit/README.txt" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "README.txt has no UTF-8 byte-order mark"
head -n 1 "$kit/README.txt" | grep -q "^.\{0,3\}Startprogram ${name#startprogram-} " || fail "README.txt does not name the version"
# The oldest C library the Linux programs ask for, as README.txt must say it.
glibc="$(readelf -V "$kit/medium/startprogram" "$kit/tools/startprogram-check" 2>/dev/null |
  grep -oE 'Name: GLIBC_[0-9.]+' | sed 's/Name: GLIBC_//' | sort -uV | tail -n 1)"
tr -d '\r' <"$kit/README.txt" | tr '\n' ' ' | grep -q "needs glibc $glibc or later" ||
  fail "README.txt does not say the measured glibc $glibc"
grep -q "^python3 " "$kit/BUILD-INFO.txt" && grep -q "^qt6-base-dev " "$kit/BUILD-INFO.txt" ||
  fail "BUILD-INFO.txt does not record the packages"

# The example is clean: no finding, status 0, and its summary says so.
out="$("$kit/tools/startprogram-check" "$kit/medium" 2>"$work/check.err")" && [ -z "$out" ] &&
  [ "$(cat "$work/check.err")" = "Ready: 2 entries, no problems found." ] ||
  fail "the example medium does not check clean: $out $(cat "$work/check.err")"

# An author's medium: a folder with a space and a Danish letter, a Danish document.
medium="$work/Mit medie på dansk"
cp -R "$kit/medium" "$medium"
mkdir -p "$medium/Opskrifter"
printf '<!DOCTYPE html><html lang="da"><head><meta charset="utf-8"><title>Æblegrød</title></head><body>Æblegrød</body></html>\r\n' \
  >"$medium/Opskrifter/Æblegrød med fløde.htm"
{
  printf '3\r\n'
  tail -n +2 "$kit/medium/info.txt"
  printf '"Opskrifter\\Æblegrød med fløde.htm","Æblegrød - på dansk"\r\n'
} >"$medium/info.txt"
# As the guide says: after a change to the list, the start page is made again.
"$kit/tools/startprogram-check" --make-start-page "$medium" >/dev/null 2>"$work/page.err" ||
  fail "the start page of the author's medium: $(cat "$work/page.err")"
out="$("$kit/tools/startprogram-check" "$medium" 2>"$work/check.err")" && [ -z "$out" ] ||
  fail "the Linux check of the author's medium: status $?, $out $(cat "$work/check.err")"

# Windows: the kit's 32-bit programs under Wine, or where Wine cannot run 32-bit programs
# here, the same sources built for x86-64, put in their place.
wine_check="$kit/tools/startprogram-check.exe"
wine_exe="$kit/medium/startprogram.exe"
if ! why="$("$root/tests/win32/wine-runs-32bit")"; then
  echo "release: $why; Wine runs the x86-64 build of the same sources ($winbuild) in place of the kit's exes"
  wine_check="$winbuild/startprogram-check.exe"
  wine_exe="$winbuild/startprogram.exe"
fi
"$root/tests/win32/wine-run" --state "$wine_state" --boot >"$work/wine.log" 2>&1 || fail "Wine did not start"
wr() { "$root/tests/win32/wine-run" --state "$wine_state" "$@"; }
wr "$wine_check" "Z:$(printf '%s' "$medium" | tr '/' '\\')" >"$work/check.out" 2>"$work/check.err"
status=$?
out="$(tr -d '\r' <"$work/check.out")"
[ "$status" = 0 ] && [ -z "$out" ] || fail "startprogram-check.exe on the author's medium: status $status, $out"

# Linux: from that folder with the system's Qt hidden; the third entry goes to the desktop.
linux_home
start_linux "from the author's medium" "${hide[@]}" "$medium/startprogram"
# Go, Exit, the check box, then the list: Down Down picks the third entry; Tab returns to Go.
xdotool key --clearmodifiers Tab Tab Tab Down Down Tab Return
got="$(handed_over)"
[ "$got" = "file://$medium/Opskrifter/Æblegrød med fløde.htm" ] ||
  fail "the Linux program handed over '$got', not the Danish document"
stop_linux

# A copy that shows no execute bits (Explorer's unzip, a FAT stick): through autorun.sh.
noexec="$work/Uden x-bit å"
cp -R "$medium" "$noexec"
find "$noexec" -type f -exec chmod a-x {} +
start_linux "started through autorun.sh without execute bits" "${hide[@]}" sh "$noexec/autorun.sh"
xdotool key --clearmodifiers Return
got="$(handed_over)"
[ "$got" = "file://$noexec/index.htm" ] || fail "from the copy without execute bits: handed over '$got'"
stop_linux

# The exe from the author's medium under Wine lists the three entries.
exe="$medium/startprogram.exe"
cp "$wine_exe" "$exe"
driver="$(find "$winbuild" -name spdriver.exe | head -n 1)"
[ -n "$driver" ] || fail "no spdriver.exe in $winbuild"
drv() { wr "$driver" "$@" | tr -d '\r'; }
drv reg-set 'Software\VB and VBA Program Settings\Varnholt Danmark\Zezuzav' LukVedStart False >/dev/null
wr "$exe" >"$work/out" 2>&1 &
app=$!
drv wait-window Startprogram 30 >/dev/null || fail "the exe from the author's medium showed no window"
list="$(drv list Startprogram)"
[ "$(printf '%s\n' "$list" | grep -c .)" = 3 ] && grep -q '^\* Welcome page$' <<<"$list" &&
  grep -qx '  Æblegrød - på dansk' <<<"$list" ||
  fail "the exe does not list the author's three entries: $list"
drv close Startprogram >/dev/null
wait "$app" 2>/dev/null
app=""

# The same sources and working tree in another folder give the same zip, whatever the
# caller's environment, and whatever flags a build folder was configured with before.
copy="$work/another place/startprogram"
mkdir -p "$copy"
(cd "$root" && { git ls-files -z -co --exclude-standard; find .git -print0; } | tar --null --no-recursion -T - -cf -) |
  tar -xf - -C "$copy" || fail "could not copy the sources"
# A folder the release made before (its generator and compilers, and its record of them),
# configured since by the caller with a flag of their own: the release keeps the folder and
# takes the flags afresh.
stale="$copy/build-release-windows"
(cd "$copy" && env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME="$work" CXXFLAGS=-fno-inline \
  cmake -S . -B build-release-windows -G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
  -DCMAKE_BUILD_TYPE=Release -DSTARTPROGRAM_WERROR=ON) >"$work/stale.log" 2>&1 ||
  fail "could not configure a build folder: $(tail -n 5 "$work/stale.log")"
eval "$(grep '^chosen() ' "$copy/scripts/release")"
declare -F chosen >/dev/null || fail "scripts/release has no chosen() that writes its record of a build folder"
chosen "$stale" >"$stale/release-configuration"
grep -q '^CMAKE_CXX_FLAGS:STRING=.*-fno-inline' "$stale/CMakeCache.txt" || fail "the stale folder does not hold the caller's flag"
touch "$stale/kept-by-the-release"
CFLAGS=-g CXXFLAGS=-g CPPFLAGS=-DHOSTILE LDFLAGS=-Wl,-O1 LANG=da_DK.UTF-8 TZ=Pacific/Auckland \
  bash "$copy/scripts/release" --allow-dirty "$work/again" >"$work/again.log" 2>&1 ||
  fail "scripts/release in another folder failed: $(tail -n 20 "$work/again.log")"
[ -e "$stale/kept-by-the-release" ] || fail "the release started its own build folder afresh instead of keeping it"
! grep -q -- '-fno-inline' "$stale/CMakeCache.txt" ||
  fail "the kept build folder still holds the caller's flag: $(grep -- '-fno-inline' "$stale/CMakeCache.txt")"
cmp -s "$work/again/SHA256SUMS" "$kit_dir/SHA256SUMS" ||
  fail "the same sources in another folder gave another zip: $(cat "$work/again/SHA256SUMS") vs $(cat "$kit_dir/SHA256SUMS")"
cmp -s "$copy/build-release-windows/startprogram.exe" "$kit/medium/startprogram.exe" ||
  fail "startprogram.exe built in another folder differs"

# Uncommitted changes are refused before anything is built.
echo "an uncommitted change" >>"$copy/README.md"
if bash "$copy/scripts/release" "$work/refused" >"$work/refused.log" 2>&1; then
  fail "scripts/release made a kit from a working tree with uncommitted changes"
fi
grep -q "uncommitted changes" "$work/refused.log" && ! ls "$work/refused"/*.zip >/dev/null 2>&1 ||
  fail "refusing uncommitted changes: $(cat "$work/refused.log")"

# Signing with a throwaway CA and code-signing certificate made here.
certs="$work/certs"
mkdir -p "$certs"
(
  cd "$certs" &&
    openssl req -x509 -newkey rsa:2048 -nodes -keyout ca.key -out ca.pem -days 2 -subj "/CN=Throwaway test CA" \
      -addext basicConstraints=critical,CA:TRUE -addext keyUsage=critical,keyCertSign,cRLSign &&
    openssl req -newkey rsa:2048 -nodes -keyout signer.key -out signer.csr -subj "/CN=Throwaway code signer" &&
    printf 'basicConstraints=CA:FALSE\nkeyUsage=critical,digitalSignature\nextendedKeyUsage=codeSigning\n' >signer.ext &&
    openssl x509 -req -in signer.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 -extfile signer.ext -out signer.pem &&
    printf 'a password, with spaces\n' >password &&
    openssl pkcs12 -export -inkey signer.key -in signer.pem -certfile ca.pem -passout file:password -out signer.pfx
) >"$work/openssl.log" 2>&1 || fail "openssl could not make the test certificates: $(cat "$work/openssl.log")"
bash "$root/scripts/release" --allow-dirty --sign "$certs/signer.pfx" --sign-password-file "$certs/password" \
  "$work/signed" >"$work/signed.log" 2>&1 || fail "scripts/release --sign failed: $(tail -n 20 "$work/signed.log")"
mkdir -p "$work/signed/unzipped"
unzip -q "$work/signed/$name.zip" -d "$work/signed/unzipped" || fail "the signed kit does not unzip"
(cd "$work/signed" && sha256sum --quiet -c SHA256SUMS) || fail "the signed kit's SHA256SUMS does not match"
for exe in medium/startprogram.exe tools/startprogram-check.exe; do
  osslsigncode verify -CAfile "$certs/ca.pem" -in "$work/signed/unzipped/$name/$exe" >"$work/verify.log" 2>&1 ||
    fail "the signed $exe does not verify against the test CA: $(cat "$work/verify.log")"
done
# A signed kit is checked against a rebuild as BUILD-INFO.txt says: without their
# signatures the exes are the unsigned kit's, and nothing else differs but README.txt's
# line on signing.
for exe in medium/startprogram.exe tools/startprogram-check.exe; do
  osslsigncode remove-signature -in "$work/signed/unzipped/$name/$exe" -out "$work/unsigned.exe" >"$work/remove.log" 2>&1 ||
    fail "osslsigncode cannot take the signature off $exe: $(cat "$work/remove.log")"
  cmp -s "$work/unsigned.exe" "$kit/$exe" || fail "the signed $exe without its signature is not the unsigned kit's"
  rm -f "$work/unsigned.exe"
done
differing="$(diff -rq "$kit" "$work/signed/unzipped/$name" | sed "s|$kit/||; s| and .*||; s|^Files ||" | sort | tr '\n' ' ')"
[ "$differing" = "README.txt medium/startprogram.exe tools/startprogram-check.exe " ] ||
  fail "the signed kit differs from the unsigned one in: $differing"
grep -q "osslsigncode remove-signature" "$kit/BUILD-INFO.txt" || fail "BUILD-INFO.txt does not say how to check a signed kit"
# Copies were signed, never the build outputs.
cmp -s "$root/build-release-windows/startprogram.exe" "$kit/medium/startprogram.exe" ||
  fail "the build's startprogram.exe was changed by signing"
printf 'not the password\n' >"$certs/wrong"
printf 'no certificate\n' >"$certs/not.pfx"
for attempt in "signer.pfx wrong" "not.pfx password"; do
  set -- $attempt
  if bash "$root/scripts/release" --allow-dirty --sign "$certs/$1" --sign-password-file "$certs/$2" \
    "$work/unsigned-$1-$2" >"$work/bad.log" 2>&1; then
    fail "scripts/release signed with $1 and the password file $2"
  fi
  grep -q "^release: cannot sign with $certs/$1" "$work/bad.log" || fail "no clear message for $1/$2: $(tail -n 5 "$work/bad.log")"
  ! ls "$work/unsigned-$1-$2"/* >/dev/null 2>&1 || fail "a zip was written after signing failed ($1/$2)"
done
echo "PASS [release]: $name.zip, $(numfmt --to=iec --suffix=B "$(stat -c %s "$zip")"), $(cat "$kit_dir/SHA256SUMS")"
