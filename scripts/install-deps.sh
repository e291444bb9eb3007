#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#
# Installs the Debian packages of the named groups, only those that are missing,
# with sudo when not run as root:
#   build    what building and playing need
#   test     the tests' and benchmarks' libraries and tools, and the package checks
#   package  what building the Debian package needs
# Without a group, every group.
set -euo pipefail

build=(
    g++ cmake ninja-build make pkg-config
    qt6-base-dev libgl-dev libsdl2-dev
    # sound effects: Qt Multimedia (the PulseAudio client comes with it)
    qt6-multimedia-dev
    # the game's catalogues, compiled at build time, and Qt's own for its dialogs
    qt6-l10n-tools qt6-translations-l10n
    # online play, and the lobby: an XMPP client
    libenet-dev libstrophe-dev
    # asking a home router to forward the match's port (UPnP IGD)
    libminiupnpc-dev
    # signing requests to a TURN relay (HMAC-SHA1, MD5)
    nettle-dev
    # fonts the score and message labels resolve to
    fonts-urw-base35 fonts-dejavu-core
    # the man pages, made from the programs' --help
    help2man
)
test=(
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
    # the example program of a player's own, played in the tests
    python3
    # the key-to-pixel probe of the window measurements: Xlib and XTEST
    libx11-dev libxtst-dev
    # the end-to-end test: a virtual X server, a window manager, input and screenshots
    xvfb openbox xdotool imagemagick x11-utils x11-xserver-utils x11-xkb-utils
    # the package's checks
    lintian desktop-file-utils appstream
    # the fuzz targets: libFuzzer comes with clang's runtime
    clang libclang-rt-14-dev
    # the lobby's tests run the game's own lobby server, and make network
    # namespaces for games on a local network
    prosody iproute2
    # getting through home routers: a STUN server, and routers that
    # masquerade in the tests' own small internet
    coturn nftables
    # a home router that forwards ports on request (UPnP IGD), and a client
    # that lists its forwardings
    miniupnpd-nftables miniupnpc
)
package=(
    dpkg-dev file
)

groups=("$@")
if [ ${#groups[@]} -eq 0 ]; then
    groups=(build test package)
fi
packages=()
for group in "${groups[@]}"; do
    case $group in
    build) packages+=("${build[@]}") ;;
    test) packages+=("${test[@]}") ;;
    package) packages+=("${package[@]}") ;;
    *)
        echo "install-deps.sh: unknown group '$group' (build, test or package)" >&2
        exit 2
        ;;
    esac
done

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
# A package with a service (the lobby's server) must not start one here: the
# tests start their own. Without a policy of the machine's own, one that
# refuses every start is in place for the install only.
policy=/usr/sbin/policy-rc.d
if [ ! -e "$policy" ]; then
    trap '"${sudo[@]}" rm -f "$policy"' EXIT
    printf '#!/bin/sh\nexit 101\n' | "${sudo[@]}" tee "$policy" >/dev/null
    "${sudo[@]}" chmod 755 "$policy"
fi
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
