# Sourced by every script that runs Windows programs: a private X server on a free display and
# a Wine prefix made ready once, both stopped again when the sourcing script exits.
#
#   . scripts/wine-env.sh
#   wine_env_start /path/to/prefix    # exports DISPLAY, WINEPREFIX, WINEARCH, WINEDEBUG, PATH
#
# Everything started here is ours: the exit trap stops only the X server and the Wine server we
# started, by their own process and prefix.

WINE_ENV_XVFB_PID=
WINE_ENV_WINESERVER=

wine_env_log() { printf '== %s\n' "$*"; }

wine_env_teardown() {
  local status=$?
  if [ -n "$WINE_ENV_WINESERVER" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -n "$WINE_ENV_XVFB_PID" ]; then
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
  fi
  exit "$status"
}

wine_env_start_xvfb() {
  local display
  for display in $(seq 90 199); do
    { [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; } && continue
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    WINE_ENV_XVFB_PID=$!
    for _ in $(seq 100); do
      [ -S "/tmp/.X11-unix/X$display" ] && break
      kill -0 "$WINE_ENV_XVFB_PID" 2>/dev/null || break
      sleep 0.05
    done
    if [ -S "/tmp/.X11-unix/X$display" ] && kill -0 "$WINE_ENV_XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$display"
      wine_env_log "Xvfb on $DISPLAY"
      return 0
    fi
    # Somebody took the display first: try the next one.
    kill "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    wait "$WINE_ENV_XVFB_PID" 2>/dev/null || true
    WINE_ENV_XVFB_PID=
  done
  echo "no free X display found" >&2
  exit 1
}

wine_env_start_wine() {
  local prefix=$1
  # Debian's wine64 package keeps its loader and server here, outside PATH.
  export PATH="/usr/lib/wine:$PATH"
  export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono/Gecko install prompts
  command -v wine64 >/dev/null && command -v wineserver >/dev/null ||
    { echo "wine64 or wineserver not found" >&2; exit 1; }
  local fresh=
  if [ ! -f "$prefix/.drelm-ready" ]; then
    rm -rf "$prefix"
    mkdir -p "$prefix"
    fresh=1
  fi
  # A persistent server started before any other wine command makes each start cheap. All
  # output goes nowhere, so that Wine's background services never hold our pipes open.
  wineserver -p </dev/null >/dev/null 2>&1
  WINE_ENV_WINESERVER=1
  if [ -n "$fresh" ]; then
    wine_env_log "creating the Wine prefix (first run only)"
    wine64 wineboot -i </dev/null >/dev/null 2>&1
    # No window manager on Xvfb: unmanaged windows avoid a 2 s stall on every hide.
    wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
      </dev/null >/dev/null 2>&1
    wine64 reg add 'HKCU\Software\Wine\Drivers' /v Audio /t REG_SZ /d '' /f \
      </dev/null >/dev/null 2>&1
    touch "$prefix/.drelm-ready"
  else
    # Starts the prefix's services, which the first window would otherwise wait for.
    wine64 wineboot </dev/null >/dev/null 2>&1
  fi
}

wine_env_start() {
  trap wine_env_teardown EXIT
  trap 'exit 130' INT TERM
  wine_env_start_xvfb
  wine_env_start_wine "$1"
}
