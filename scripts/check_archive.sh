#!/usr/bin/env bash
# Checks a release archive: exactly its four entries, in order and with the
# stamp of SOURCE_DATE_EPOCH when that is set; each program in its PE format
# and self-contained; both with the same version resource, src/version.h's;
# the texts as Windows Notepad reads them.
set -eu
zip=$1
here=$(cd "$(dirname "$0")" && pwd)
version=$(sed -n 's/^#define LUMIVEX_VERSION_TEXT "\(.*\)"$/\1/p' "$here/../src/version.h")
fail() { echo "FAIL: $*"; exit 1; }
[ -n "$version" ] || fail "no LUMIVEX_VERSION_TEXT in src/version.h"

entries=$(unzip -Z1 "$zip" | tr '\n' ' ')
[ "$entries" = "LICENSE.txt Lumivex.exe Lumivex64.exe README.txt " ] || fail "entries of $zip: $entries"
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
  stamp=$(TZ=UTC date -d "@$(( SOURCE_DATE_EPOCH / 2 * 2 ))" +%Y%m%d.%H%M%S)
  others=$(TZ=UTC unzip -Z -T "$zip" | awk -v s="$stamp" '/^-/ && $7 != s {print $8, $7}')
  [ -z "$others" ] || fail "entries not stamped $stamp: $others"
fi

dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
unzip -q "$zip" -d "$dir"
"$here/check_product.sh" "$dir/Lumivex.exe" pe32
"$here/check_product.sh" "$dir/Lumivex64.exe" pe32+

versioninfo() { "$1" -i "$2" -O rc 2>/dev/null | awk '/^1 VERSIONINFO/,/^END/'; }
v32=$(versioninfo i686-w64-mingw32-windres "$dir/Lumivex.exe")
v64=$(versioninfo x86_64-w64-mingw32-windres "$dir/Lumivex64.exe")
[ "$v32" = "$v64" ] || fail "the version resources differ: $(diff <(echo "$v32") <(echo "$v64"))"
numbers=${version//./, }
for line in " FILEVERSION $numbers" " PRODUCTVERSION $numbers" \
            "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\""; do
  grep -qF -- "$line" <<<"$v32" || fail "no '$line' in the version resource: $v32"
done

for text in README.txt LICENSE.txt; do
  [ -z "$(grep -v $'\r$' "$dir/$text")" ] || fail "$text has lines without CRLF"
  [ "$(tail -c1 "$dir/$text" | od -An -c | tr -d ' ')" = '\n' ] || fail "$text does not end its last line"
done
[ "$(head -c3 "$dir/README.txt" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "README.txt has no UTF-8 BOM"
iconv -f UTF-8 -t UTF-8 "$dir/README.txt" >/dev/null || fail "README.txt is not UTF-8"
for word in Lumivex.exe Lumivex64.exe "$version"; do
  grep -qF "$word" "$dir/README.txt" || fail "README.txt does not name $word"
done
cmp -s <(sed 's/$/\r/' "$here/../LICENSE") "$dir/LICENSE.txt" || fail "LICENSE.txt is not LICENSE with CRLF ends"
echo "OK: $zip"
