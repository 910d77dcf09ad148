#!/usr/bin/env bash
# The shipped Windows programs are 32-bit x86 (PE32 for i386): one exe that runs on
# 32-bit Windows, on 64-bit Windows through WOW64 and on Windows on ARM.
# Usage: test-pe32.sh BUILD-FOLDER
set -u
status=0
for exe in startprogram.exe startprogram-check.exe; do
  header="$(i686-w64-mingw32-objdump -f "$1/$exe" 2>&1)"
  if grep -q 'file format pei-i386' <<<"$header" && grep -q '^architecture: i386,' <<<"$header" &&
    ! grep -q 'x86-64' <<<"$header"; then
    echo "PASS [pe32]: $exe is PE32 for i386"
  else
    echo "FAIL [pe32]: $exe is not PE32 for i386: $header"
    status=1
  fi
done
exit $status
