#!/usr/bin/env bash
# One end-to-end case of lx-processor against a real application:
#   processor_e2e.sh CASE BIN_FOLDER
# A fresh portable install gets the case's accelerator; the application
# (Wine's notepad, or clip_twice) is started with known text, focused and
# its text selected with real keystrokes; the processor runs; then the
# application's text, its selection, the clipboard, the exit code and the
# number of sound signals are compared with the case's expectations.
set -euo pipefail
case_name=$1
bin=$(cd "$2" && pwd)
source "$(dirname "$0")/desktop.sh"
require_display

# The cases. Defaults: notepad holding "hello world", all of it selected, a
# marker on the clipboard, an input and output accelerator, one signal.
app=notepad doc='hello world' select=all clip_before='clipboard before' id=case
attributes='input="1" output="1"' body='' script='' package=0 hold_alt=0 signals=1
case "$case_name" in
  ucwords)
    body='{{sel:ucwords}}' expect_doc='Hello World' expect_sel=end expect_clip='Hello World' ;;
  clp-input0)
    attributes='input="0" output="1"' body='{{clp}}' clip_before='from the clipboard: «東京»'
    expect_doc=$clip_before expect_sel=end expect_clip=$clip_before ;;
  output0)
    attributes='input="1" output="0"' body='[{{sel}}]'
    expect_doc=$doc expect_sel=all expect_clip=$doc ;;
  empty-result)
    # Nothing to paste: the copied selection is pasted back over itself.
    body='{{missing_script}}' expect_doc=$doc expect_sel=end expect_clip=$doc ;;
  no-selection)
    # Notepad copies nothing, so the capture ends by its timer.
    select=none body='[{{sel}}]' expect_doc=$doc expect_sel=end expect_clip=$clip_before ;;
  script)
    body='{{sel:wrap}}' script='function wrap(t) { return "<" + t + ">"; }'
    expect_doc='<hello world>' expect_sel=end expect_clip='<hello world>' ;;
  non-ascii)
    doc='grüße 東京 😀' body='[{{sel}}]'
    expect_doc='[grüße 東京 😀]' expect_sel=end expect_clip='[grüße 東京 😀]' ;;
  unknown-id)
    id=nowhere body='[{{sel}}]' signals=0 expect_doc=$doc expect_sel=all expect_clip=$clip_before ;;
  signal-once)
    attributes='input="0" output="1"' body='signalled' signals=1
    expect_doc='signalled' expect_sel=end expect_clip='signalled' ;;
  alt-held)
    hold_alt=1 body='{{sel:ucwords}}' expect_doc='Hello World' expect_sel=end expect_clip='Hello World' ;;
  default-sort)
    # The default package's scripts on the CRLF lines of a real edit control.
    package=1 doc=$'pear\r\napple\r\nBanana' body='{{sel:sortlines}}'
    expect_doc=$'apple\r\nBanana\r\npear' expect_sel=end expect_clip=$expect_doc ;;
  default-upper)
    package=1 doc='straße été σοφος' body='{{sel:upper}}'
    expect_doc='STRAßE ÉTÉ ΣΟΦΟΣ' expect_sel=end expect_clip=$expect_doc ;;
  double-write)
    # clip_twice writes its text, then "second" 700 ms later, well after the
    # processor's read: the paste must be of the first write, and only one.
    app=clip_twice doc='first' body='[{{sel}}]' expect_doc='[first]' expect_clip='second' ;;
  *)
    echo "unknown case: $case_name" >&2
    exit 2 ;;
esac

work=$(mktemp -d "${TMPDIR:-/tmp}/lx-e2e.XXXXXX")
app_pid="" listener_pid="" processor_pid="" alt_down=0
cleanup() {
  ((alt_down)) && xdotool keyup alt 2>/dev/null
  for pid in $processor_pid $listener_pid $app_pid; do stop_pid "$pid"; done
  rm -rf "$work"
}
trap cleanup EXIT

# The portable install.
install=$work/install
mkdir -p "$install/scripts"
cp "$bin/lx-processor.exe" "$install/"
touch "$install/portable"
cat >"$install/accelerators.xml" <<XML
<?xml version="1.0" encoding="UTF-8"?>
<accelerators>
  <accelerator id="case" $attributes>$body</accelerator>
