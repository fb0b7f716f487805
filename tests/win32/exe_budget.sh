#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the shipped stackfall.exe may be: at most 512 KiB once stripped, only
# Windows' own DLLs imported, and none of the runtime objects that
# win32/StaticRuntime.cpp and win32/StaticThreads.cpp replace linked in (a new
# toolchain may move a replaced function into another object, and the one
# that holds it then comes back with everything else it holds).
# Usage: exe_budget.sh stackfall.exe stackfall.map objdump strip
set -euo pipefail
exe=$1 map=$2 objdump=$3 strip=$4

MaxBytes=524288
# The DLLs that every Windows the program runs on has.
SystemDlls=(kernel32.dll user32.dll gdi32.dll ole32.dll winmm.dll msvcrt.dll windowscodecs.dll)
# Archive and member of each replaced object, as the linker's map names them.
Replaced=(
  'libstdc\+\+\.a\(functexcept\.o\)'
  'libstdc\+\+\.a\(vterminate\.o\)'
  'lib(win)?pthread\.a\((libwinpthread_la-)?thread\.o\)'
  'lib(win)?pthread\.a\((libwinpthread_la-)?clock\.o\)'
)

failures=0
fail() {
  echo "FAIL - $*"
  failures=$((failures + 1))
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$strip" -o "$work/stripped.exe" "$exe"
size=$(stat -c %s "$work/stripped.exe")
echo "stripped size: $size bytes (at most $MaxBytes)"
((size <= MaxBytes)) || fail "the stripped program is $size bytes, over $MaxBytes"

mapfile -t imports < <("$objdump" -p "$exe" | sed -n 's/^\tDLL Name: //p')
echo "imports: ${imports[*]}"
# An empty list would pass the loop below: every program imports KERNEL32.
[[ " ${imports[*],,} " == *" kernel32.dll "* ]] || fail "no import of KERNEL32.dll found"
for dll in "${imports[@]}"; do
  [[ " ${SystemDlls[*]} " == *" ${dll,,} "* ]] || fail "imports $dll, not a Windows system DLL"
done

# The map's first part lists each archive member the link took, one a line
# at its start, with what asked for it indented below.
members=$(sed -n '/^Archive member included/,/^Discarded input sections/p' "$map" |
  grep -E '^[^ ].*\.a\([^)]*\)$' || true)
grep -q 'libstdc++\.a(' <<<"$members" ||
  fail "the map lists no member of the C++ runtime: not a map of the static link?"
for object in "${Replaced[@]}"; do
  if linked=$(grep -E "$object\$" <<<"$members"); then
    fail "linked in, although replaced: $linked"
  fi
done

((failures == 0)) && echo "ok - size, imports and runtime objects"
exit $((failures == 0 ? 0 : 1))
