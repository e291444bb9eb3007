#!/usr/bin/env bash
# Measures the real window under a virtual X server: start-up time to the first
# painted frame, the heartbeat rate the timers get, how long a key takes to
# reach the main tick that moves its player, CPU use while a match runs, and
# peak memory. Usage: bench/measure_window.sh [BUILD_DIR]
set -euo pipefail

build=${1:-build/release}
gloob=$build/gloob
[ -x "$gloob" ] || { echo "measure_window: no game at $gloob; build it first" >&2; exit 1; }
for tool in Xvfb openbox xdotool; do
    command -v "$tool" >/dev/null || { echo "measure_window: $tool is missing (make deps installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

display=
for n in $(seq 140 170); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "measure_window: no free display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

wait_for_line() { # pattern, seconds
    for _ in $(seq $(($2 * 20))); do
        grep -q "$1" "$work/stderr" && return 0
        sleep 0.05
    done
    echo "measure_window: gave up waiting for '$1'" >&2
    exit 1
}
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

launched=$(date +%s%N)
XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" GLOOB_TIMING=1 "$gloob" 2>"$work/stderr" &
game=$!
pids+=("$game")
wait_for_line "first frame painted" 10
painted=$(grep -m1 "first frame painted" "$work/stderr" | awk '{print $6}')
startup_ms=$(( (painted * 1000 - launched) / 1000000 ))

# Ten seconds on the first screen: the jump and ball timers tick there too.
wait_for_line "heartbeats in" 15
idle_rate=$(grep -m1 "heartbeats in" "$work/stderr" | sed 's/^gloob: //')
idle_before=$(cpu_ticks "$game")

window=$(xdotool search --sync --onlyvisible --name '^Gloob Volleyballl$' | head -n1)
eval "$(xdotool getwindowgeometry --shell "$window")"
menu_bar=$((HEIGHT - 473))
xdotool mousemove --window "$window" 336 $((menu_bar + 444)) click 1

# Fifteen seconds of a match, with both players walking and hopping.
match_start=$(date +%s%N)
match_before=$(cpu_ticks "$game")
for _ in $(seq 15); do
    xdotool keydown Left keydown a; sleep 0.3; xdotool keyup Left keyup a
    xdotool key Up w; sleep 0.2
    xdotool keydown Right keydown d; sleep 0.3; xdotool keyup Right keyup d
    sleep 0.2
done
match_after=$(cpu_ticks "$game")
match_end=$(date +%s%N)
ticks_per_second=$(getconf CLK_TCK)
match_cpu=$(awk -v t=$((match_after - match_before)) -v hz="$ticks_per_second" \
    -v ns=$((match_end - match_start)) 'BEGIN { printf "%.1f", 100 * t / hz / (ns / 1e9) }')
idle_cpu_window=$(awk -v t=$((match_before - idle_before)) 'BEGIN { print t }')
# The second report covers the match: heartbeats in a row, the pauses after
# points left out (the paced wait's pumps run the timers then).
for _ in $(seq 400); do
    [ "$(grep -c "heartbeats in" "$work/stderr")" -ge 2 ] && break
    sleep 0.05
done
match_rate=$(grep "heartbeats in" "$work/stderr" | sed -n 2p | sed 's/^gloob: //')
key_delay=$(grep "key to main tick" "$work/stderr" | tail -n 1 | sed 's/^gloob: key to main tick: //')
peak_kb=$(awk '/VmHWM/ {print $2}' "/proc/$game/status")

echo "start-up to the first painted frame: ${startup_ms} ms (target under 300 ms)"
echo "heartbeat on the first screen: ${idle_rate} (target 64 +/- 1 Hz, p99 under 20 ms)"
echo "heartbeat during the match, the pauses after points left out: ${match_rate:-no report} (target 64 +/- 1 Hz, p99 under 20 ms)"
echo "key to the main tick that moves the player: ${key_delay:-no keys measured} (target at most one heartbeat, 15.6 ms)"
echo "CPU while a match runs: ${match_cpu} % of one core (target under 5 %)"
echo "peak memory: $((peak_kb / 1024)) MB (target under 80 MB)"
[ "$idle_cpu_window" -ge 0 ]
