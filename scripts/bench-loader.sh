#!/usr/bin/env bash
# Benchmarks the resident loader's memory with 1,000 accelerators against a
# minimal hotkey program, under Wine. Builds nothing: run scripts/build.sh first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${LX_BIN:-$root/build/win/bin}
[[ -x "$bin/lexorant.exe" && -x "$bin/loader_baseline.exe" && -x "$bin/loader_probe.exe" ]] || {
  echo "bench-loader: $bin has no lexorant.exe, loader_baseline.exe or loader_probe.exe; run scripts/build.sh" >&2
  exit 1
}

source "$root/scripts/wine-session.sh"
trap wine_session_stop EXIT
wine_session_start
"$root/tests/e2e/bench_loader.sh" "$bin" "$@"
