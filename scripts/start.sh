#!/usr/bin/env bash
# Builds the 64-bit program and starts Lumivex under Wine on the current X
# display, or on a virtual one where there is none; then writes a screenshot
# and prints its path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64

. scripts/wine_env.sh
run=(build/win64/Lumivex.exe)
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  start_display 77
  echo "No X display: started a virtual one on $DISPLAY (Xvfb, pid $XVFB_PID)."
  # No window manager there: Wine's own desktop draws the frames and titles.
  run=(explorer /desktop=lumivex,1280x800 build/win64/Lumivex.exe)
fi
make_prefix "$PWD/build/wineprefix"
"$WINE" "${run[@]}" </dev/null >build/lumivex.log 2>&1 &
echo "Lumivex started (Wine pid $!)."

shot="$PWD/build/lumivex-start.png"
for _ in $(seq 100); do
  xdotool search --name '^Lumivex V' >/dev/null 2>&1 && break
  sleep 0.2
done
sleep 1
import -window root "$shot"
echo "Screenshot: $shot"
