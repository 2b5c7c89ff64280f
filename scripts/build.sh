#!/usr/bin/env bash
# Builds the Windows programs and tests (build/win) and the platform-free code
# natively under AddressSanitizer and UndefinedBehaviorSanitizer (build/native).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)

cmake -S "$root" -B "$root/build/win" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build "$root/build/win" -j "$jobs"

if [[ "${1:-}" != "--windows-only" ]]; then
  cmake -S "$root" -B "$root/build/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLX_SANITIZE=ON >/dev/null
  cmake --build "$root/build/native" -j "$jobs"
fi
