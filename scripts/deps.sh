#!/usr/bin/env bash
# Installs the Debian packages that Ixoran needs, only when some are missing.
#   scripts/deps.sh run    what building and running the program needs
#   scripts/deps.sh test   that, and what the test suite needs (X servers, xdotool)
set -euo pipefail

run_packages=(build-essential cmake ninja-build ccache qt6-base-dev libx11-dev libxrandr-dev
  libgl-dev fonts-dejavu-core fonts-wqy-microhei)
test_packages=(clang libclang-rt-14-dev python3 xvfb xauth xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils xdotool imagemagick)

packages=("${run_packages[@]}")
if [ "${1:-run}" = test ]; then
  packages+=("${test_packages[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then sudo=(sudo); fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
