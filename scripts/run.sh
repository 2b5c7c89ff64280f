#!/usr/bin/env bash
# Builds the programs and shows a sample data folder through lx-cli under
# Wine, in portable mode: the accelerators as the loader sees them, the
# entries the processor would load, and what their templates expand to.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/bootstrap.sh"
"$root/scripts/build.sh" --windows-only

source "$root/scripts/wine-session.sh"
trap wine_session_stop EXIT
wine_session_start

portable="$LX_SESSION_DIR/portable-install"
mkdir -p "$portable"
cp "$root/build/win/bin/lx-cli.exe" "$portable/"
cp -r "$root/scripts/sample-data/." "$portable/"
touch "$portable/portable"

cd "$portable"
run() {
  echo "== lx-cli $*"
  wine lx-cli.exe "$@"
  echo
}
run list
run show insert --json
run expand title-case --sel "élan über 2nd edition"
run expand bracket --sel "hello world"
run template "{{clp:surround(« ; »)}}" --clp "grüße 東京 😀"
run check
