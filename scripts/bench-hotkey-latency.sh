#!/usr/bin/env bash
# Time from the loader's dispatch of WM_HOTKEY to its CreateProcess call
# returning, under Wine: Wine's relay trace with timestamps logs both calls
# (and slows them a little, so the figures are upper bounds). Builds nothing:
# run scripts/build.sh first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${LX_BIN:-$root/build/win/bin}
presses=${1:-10}

source "$root/scripts/wine-session.sh"
trap wine_session_stop EXIT
wine_session_start
source "$root/tests/e2e/desktop.sh"

install=$LX_SESSION_DIR/install
mkdir -p "$install"
cp "$bin"/{lexorant,lx-processor}.exe "$install/"
touch "$install/portable"
printf '<settings><appearance orderby="0"/><sound/></settings>' >"$install/settings.xml"
# Input and output 0: the processor does nothing visible, so the presses
# only measure the loader.
printf '<accelerators><accelerator id="idle" hotkey="1602" input="0" output="0">x</accelerator></accelerators>' \
  >"$install/accelerators.xml"
wine reg add 'HKCU\Software\Wine\Debug' /v RelayInclude /t REG_SZ \
  /d 'user32.DispatchMessageW;kernel32.CreateProcessW' /f >/dev/null 2>&1

(cd "$install" && WINEDEBUG=+timestamp,+relay exec wine lexorant.exe 2>"$LX_SESSION_DIR/relay.log") &
loader_pid=$!
write_unicode_file "$LX_SESSION_DIR/focus.txt" "focus"
start_app "focus.txt - Notepad" "$WINEPREFIX/drive_c/windows/system32/notepad.exe" "$(winpath "$LX_SESSION_DIR/focus.txt")"
sleep 2
for ((i = 0; i < presses; i++)); do
  xdotool windowfocus "$app_window"
  xdotool key ctrl+alt+b
  sleep 0.7
done
sleep 1
stop_pid "$loader_pid"
stop_pid "$app_pid"

# Each CreateProcess follows the DispatchMessageW of its WM_HOTKEY.
awk -F: '
  /Call user32.DispatchMessageW/ { dispatched = $1 }
  /Ret  KERNEL32.CreateProcessW/ && dispatched != "" { printf "%.1f\n", ($1 - dispatched) * 1000 }
' "$LX_SESSION_DIR/relay.log" | sort -n >"$LX_SESSION_DIR/latency.txt"
count=$(wc -l <"$LX_SESSION_DIR/latency.txt")
((count > 0)) || { echo "bench-hotkey-latency: no hotkey reached the loader" >&2; exit 1; }
echo "hotkey presses measured:  $count of $presses"
echo "WM_HOTKEY to CreateProcess returned, ms: min $(head -1 "$LX_SESSION_DIR/latency.txt"), median $(sed -n "$(((count + 1) / 2))p" "$LX_SESSION_DIR/latency.txt"), max $(tail -1 "$LX_SESSION_DIR/latency.txt")"
