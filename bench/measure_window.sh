#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
# Measures the real window under a virtual X server, twice: at the written
# size on a 1280 x 1024 screen, and full screen (F11) on a 1920 x 1080 one.
# Each time: start-up to the first painted frame, the heartbeat rate on the
# first screen and during a match, how long a key takes to reach the main
# tick that moves its player (the game's own report) and to reach the screen
# (read back by bench's key_to_pixel), CPU use while a match runs, and peak
# memory; first, what a heartbeat that does nothing costs here (bench's
# idle_ticker). Usage: bench/measure_window.sh [BUILD_DIR]
set -euo pipefail

build=${1:-build/release}
gloob=$build/gloob
probe=$build/bench/key_to_pixel
[ -x "$gloob" ] || { echo "measure_window: no game at $gloob; build it first" >&2; exit 1; }
[ -x "$probe" ] || { echo "measure_window: no $probe; build the target key_to_pixel (needs libxtst-dev)" >&2; exit 1; }
for tool in Xvfb openbox xdotool xdpyinfo import convert; do
    command -v "$tool" >/dev/null || { echo "measure_window: $tool is missing (make deps installs it)" >&2; exit 1; }
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

# start_display WxH: a private X server of that size with a window manager.
start_display() {
    local n display=
    for n in $(seq 140 170); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
    done
    [ -n "$display" ] || { echo "measure_window: no free display number" >&2; exit 1; }
    Xvfb "$display" -screen 0 "${1}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    pids+=($!)
    export DISPLAY=$display
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 0.5
}

wait_for_line() { # pattern, count, seconds
    for _ in $(seq $(($3 * 20))); do
        [ "$(grep -c "$1" "$work/stderr")" -ge "$2" ] && return 0
        sleep 0.05
    done
    echo "measure_window: gave up waiting for '$1'" >&2
    exit 1
}
# CPU time of every thread of a process so far, in nanoseconds, as the scheduler counts it.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ s += $1 } END { print s }'; }
# percent_of_core CPU_NS WALL_NS: CPU time over wall time, in % of one core.
percent_of_core() { awk -v t="$1" -v ns="$2" 'BEGIN { printf "%.2f", 100 * t / ns }'; }

source "$(dirname "${BASH_SOURCE[0]}")/court_on_screen.sh"

# measure LABEL SCREEN FULL_SCREEN(0|1)
measure() {
    local label=$1
    start_display "$2"
    : >"$work/stderr"
    local launched painted game window
    # Libraries read from disk would measure the disk: they are read once first.
    "$gloob" --version >/dev/null
    launched=$(date +%s%N)
    XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" GLOOB_TIMING=1 "$gloob" 2>"$work/stderr" &
    game=$!
    pids+=("$game")
    wait_for_line "first frame painted" 1 10
    painted=$(grep -m1 "first frame painted" "$work/stderr" | awk '{print $6}')
    window=$(xdotool search --sync --onlyvisible --name '^Gloob Volleyballl$' | head -n1)
    if [ "$3" = 1 ]; then
        xdotool key F11
    fi
    # Ten seconds on the first screen: the jump and ball timers tick there too.
    wait_for_line "heartbeats in" 1 15
    # Three seconds with nothing moving: what the heartbeat costs alone.
    local idle_before idle_start idle_cpu
    idle_before=$(cpu_ns "$game")
    idle_start=$(date +%s%N)
    sleep 3
    idle_cpu=$(percent_of_core $(($(cpu_ns "$game") - idle_before)) $(($(date +%s%N) - idle_start)))
    locate_court
    click_court 336 444
    sleep 2.5

    # Fifteen seconds of a match, with both players walking and hopping.
    local match_start match_before match_after match_end
    match_start=$(date +%s%N)
    match_before=$(cpu_ns "$game")
    for _ in $(seq 15); do
        xdotool keydown Left keydown a; sleep 0.3; xdotool keyup Left keyup a
        xdotool key Up w; sleep 0.2
        xdotool keydown Right keydown d; sleep 0.3; xdotool keyup Right keyup d
        sleep 0.2
    done
    match_after=$(cpu_ns "$game")
    match_end=$(date +%s%N)
    local cpu
    cpu=$(percent_of_core $((match_after - match_before)) $((match_end - match_start)))

    # Key to pixel, in rounds, so that a match that ends is started again.
    : >"$work/delays"
    for _ in 1 2 3 4; do
        play_if_over
        "$probe" "$court_x" "$court_y" "$scale" 60 | grep -v '^#' >>"$work/delays" || true
    done
    local pixel
    pixel=$(sort -n "$work/delays" | awk '{ d[NR] = $1 } END {
        if (NR == 0) { print "no keys measured"; exit }
        p99 = int(NR * 0.99) + 1; if (p99 > NR) p99 = NR
        printf "%d keys, median %.2f ms, p99 %.2f ms, longest %.2f ms", NR, d[int(NR * 0.5) + 1], d[p99], d[NR] }')

    wait_for_line "heartbeats in" 3 30
    local idle_rate match_rates key_delay peak_kb
    idle_rate=$(grep -m1 "heartbeats in" "$work/stderr" | sed 's/^gloob: //')
    # The reports after the first cover the match: heartbeats in a row, the
    # pauses after points left out (the paced wait's pumps run the timers then).
    match_rates=$(grep "heartbeats in" "$work/stderr" | sed 1d | sed 's/^gloob: /    /')
    key_delay=$(grep "key to main tick" "$work/stderr" | tail -n 1 | sed 's/^gloob: key to main tick: //')
    peak_kb=$(awk '/VmHWM/ {print $2}' "/proc/$game/status")

    echo "== $label (screen $2, court at ${scale}x)"
    echo "start-up to the first painted frame: $(((painted * 1000 - launched) / 1000000)) ms (target under 100 ms)"
    echo "    where it went (ms since main()): $(grep -m1 'start-up:' "$work/stderr" | sed 's/^gloob: start-up: //')"
    echo "heartbeat on the first screen: ${idle_rate} (target 64 +/- 1 Hz, p99 under 20 ms)"
    echo "heartbeat during the match, the pauses after points left out (target 64 +/- 1 Hz, p99 under 20 ms):"
    echo "$match_rates"
    echo "key to the main tick that moves the player: ${key_delay:-no keys measured} (target at most one heartbeat, 15.6 ms)"
    echo "key to the frame on the screen that shows the player moved: $pixel (target p99 under 20 ms)"
    echo "CPU on the first screen, nothing moving: ${idle_cpu} % of one core"
    echo "CPU while a match runs: ${cpu} % of one core (target under $4 %)"
    echo "peak memory: $((peak_kb / 1024)) MB (target under 80 MB)"
    stop_all
}

echo "load before: $(uptime | sed 's/.*load average/load average/')"
# The floor under the CPU figures: a heartbeat alone, waking and doing nothing.
ticker=$build/bench/idle_ticker
if [ -x "$ticker" ]; then
    "$ticker" 5 &
    tick=$!
    sleep 0.5
    tick_before=$(cpu_ns "$tick")
    tick_start=$(date +%s%N)
    sleep 4
    tick_cpu=$(percent_of_core $(($(cpu_ns "$tick") - tick_before)) $(($(date +%s%N) - tick_start)))
    wait "$tick"
    echo "a 64 Hz heartbeat that does nothing else (idle_ticker): ${tick_cpu} % of one core"
fi
measure "written size" 1280x1024 0 1
measure "full screen" 1920x1080 1 1
echo "load after: $(uptime | sed 's/.*load average/load average/')"
