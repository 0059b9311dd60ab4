#!/usr/bin/env bash
# Checks a built Lumivex.exe: its PE format, that it needs no MinGW DLL, and
# that it carries its manifest, version and icon.
set -eu
exe=$1 format=$2
objdump=x86_64-w64-mingw32-objdump windres=x86_64-w64-mingw32-windres
[ "$format" = pe32 ] && objdump=i686-w64-mingw32-objdump windres=i686-w64-mingw32-windres

fail() { echo "FAIL: $*"; exit 1; }
version=$(sed -n 's/^#define LUMIVEX_VERSION_TEXT "\(.*\)"$/\1/p' "$(dirname "$0")/../src/version.h")
[ -n "$version" ] || fail "no LUMIVEX_VERSION_TEXT in src/version.h"
header=$($objdump -f "$exe" 2>&1) || true
case $format in
  pe32) grep -q 'file format pei-i386' <<<"$header" || fail "$exe is not PE32: $header" ;;
  pe32+) grep -q 'file format pei-x86-64' <<<"$header" || fail "$exe is not PE32+: $header" ;;
esac

dlls=$($objdump -p "$exe" | awk '/DLL Name:/ {print tolower($3)}')
for dll in $dlls; do
  case $dll in
    libgcc*|libstdc++*|libwinpthread*|*mingw*) fail "$exe needs $dll" ;;
  esac
done

strings -el "$exe" | grep -cF "$version" >/dev/null || fail "no version $version in $exe"
strings "$exe" | grep -c 'Microsoft.Windows.Common-Controls' >/dev/null || fail "no common-controls manifest in $exe"
resources=$($windres -i "$exe" -O rc 2>/dev/null)
grep -q '^1 14 /\* RT_GROUP_ICON' <<<"$resources" || fail "no program icon in $exe"
grep -q '^1 VERSIONINFO' <<<"$resources" || fail "no version resource in $exe"
grep -q '^1 24 /\* RT_MANIFEST' <<<"$resources" || fail "no manifest resource in $exe"
echo "OK: $exe ($format), imports: $(echo $dlls | tr '\n' ' ')"
