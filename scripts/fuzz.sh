#!/usr/bin/env bash
# Builds a fuzzer with clang (AddressSanitizer, UndefinedBehaviorSanitizer) and
# runs it for the given number of seconds (default 60). Targets: template
# (default), zip and command_line.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
target=${2:-template}
build="$root/build/fuzz"
corpus="$build/corpus/$target"

case "$target" in
  template) options=(-max_len=4096 -dict="$root/fuzz/template.dict") ;;
  zip) options=(-max_len=65536) ;;
  command_line) options=(-max_len=1024) ;;
  *) echo "fuzz.sh: unknown target '$target' (template, zip, command_line)" >&2; exit 2 ;;
esac

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DLX_FUZZ=ON -DLX_SANITIZE=ON
cmake --build "$build" -j2 --target "${target}_fuzz"

mkdir -p "$corpus"
cp -n "$root"/fuzz/corpus/"$target"/* "$corpus"/
"$build/bin/${target}_fuzz" "$corpus" "${options[@]}" -max_total_time="$seconds" \
  -artifact_prefix="$build/" -print_final_stats=1
