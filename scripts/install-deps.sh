#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test, and only
# those that are missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
    # build
    g++ cmake ninja-build make pkg-config
    qt6-base-dev libgl-dev libsdl2-dev libenet-dev
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
    # fonts the score and message labels resolve to
    fonts-urw-base35 fonts-dejavu-core
    # the end-to-end test: a virtual X server, a window manager, input and screenshots
    xvfb openbox xdotool imagemagick x11-utils x11-xserver-utils x11-xkb-utils
    # packaging
    dpkg-dev file
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