</accelerators>
XML
if ((package)); then
  cp -r "$(dirname "$0")/../../packages/default/scripts/." "$install/scripts/"
fi
if [[ -n "$script" ]]; then
  printf '<lxscript function="wrap"><script><![CDATA[%s]]></script></lxscript>' "$script" >"$install/scripts/wrap.lxscript"
fi

printf '%s' "$clip_before" >"$work/clip_before.txt"
tool clipboard set "$(winpath "$work/clip_before.txt")" || fail "cannot preset the clipboard"
[[ "$(tool clipboard get)" == "$clip_before" ]] || fail "the clipboard does not hold the preset text"

# The application, focused, with its text selected (or the caret at its end).
# The tools find it by its window class: no other one may be open.
no_window_left() { ! tool notepad_text && ! tool clip_twice text; }
wait_for 5 no_window_left || fail "a notepad or clip_twice window of an earlier run is still open"
if [[ $app == notepad ]]; then
  write_unicode_file "$work/$case_name.txt" "$doc"
  start_app "$case_name.txt - Notepad" "$WINEPREFIX/drive_c/windows/system32/notepad.exe" \
    "$(winpath "$work/$case_name.txt")" || exit 1
  read_text() { tool notepad_text; }
  text_is() { [[ "$(read_text)" == "$1" ]]; }
  wait_for 10 text_is "$doc" || fail "notepad did not load the document"
  focus_window "$app_window" tool notepad_text focused || exit 1
  [[ $select == all ]] && key=ctrl+a || key=ctrl+End
  length=$(utf16_length "$doc")
  [[ $select == all ]] && initial_sel="0 $length" || initial_sel="$length $length"
  selection_is() { [[ "$(tool notepad_text selection)" == "$1" ]]; }
  xdotool key "$key"
  wait_for 5 selection_is "$initial_sel" || fail "the selection keys did not arrive: $(tool notepad_text selection)"
else
  start_app "Clip Twice" "$bin/clip_twice.exe" "$doc" 700 || exit 1
  read_text() { tool clip_twice text; }
  focus_window "$app_window" tool clip_twice focused || exit 1
fi

# The sound event is held before the processor starts.
tool event_listener "$(winpath "$work/ready")" "$(winpath "$work/stop")" >"$work/signals" &
listener_pid=$!
wait_for 10 test -e "$work/ready" || fail "the event listener did not start"

if ((hold_alt)); then
  # Alt stays down from the hotkey, whose own key the hotkey registration
  # swallowed: released alone, Alt would open notepad's menu bar and the
  # menu would swallow Ctrl+C, unless the processor prevents it.
  xdotool keydown alt
  alt_down=1
fi
started=$(now_ms)
timeout 20 wine "$install/lx-processor.exe" "$id" &
processor_pid=$!
if ((hold_alt)); then
  sleep 0.5
  xdotool keyup alt
  alt_down=0
fi
processor_rc=0
wait "$processor_pid" || processor_rc=$?
processor_pid=""
elapsed=$(($(now_ms) - started))
echo "lx-processor $id ended after $elapsed ms with exit code $processor_rc"
((processor_rc != 124)) || fail "lx-processor did not end within 20 s"
((processor_rc == 0)) || fail "lx-processor exit code $processor_rc, expected 0"

touch "$work/stop"
wait "$listener_pid" || fail "the event listener failed"
listener_pid=""
[[ "$(cat "$work/signals")" == "$signals" ]] || fail "sound event signalled $(cat "$work/signals") times, expected $signals"

# The paste arrives after the processor has ended: wait for the expected
# state, then check it once more a moment later, so a late extra paste is
# caught too.
expected="text=$expect_doc|clipboard=$expect_clip"
if [[ $app == notepad ]]; then
  length=$(utf16_length "$expect_doc")
  [[ $expect_sel == all ]] && expected+="|selection=0 $length" || expected+="|selection=$length $length"
fi
observe() {
  observed="text=$(read_text || true)|clipboard=$(tool clipboard get || true)"
  [[ $app == notepad ]] && observed+="|selection=$(tool notepad_text selection || true)"
  return 0
}
matches() { observe; [[ "$observed" == "$expected" ]]; }
if wait_for 5 matches; then
  sleep 0.3
  observe
fi
[[ "$observed" == "$expected" ]] || fail "expected $expected
  observed $observed"
echo "PASS [$case_name]: $observed"
