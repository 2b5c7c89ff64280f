#!/usr/bin/env bash
# One end-to-end case of lx-processor started for a group:
#   group_e2e.sh CASE BIN_FOLDER ARTIFACT_FOLDER
# A fresh portable install gets the case's group; Wine's notepad holds
# "hello world", all of it selected and focused; the processor shows the
# popup, which must not take the focus from notepad; a key is pressed with
# xdotool; then notepad's text, the processor's end and the sound signals
# (group, accelerator, error) are compared with the case's expectations.
# The case on a virtual desktop with a taskbar also checks the popup's place
# beside the taskbar and saves a screenshot of it in ARTIFACT_FOLDER.
set -euo pipefail
case_name=$1
bin=$(cd "$2" && pwd)
artifacts=$3
source "$(dirname "$0")/desktop.sh"
require_display

# Hotkey values: low byte the key, high byte the modifiers (Ctrl 0x200,
# Alt 0x400). The entry on Ctrl+A is picked by a bare A.
doc='hello world'
two_entries='<group id="grp" name="Transform">
    <accelerator id="wrap" name="Wrap in brackets" hotkey="577">[{{sel}}]</accelerator>
    <accelerator id="title" name="Title case" hotkey="1602">{{sel:ucwords}}</accelerator>
  </group>'
group=$two_entries desktop=plain keytrap=1 key=b popup_height="" shown=1
expect_doc='Hello World' expect_signals='1 1 0'
case "$case_name" in
  beside-taskbar)
    desktop=virtual ;;
  pick-by-key-byte)
    key=a expect_doc='[hello world]' ;;
  shift-held)
    key=shift+b ;;
  no-entry-key)
    key=c expect_doc=$doc expect_signals='1 0 1' ;;
  empty-group)
    group='<group id="grp" name="Nothing here"/>'
    key=x popup_height=65 expect_doc=$doc expect_signals='1 0 1' ;;
  nested-group)
    # A picks the inner group, which has no entry to run without a key.
    group='<group id="grp" name="Outer">
    <accelerator id="wrap" name="Wrap" hotkey="66">[{{sel}}]</accelerator>
    <group id="inner" name="Inner" hotkey="65">
      <accelerator id="deep" name="Deep" hotkey="67">({{sel}})</accelerator>
    </group>
  </group>'
    key=a expect_doc=$doc expect_signals='1 0 1' ;;
  keys-queued)
    # A and C reported before the processor handled A: A picks the inner
    # group, whose entry without a key runs; the stray C picks nothing more.
    group='<group id="grp" name="Outer">
    <accelerator id="wrap" name="Wrap" hotkey="66">&lt;{{sel}}&gt;</accelerator>
    <group id="inner" name="Inner" hotkey="65">
      <accelerator id="plain" name="Brackets">[{{sel}}]</accelerator>
      <accelerator id="round" name="Parentheses" hotkey="67">({{sel}})</accelerator>
    </group>
  </group>'
    key=queued:65,67 expect_doc='[hello world]' ;;
  no-keytrap)
    keytrap=0 key="" shown=0 expect_doc=$doc expect_signals='1 0 1' ;;
  *)
    echo "unknown case: $case_name" >&2
    exit 2 ;;
esac

work=$(mktemp -d "${TMPDIR:-/tmp}/lx-e2e.XXXXXX")
app_pid="" listener_pid="" processor_pid=""
cleanup() {
  # The listener's pid is its shell's: asked to stop, it ends by itself.
  touch "$work/stop"
  for pid in $processor_pid $listener_pid $app_pid; do stop_pid "$pid"; done
  stop_virtual_desktop
  rm -rf "$work"
}
trap cleanup EXIT

install=$work/install
mkdir -p "$install"
cp "$bin/lx-processor.exe" "$install/"
((keytrap)) && cp "$bin/keytrap.dll" "$install/"
touch "$install/portable"
printf '<?xml version="1.0" encoding="UTF-8"?>\n<accelerators>\n  %s\n</accelerators>\n' "$group" \
  >"$install/accelerators.xml"

read_text() { tool notepad_text; }
text_is() { [[ "$(read_text)" == "$1" ]]; }
selection_is() { [[ "$(tool notepad_text selection)" == "$1" ]]; }
no_notepad() { ! tool notepad_text; }

write_unicode_file "$work/doc.txt" "$doc"
if [[ $desktop == virtual ]]; then
  start_virtual_desktop "$work/prefix"
  echo "virtual desktop prefix ready"
  start_in_virtual_desktop "$WINEPREFIX/drive_c/windows/system32/notepad.exe" "$(winpath "$work/doc.txt")" ||
    fail "no virtual desktop window"
