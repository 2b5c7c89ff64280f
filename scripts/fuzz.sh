#!/usr/bin/env bash
# Builds the template fuzzer with clang (AddressSanitizer, UndefinedBehavior-
# Sanitizer) and runs it for the given number of seconds (default 60).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build="$root/build/fuzz"
corpus="$build/corpus/template"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DLX_FUZZ=ON -DLX_SANITIZE=ON
cmake --build "$build" -j2 --target template_fuzz

mkdir -p "$corpus"
cp -n "$root"/fuzz/corpus/template/* "$corpus"/
"$build/bin/template_fuzz" "$corpus" -max_len=4096 -max_total_time="$seconds" -dict="$root/fuzz/template.dict" \
  -artifact_prefix="$build/" -print_final_stats=1
