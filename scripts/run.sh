#!/usr/bin/env bash
# Builds the programs and shows a sample data folder through lx-cli under
# Wine, in portable mode: the accelerators as the loader sees them, and the
# entries the processor would load.
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
cp "$root/scripts/sample-data/"*.xml "$portable/"
touch "$portable/portable"

cd "$portable"
for command in "list" "show title-case" "show insert" "show insert --json"; do
  echo "== lx-cli $command"
  # shellcheck disable=SC2086
  wine lx-cli.exe $command
done
