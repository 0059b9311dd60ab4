#!/usr/bin/env bash
# Writes the release archive: both programs, a read-me and the licence, in a
# zip that is the same bytes whenever it is made from the same programs at
# the same commit.
#
#   scripts/package.sh                     builds win32 and win64, writes
#                                          build/Lumivex-<version>-windows.zip
#   scripts/package.sh --from-builds WIN32DIR WIN64DIR [--out ZIP]
#                                          takes Lumivex.exe from the two build
#                                          folders as they are, builds nothing
#
# The entries carry the time in SOURCE_DATE_EPOCH, else the last commit's.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
version=$(sed -n 's/^#define LUMIVEX_VERSION_TEXT "\(.*\)"$/\1/p' "$root/src/version.h")
[ -n "$version" ] || { echo "no LUMIVEX_VERSION_TEXT in src/version.h" >&2; exit 1; }

win32=$root/build/win32 win64=$root/build/win64 out=$root/build/Lumivex-$version-windows.zip build=1
while [ $# -gt 0 ]; do
  case $1 in
    --from-builds) win32=$2 win64=$3 build=0; shift 3 ;;
    --out) out=$2; shift 2 ;;
    *) echo "usage: $0 [--from-builds WIN32DIR WIN64DIR] [--out ZIP]" >&2; exit 2 ;;
  esac
done
out=$(realpath -m "$out")

if [ $build = 1 ]; then
  cd "$root"
  for preset in win32 win64; do
    [ -f "build/$preset/build.ninja" ] || cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
  done
fi

# Zip stores local times at two-second steps: pin the zone and the step so
# the stamp, and the bytes, do not depend on where or when this runs.
export TZ=UTC
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 946684800)}
export SOURCE_DATE_EPOCH=$(( epoch / 2 * 2 ))

stage=$(mktemp -d)
trap 'rm -rf "$stage" "$out.part"' EXIT
cp "$win32/Lumivex.exe" "$stage/Lumivex.exe"
cp "$win64/Lumivex.exe" "$stage/Lumivex64.exe"
# Notepad on older Windows reads a text as UTF-8 only with the BOM, and shows
# bare LF ends as one long line.
crlf() { sed 's/\r$//; s/$/\r/'; }
{
  printf '\xef\xbb\xbf'
  crlf <<TEXT
Lumivex $version —— 窗口查看器

把十字准星拖到任意窗口或控件上，即可看到它的句柄、类名、标题、样式等信息。

Lumivex.exe    32 位程序，在 32 位和 64 位 Windows 上都能运行。
Lumivex64.exe  同一程序的 64 位版本。

无需安装：解压后直接运行即可。
许可证（MIT）见 LICENSE.txt。
TEXT
} >"$stage/README.txt"
crlf <"$root/LICENSE" >"$stage/LICENSE.txt"
chmod 0755 "$stage"/*.exe
chmod 0644 "$stage"/*.txt
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*

mkdir -p "$(dirname "$out")"
rm -f "$out.part"
(cd "$stage" && LC_ALL=C ls | LC_ALL=C sort | zip -X -D -q -@ "$out.part")
"$root/scripts/check_archive.sh" "$out.part"
mv "$out.part" "$out"
echo "$out"
