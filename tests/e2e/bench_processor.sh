#!/usr/bin/env bash
# Wall time of one lx-processor run that pastes a plain-text body (no
# capture, so no settle delay) against paste_baseline, which only writes the
# same text to the clipboard and sends the same Ctrl+V. Both paste into
# focused notepad, interleaved; prints the medians and their ratio.
#   bench_processor.sh BIN_FOLDER [RUNS]
# Needs a Wine session (scripts/bench-processor.sh starts one).
set -euo pipefail
bin=$(cd "$1" && pwd)
runs=${2:-20}
source "$(dirname "$0")/desktop.sh"
require_display

text='benchmark text'
work=$(mktemp -d "${TMPDIR:-/tmp}/lx-bench.XXXXXX")
app_pid=""
trap 'stop_pid "$app_pid"; rm -rf "$work"' EXIT

cp "$bin/lx-processor.exe" "$work/"
touch "$work/portable"
cat >"$work/accelerators.xml" <<XML
<?xml version="1.0" encoding="UTF-8"?>
<accelerators>
  <accelerator id="bench" input="0" output="1">$text</accelerator>
</accelerators>
XML

write_unicode_file "$work/bench.txt" ""
start_app "bench.txt - Notepad" "$WINEPREFIX/drive_c/windows/system32/notepad.exe" "$(winpath "$work/bench.txt")"
focus_window "$app_window" tool notepad_text focused

pastes=0
text_is() { [[ "$(tool notepad_text)" == "$1" ]]; }
# One timed run; then, untimed, waits until notepad shows the paste, so every
# measured run is known to have worked and runs do not overlap.
timed_run() {
  local started
  started=$(date +%s%N)
  wine "$@"
  echo $((($(date +%s%N) - started) / 1000)) >>"$work/times.$(basename "$1")"
  pastes=$((pastes + 1))
  local expected="" i
  for ((i = 0; i < pastes; i++)); do expected+=$text; done
  wait_for 10 text_is "$expected" || { echo "run $pastes did not paste" >&2; exit 1; }
}

# Warm-up, not measured.
timed_run "$work/lx-processor.exe" bench
timed_run "$bin/paste_baseline.exe" "$text"
rm -f "$work"/times.*
for ((run = 0; run < runs; run++)); do
  timed_run "$work/lx-processor.exe" bench
  timed_run "$bin/paste_baseline.exe" "$text"
done

median_us() {
  sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}
processor=$(median_us "$work/times.lx-processor.exe")
baseline=$(median_us "$work/times.paste_baseline.exe")
printf 'runs each:               %d (interleaved)\n' "$runs"
printf 'lx-processor median:     %d.%03d ms\n' $((processor / 1000)) $((processor % 1000))
printf 'paste_baseline median:   %d.%03d ms\n' $((baseline / 1000)) $((baseline % 1000))
awk -v p="$processor" -v b="$baseline" 'BEGIN { printf "ratio:                   %.2fx (target <= 1.5x)\n", p / b }'
