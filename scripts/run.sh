#!/usr/bin/env bash
# The main job, for real: the loader runs from a portable folder, notepad holds
# selected text, a hotkey is pressed with xdotool, and the selection is
# transformed in place. Prints the text before and after; without a display
# of its own it also saves a screenshot to build/main-job.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
headless=0
[[ -z "${DISPLAY:-}" ]] && headless=1

"$root/scripts/bootstrap.sh" imagemagick
"$root/scripts/build.sh" --windows-only

source "$root/scripts/wine-session.sh"
trap wine_session_stop EXIT
wine_session_start

bin=$root/build/win/bin
source "$root/tests/e2e/desktop.sh"

install="$LX_SESSION_DIR/Lexorant"
mkdir -p "$install"
cp "$bin"/{lexorant,lx-processor,lx-settings,lx-cli}.exe "$install/"
cp -r "$root/scripts/sample-data/." "$install/"
touch "$install/portable"

echo "== accelerators (lx-cli list)"
(cd "$install" && wine lx-cli.exe list)

wine "$install/lexorant.exe" >/dev/null 2>&1 &

document="$LX_SESSION_DIR/letter.txt"
write_unicode_file "$document" "élan über the hotkey, grüße aus 東京"
start_app "letter.txt - Notepad" "$WINEPREFIX/drive_c/windows/system32/notepad.exe" "$(winpath "$document")"
focus_window "$app_window" tool notepad_text focused
xdotool key ctrl+a
echo "== before: $(tool notepad_text)"

# Title Case is bound to Ctrl+B. The loader may still be starting: the key
# is pressed again until the text changes (title-casing twice is harmless).
changed() { [[ "$(tool notepad_text)" != "élan über the hotkey, grüße aus 東京" ]]; }
for attempt in 1 2 3 4 5; do
  focus_window "$app_window" tool notepad_text focused
  xdotool key ctrl+b
  wait_for 3 changed && break
done
echo "== after Ctrl+B: $(tool notepad_text)"

if ((headless)); then
  import -display "$DISPLAY" -window root "$root/build/main-job.png"
  echo "== screenshot: build/main-job.png"
fi
changed
