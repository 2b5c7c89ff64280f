# Sourced by the entry scripts: a private Wine prefix, one persistent
# wineserver and, without a display, a private Xvfb. Everything started here
# is torn down by process id in wine_session_stop, which the caller traps on
# EXIT so that a failing test still cleans up.

wine_session_start() {
  LX_SESSION_DIR=$(mktemp -d /tmp/lx-wine.XXXXXX)
  LX_XVFB_PID=""
  LX_WINESERVER_PID=""

  export WINEPREFIX="$LX_SESSION_DIR/prefix"
  export WINEARCH=win64
  export WINEDEBUG=-all
  export LANG=C.UTF-8
  # No Mono/Gecko install prompts; winedbg disabled so a crash fails at once
  # (exit code 5) instead of waiting on a dialog.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
  # Audio goes to ALSA's null device: sounds "play" without hardware.
  printf '</usr/share/alsa/alsa.conf>\npcm.!default { type null }\nctl.!default { type hw card 0 }\n' \
    > "$LX_SESSION_DIR/alsa.conf"
  export ALSA_CONFIG_PATH="$LX_SESSION_DIR/alsa.conf"

  if [[ -z "${DISPLAY:-}" ]]; then
    local number_file="$LX_SESSION_DIR/display" number="" tries
    # Created first: the loop below may read it before Xvfb's redirection does.
    : >"$number_file"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$number_file" >"$LX_SESSION_DIR/xvfb.log" 2>&1 &
    LX_XVFB_PID=$!
    for ((tries = 0; tries < 300; tries++)); do
      number=$(tr -dc '0-9' <"$number_file")
      [[ -n "$number" ]] && break
      kill -0 "$LX_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    if [[ -z "$number" ]]; then
      echo "wine-session: Xvfb did not start" >&2
      cat "$LX_SESSION_DIR/xvfb.log" >&2
      return 1
    fi
    export DISPLAY=":$number"
  fi

  local wineserver
  wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
  # The server runs in the prefix folder: without it, it exits at once and
  # every wine command starts (and boots) a short-lived server of its own.
  mkdir -p "$WINEPREFIX"
  "$wineserver" -f -p >"$LX_SESSION_DIR/wineserver.log" 2>&1 &
  LX_WINESERVER_PID=$!
  LX_WINESERVER="$wineserver"
  # A heavily loaded machine can make the first boot give up; one retry.
  if ! wine wineboot -i </dev/null >"$LX_SESSION_DIR/wineboot.log" 2>&1 &&
     ! wine wineboot -i </dev/null >>"$LX_SESSION_DIR/wineboot.log" 2>&1; then
    echo "wine-session: wineboot failed" >&2
    cat "$LX_SESSION_DIR/wineboot.log" >&2
    return 1
  fi
  if ! kill -0 "$LX_WINESERVER_PID" 2>/dev/null; then
    echo "wine-session: the wineserver did not keep running" >&2
    cat "$LX_SESSION_DIR/wineserver.log" >&2
    return 1
  fi
  echo "wine-session: prefix $WINEPREFIX, display $DISPLAY"
}

wine_session_stop() {
  if [[ -n "${LX_WINESERVER_PID:-}" ]]; then
    "$LX_WINESERVER" -k >/dev/null 2>&1 || true
    kill "$LX_WINESERVER_PID" 2>/dev/null || true
    wait "$LX_WINESERVER_PID" 2>/dev/null || true
  fi
  if [[ -n "${LX_XVFB_PID:-}" ]]; then
    kill "$LX_XVFB_PID" 2>/dev/null || true
    wait "$LX_XVFB_PID" 2>/dev/null || true
  fi
  [[ -n "${LX_SESSION_DIR:-}" ]] && rm -rf "$LX_SESSION_DIR"
  LX_WINESERVER_PID="" LX_XVFB_PID="" LX_SESSION_DIR=""
}
