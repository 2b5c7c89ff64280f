#!/usr/bin/env bash
# Installs what building and testing need, when it is missing (Debian 12, root).
set -euo pipefail

# Extra package names may be given as arguments.
packages=(cmake ninja-build g++ g++-mingw-w64-x86-64 libz-mingw-w64-dev wine wine64 xvfb xdotool
          googletest nlohmann-json3-dev libcli11-dev zlib1g-dev zip python3 imagemagick "$@")

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "bootstrap: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
fi
