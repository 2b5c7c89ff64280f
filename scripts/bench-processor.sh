#!/usr/bin/env bash
# Benchmarks one lx-processor paste against a bare clipboard write and paste,
# under Wine with notepad focused. Builds nothing: run scripts/build.sh first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${LX_BIN:-$root/build/win/bin}
[[ -x "$bin/lx-processor.exe" && -x "$bin/paste_baseline.exe" ]] || {
  echo "bench-processor: $bin has no lx-processor.exe or paste_baseline.exe; run scripts/build.sh" >&2
  exit 1
}

source "$root/scripts/wine-session.sh"
trap wine_session_stop EXIT
wine_session_start
"$root/tests/e2e/bench_processor.sh" "$bin" "$@"
