# Sourced: the environment for running the 64-bit build under Wine, and
# helpers to start a virtual display and a fresh prefix.
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG=-all
# No network: never offer to download Mono or Gecko.
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8
WINE=/usr/lib/wine/wine64

# start_display N: a virtual X display :N unless one answers there already.
start_display() {
  local n=$1
  export DISPLAY=":$n"
  if xdpyinfo >/dev/null 2>&1; then return 0; fi
  Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  echo "Xvfb :$n did not start" >&2
  return 1
}

# make_prefix DIR: a Wine prefix in DIR, created on first use.
make_prefix() {
  export WINEPREFIX=$1
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot -i </dev/null >"$WINEPREFIX/wineboot.log" 2>&1
    "$WINESERVER" -w
  fi
}
