# Sourced by the end-to-end scripts: Wine paths, waiting for conditions,
# starting, focusing and stopping the applications under test. Needs the
# variables of a Wine session (scripts/wine-session.sh) and `bin`, the folder
# of the built programs.

# Ends the case, naming it (the caller sets case_name).
fail() {
  echo "FAIL [$case_name]: $*" >&2
  exit 1
}

require_display() {
  if [[ -z "${DISPLAY:-}" ]]; then
    echo "FAIL: DISPLAY is not set; run under a Wine session (scripts/test.sh starts one)" >&2
    exit 1
  fi
}

# The Windows path of a Linux path (Wine maps / to Z:).
winpath() { printf 'Z:%s' "${1//\//\\}"; }

now_ms() { echo $(($(date +%s%N) / 1000000)); }

# wait_for SECONDS COMMAND...: polls COMMAND until it succeeds.
wait_for() {
  local deadline=$(($(now_ms) + $1 * 1000))
  shift
  until "$@" >/dev/null 2>&1; do
    (($(now_ms) < deadline)) || return 1
    sleep 0.05
  done
}

tool() { wine "$bin/$1.exe" "${@:2}"; }

# A text file notepad reads as Unicode whatever the code page: UTF-16LE with
# a byte order mark.
write_unicode_file() {
  { printf '\xff\xfe'; printf '%s' "$2" | iconv -f UTF-8 -t UTF-16LE; } >"$1"
}

utf16_length() { echo $(($(printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | wc -c) / 2)); }

# Ends a background process by its pid, the hard way when it does not go.
stop_pid() {
  local pid=$1 tries
  kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null || true; return 0; }
  kill "$pid" 2>/dev/null || true
  for ((tries = 0; tries < 50; tries++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

# start_app TITLE PROGRAM ARGS...: starts a Windows program in the
# background (by its Linux path, so that the pid is the program's own) and
# sets app_pid and app_window (its X window) once its window is shown.
start_app() {
  local title=$1
  shift
  wine "$@" >/dev/null 2>&1 &
  app_pid=$!
  app_window=$(timeout 20 xdotool search --sync --limit 1 --name "^${title}\$" 2>/dev/null) || {
    echo "FAIL: no window \"$title\" appeared" >&2
    return 1
  }
}

# The processor's group popup (a shown window of its class).
popup_shown() { tool popup_probe; }
popup_gone() { ! tool popup_probe; }

x_focus_is() { [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$1" ]]; }

# focus_window WINDOW CHECK...: gives WINDOW the X input focus until both X
# and Wine agree on it (CHECK asks Wine), retrying the focus request.
focus_window() {
  local window=$1 attempt
  shift
  for ((attempt = 0; attempt < 10; attempt++)); do
    xdotool windowfocus "$window" 2>/dev/null || true
    if wait_for 1 x_focus_is "$window" && wait_for 1 "$@"; then
      return 0
    fi
  done
  echo "FAIL: could not focus window $window" >&2
  return 1
}

# start_virtual_desktop PREFIX: a private prefix whose Wine desktop is
# virtual (1280x800), with a taskbar and its notification area, served by a
# server of its own (nested_server_pid); the session's server is left alone.
# The caller's cleanup calls stop_virtual_desktop.
wineserver_program=$(command -v wineserver || echo /usr/lib/wine/wineserver)
nested_server_pid=""
start_virtual_desktop() {
  export WINEPREFIX=$1
  mkdir -p "$WINEPREFIX"
  "$wineserver_program" -f -p >/dev/null 2>&1 &
  nested_server_pid=$!
  timeout 90 wine wineboot -i </dev/null >"$1.log" 2>&1 ||
    fail "wineboot failed in the virtual desktop's prefix: $(tail -5 "$1.log")"
  wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1 &&
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x800 /f >/dev/null 2>&1 &&
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops\Default' /v EnableShell /t REG_DWORD /d 1 /f >/dev/null 2>&1 ||
    fail "cannot configure the virtual desktop"
  # The desktop's kind is read when its explorer starts: restart the server.
  "$wineserver_program" -k >/dev/null 2>&1 || true
  wait "$nested_server_pid" 2>/dev/null || true
  "$wineserver_program" -w
  "$wineserver_program" -f -p >/dev/null 2>&1 &
  nested_server_pid=$!
}

stop_virtual_desktop() {
  [[ -n "$nested_server_pid" ]] || return 0
  "$wineserver_program" -k >/dev/null 2>&1 || true
  stop_pid "$nested_server_pid"
  nested_server_pid=""
}

# start_in_virtual_desktop PROGRAM ARGS...: like start_app, for a program in
# the virtual desktop, which has no X window of its own: app_window is the
# desktop's window, which takes the X focus for every program inside it.
start_in_virtual_desktop() {
  wine "$@" >/dev/null 2>&1 &
  app_pid=$!
  app_window=$(timeout 20 xdotool search --sync --limit 1 --name "Wine desktop" 2>/dev/null)
}