else
  wait_for 5 popup_gone || fail "a popup of an earlier run is still shown"
  wait_for 5 no_notepad || fail "a notepad window of an earlier run is still open"
  start_app "doc.txt - Notepad" "$WINEPREFIX/drive_c/windows/system32/notepad.exe" "$(winpath "$work/doc.txt")" ||
    exit 1
fi
wait_for 15 text_is "$doc" || fail "notepad did not load the document"
focus_window "$app_window" tool notepad_text focused || exit 1
xdotool key ctrl+a
wait_for 5 selection_is "0 ${#doc}" || fail "ctrl+a did not select the text"

tool event_listener "$(winpath "$work/ready")" "$(winpath "$work/stop")" group accelerator error >"$work/signals" &
listener_pid=$!
wait_for 10 test -e "$work/ready" || fail "the event listener did not start"

echo "notepad ready; starting the processor"
timeout 30 wine "$install/lx-processor.exe" grp &
processor_pid=$!

if ((shown)); then
  wait_for 10 popup_shown || fail "no popup appeared"
  read -r left top right bottom < <(tool popup_probe)
  echo "popup at $left,$top to $right,$bottom"
  # Painted and shown without activation: notepad keeps the focus.
  sleep 0.5
  tool notepad_text focused || fail "the popup took the focus from notepad"
  if [[ -n "$popup_height" ]]; then
    ((bottom - top == popup_height)) || fail "the popup is $((bottom - top)) pixels high, expected $popup_height"
  fi
  if [[ $desktop == virtual ]]; then
    read -r _ _ screen_right screen_bottom < <(tool popup_probe screen)
    read -r bar_left bar_top bar_right bar_bottom < <(tool popup_probe taskbar) || fail "no taskbar"
    echo "taskbar at $bar_left,$bar_top to $bar_right,$bar_bottom on a ${screen_right}x$screen_bottom screen"
    ((bar_right - bar_left > bar_bottom - bar_top && bar_bottom == screen_bottom)) ||
      fail "the taskbar is not along the bottom edge"
    ((right == screen_right)) || fail "the popup's right edge is at $right, expected the screen's $screen_right"
    ((bottom == bar_top)) || fail "the popup's bottom edge is at $bottom, expected the taskbar's top $bar_top"
    # Two rows of one font under the title band.
    ((bottom - top > 65 && right - left > 100)) || fail "the popup is only $((right - left))x$((bottom - top))"
    mkdir -p "$artifacts"
    shot=$artifacts/group-popup.png
    # The desktop's X window: its pixels are in the desktop's coordinates.
    /usr/bin/import -window "$app_window" "$shot" || fail "no screenshot"
    echo "screenshot: $shot"
    # The skin's opaque border runs 4 pixels inside the popup's left edge.
    border=$(/usr/bin/convert "$shot" -crop "1x1+$((left + 4))+$(((top + bottom) / 2))" -depth 8 txt:- |
      grep -o '#[0-9A-F]\{6\}')
    [[ $border == '#B0B9C5' ]] || fail "the popup's left border shows $border, expected #B0B9C5"
    # Clicking the popup does nothing: it stays, and notepad keeps the focus.
    xdotool mousemove $(((left + right) / 2)) $(((top + bottom) / 2)) click 1
    sleep 0.5
    tool notepad_text focused || fail "clicking the popup took the focus from notepad"
    popup_shown || fail "clicking the popup closed it"
  fi
  # A key can be lost while a fresh virtual desktop settles its focus: it is
  # pressed again only while the popup is still shown.
  for attempt in 1 2 3; do
    if [[ $key == queued:* ]]; then
      IFS=, read -r -a queued <<<"${key#queued:}"
      tool group_key "${queued[@]}" || fail "cannot post keys to the processor"
    else
      xdotool key "$key"
    fi
    wait_for 5 popup_gone && break
  done
  popup_gone || fail "the popup is still shown after $key"
fi

processor_rc=0
wait "$processor_pid" || processor_rc=$?
processor_pid=""
((processor_rc != 124)) || fail "lx-processor did not end within 30 s"
((processor_rc == 0)) || fail "lx-processor exit code $processor_rc, expected 0"
popup_gone || fail "the popup outlived the processor"

touch "$work/stop"
wait "$listener_pid" || fail "the event listener failed"
listener_pid=""
[[ "$(cat "$work/signals")" == "$expect_signals" ]] ||
  fail "group, accelerator, error signals: $(cat "$work/signals"), expected $expect_signals"

# A paste arrives after the processor ended: wait for the expected text,
# then look again a moment later so that a late extra paste is caught too.
wait_for 5 text_is "$expect_doc" || true
sleep 0.5
text_is "$expect_doc" || fail "notepad shows \"$(read_text)\", expected \"$expect_doc\""
echo "PASS [$case_name]: $(read_text)"
