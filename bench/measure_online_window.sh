#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
# Key to pixel online: how long from a key press to the first frame that
# shows player 1 moved, in the host's window while it plays a second window
# through a relay that lags each way by half the round trip; and the same
# window playing on its own, measured the same way just before. Each window
# has a virtual X server of its own, so that the probe sees one court.
# Usage: bench/measure_online_window.sh [BUILD_DIR] [ROUND_TRIP_MS]
set -euo pipefail

build=${1:-build/release}
round_trip=${2:-100}
gloob=$build/gloob
probe=$build/bench/key_to_pixel
relay=$build/bench/gloob_relay
for program in "$gloob" "$probe" "$relay"; do
    [ -x "$program" ] || { echo "measure_online_window: no $program; build it first" >&2; exit 1; }
done
for tool in Xvfb openbox xdotool xdpyinfo import convert; do
    command -v "$tool" >/dev/null || { echo "measure_online_window: $tool is missing (make deps installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
stop_all() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    pids=()
}
cleanup() {
    stop_all
    rm -rf "$work"
}
trap cleanup EXIT

# new_display: a private 1280 x 1024 X server with a window manager; prints its name.
new_display() {
    local n
    for n in $(seq 171 199); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
            pids+=($!)
            for _ in $(seq 100); do DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
            DISPLAY=":$n" openbox >/dev/null 2>&1 &
            pids+=($!)
            sleep 0.5
            display=":$n"
            return 0
        fi
    done
    echo "measure_online_window: no free display number" >&2
    exit 1
}

# launch NAME DISPLAY ARGS...: a game with settings and folders of its own.
launch() {
    local name=$1 screen=$2
    shift 2
    mkdir -p "$work/$name"
    DISPLAY=$screen XDG_DATA_HOME="$work/$name" XDG_CONFIG_HOME="$work/$name" \
        "$gloob" "$@" 2>"$work/$name.log" &
    pids+=($!)
}

# wait_titled DISPLAY PATTERN: waits up to 20 s for a window whose title matches.
wait_titled() {
    for _ in $(seq 200); do
        DISPLAY=$1 xdotool search --onlyvisible --name "$2" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "measure_online_window: no window titled '$2'" >&2
    exit 1
}

source "$(dirname "${BASH_SOURCE[0]}")/court_on_screen.sh"

# key_to_pixel LABEL: Play! in the window on $DISPLAY, then the probe in rounds.
key_to_pixel() {
    locate_court
    click_court 336 444
    sleep 2.5
    : >"$work/delays"
    for _ in 1 2 3 4; do
        play_if_over
        "$probe" "$court_x" "$court_y" "$scale" 60 | grep -v '^#' >>"$work/delays" || true
    done
    echo "$1: $(sort -n "$work/delays" | awk '{ d[NR] = $1 } END {
        if (NR == 0) { print "no keys measured"; exit }
        p99 = int(NR * 0.99) + 1; if (p99 > NR) p99 = NR
        printf "%d keys, median %.2f ms, p99 %.2f ms, longest %.2f ms", NR, d[int(NR * 0.5) + 1], d[p99], d[NR] }')"
}

echo "load before: $(uptime | sed 's/.*load average/load average/')"
"$gloob" --version >/dev/null

new_display
host_screen=$display
export DISPLAY=$host_screen
launch alone "$host_screen"
wait_titled "$host_screen" '^Gloob Volleyballl$'
key_to_pixel "one machine, key to pixel"
stop_all

new_display
host_screen=$display
new_display
join_screen=$display
export DISPLAY=$host_screen
port=$((20000 + $$ % 20000))
launch host "$host_screen" --host "$port"
wait_titled "$host_screen" "Hosting on UDP port $port"
"$relay" "$port" $((round_trip / 2)) 600 >"$work/relay.port" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/relay.port" ] && break; sleep 0.05; done
launch join "$join_screen" --join "127.0.0.1:$(cat "$work/relay.port")"
wait_titled "$host_screen" "Online: Player 1"
key_to_pixel "online at a ${round_trip} ms round trip, the host's key to its own pixel"
echo "    the host's title at the end: $(xdotool search --onlyvisible --name 'Online' getwindowname 2>/dev/null | head -n1)"
echo "load after: $(uptime | sed 's/.*load average/load average/')"
