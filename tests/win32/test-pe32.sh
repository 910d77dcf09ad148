#!/usr/bin/env bash
# The shipped Windows programs are 32-bit x86 (PE32 for i386): one exe that runs on
# 32-bit Windows, on 64-bit Windows through WOW64 and on Windows on ARM. Each is copied
# to the swap file when started from removable or network media (so that it survives
# the medium going away), is Terminal Server aware, and carries a valid PE checksum.
# Usage: test-pe32.sh BUILD-FOLDER | EXE...
set -u
if [ $# = 1 ] && [ -d "$1" ]; then
  set -- "$1/startprogram.exe" "$1/startprogram-check.exe"
fi
status=0
fail() {
  echo "FAIL [pe32]: $*"
  status=1
}
# has_bits HEADERS FIELD BITS: the field's value in objdump's private headers (hexadecimal,
# with or without 0x) has every bit of BITS.
has_bits() {
  local value
  value="$(awk -v f="$2" '$1 == f {sub(/^0x/, "", $2); print $2; exit}' <<<"$1")"
  [[ "$value" =~ ^[0-9a-fA-F]+$ ]] && [ $((16#$value & $3)) = $(($3)) ]
}
for exe in "$@"; do
  name="$(basename "$exe")"
  header="$(i686-w64-mingw32-objdump -f "$exe" 2>&1)"
  if grep -q 'file format pei-i386' <<<"$header" && grep -q '^architecture: i386,' <<<"$header" &&
    ! grep -q 'x86-64' <<<"$header"; then
    echo "PASS [pe32]: $name is PE32 for i386"
  else
    fail "$name is not PE32 for i386: $header"
    continue
  fi
  private="$(i686-w64-mingw32-objdump -p "$exe")"
  # IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP | IMAGE_FILE_NET_RUN_FROM_SWAP, and
  # IMAGE_DLLCHARACTERISTICS_TERMINAL_SERVER_AWARE.
  if has_bits "$private" Characteristics 0x0c00 && has_bits "$private" DllCharacteristics 0x8000; then
    echo "PASS [pe32]: $name runs from the swap file off removable and network media, Terminal Server aware"
  else
    fail "$name lacks run-from-swap or Terminal Server awareness: $(grep -E '^(Dll)?Characteristics' <<<"$private")"
  fi
  checksum="$(osslsigncode verify -in "$exe" 2>&1 | grep 'PE checksum')"
  if [ -n "$checksum" ] && ! grep -q 'Calculated' <<<"$checksum"; then
    echo "PASS [pe32]: $name has a valid PE checksum"
  else
    fail "$name's PE checksum is not its contents': $checksum"
  fi
done
exit $status
