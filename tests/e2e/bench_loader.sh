#!/usr/bin/env bash
# Memory of the resident loader holding 1,000 accelerators against
# loader_baseline (one hidden window, one hotkey, a message loop), each
# measured alone after more than one working-set trim period. Prints private
# bytes and working set of both and their ratios.
#   bench_loader.sh BIN_FOLDER
# Wine reports PrivateUsage as 0 for another process, so the private figure
# is also taken from Linux: the process's anonymous resident memory (RssAnon).
# Needs a Wine session (scripts/bench-loader.sh starts one).
set -euo pipefail
bin=$(cd "$1" && pwd)
source "$(dirname "$0")/desktop.sh"
require_display

work=$(mktemp -d "${TMPDIR:-/tmp}/lx-bench.XXXXXX")
pid=""
trap 'stop_pid "$pid"; rm -rf "$work"' EXIT

cp "$bin/lexorant.exe" "$bin/lx-processor.exe" "$work/"
touch "$work/portable"
printf '<?xml version="1.0" encoding="UTF-8"?>\n<settings><appearance orderby="0"/><sound/></settings>\n' \
  >"$work/settings.xml"
# 15 modifier sets x 60 keys (0-9, A-Z, F1-F24) give 900 distinct hotkeys;
# the last 100 entries repeat earlier ones and fail to register.
keys=($(seq 48 57) $(seq 65 90) $(seq 112 135))
{
  echo '<?xml version="1.0" encoding="UTF-8"?>'
  echo '<accelerators>'
  for ((i = 0; i < 1000; i++)); do
    set_index=$(((i / ${#keys[@]}) % 15 + 1))
    modifiers=$(((set_index & 1) * 0x100 | (set_index >> 1 & 1) * 0x200 | (set_index >> 2 & 1) * 0x400 |
      (set_index >> 3 & 1) * 0x2000))
    echo "  <accelerator id=\"a$i\" hotkey=\"$((modifiers | keys[i % ${#keys[@]}]))\">[{{sel}}] $i</accelerator>"
  done
  echo '</accelerators>'
} >"$work/accelerators.xml"

# start CLASS TITLE PROGRAM ARGS...: runs PROGRAM until its window exists,
# then past the 2 s working-set trim period.
start() {
  local class=$1 title=$2
  shift 2
  wine "$@" >/dev/null 2>&1 &
  pid=$!
  wait_for 20 tool loader_probe memory "$class" "$title" || { echo "bench-loader: $1 did not start" >&2; exit 1; }
  sleep 3
}

anon_kib() { awk '/^RssAnon:/ { print $2 }' "/proc/$1/status"; }

start VARNEL_WINDOW Lexorant "$work/lexorant.exe"
read -r loader_private loader_ws < <(tool loader_probe memory VARNEL_WINDOW Lexorant)
loader_anon=$(anon_kib "$pid")
# Every 45th of the 900 distinct hotkeys: held means registered.
held=0
for ((i = 0; i < 900; i += 45)); do
  hotkey=$(sed -n "s/.*id=\"a$i\" hotkey=\"\([0-9]*\)\".*/\1/p" "$work/accelerators.xml")
  rc=0
  tool try_hotkey "$hotkey" || rc=$?
  ((rc != 1)) || held=$((held + 1))
done
stop_pid "$pid"
pid=""
start LX_LOADER_BASELINE "Loader Baseline" "$bin/loader_baseline.exe" 1602
read -r baseline_private baseline_ws < <(tool loader_probe memory LX_LOADER_BASELINE "Loader Baseline")
baseline_anon=$(anon_kib "$pid")

kib() { echo $(($1 / 1024)); }
printf 'accelerators:            1000 (900 distinct hotkeys; %d of a sample of 20 held by the loader)\n' "$held"
printf 'loader private bytes:    %d KiB\n' "$(kib "$loader_private")"
printf 'baseline private bytes:  %d KiB\n' "$(kib "$baseline_private")"
printf 'loader working set:      %d KiB\n' "$(kib "$loader_ws")"
printf 'baseline working set:    %d KiB\n' "$(kib "$baseline_ws")"
printf 'loader RssAnon:          %d KiB\n' "$loader_anon"
printf 'baseline RssAnon:        %d KiB\n' "$baseline_anon"
if ((baseline_private > 0)); then
  awk -v l="$loader_private" -v b="$baseline_private" 'BEGIN { printf "private bytes ratio:     %.2fx (target <= 1.3x)\n", l / b }'
fi
awk -v l="$loader_anon" -v b="$baseline_anon" 'BEGIN { printf "RssAnon ratio:           %.2fx (private bytes target <= 1.3x)\n", l / b }'
awk -v l="$loader_ws" -v b="$baseline_ws" 'BEGIN { printf "working set ratio:       %.2fx\n", l / b }'
