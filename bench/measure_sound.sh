#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
# Measures how long a sound effect takes to sound after the handler that
# caused it returns. A PulseAudio server with a null sink stands in for the
# sound card; the game runs under a virtual X server and replays a scripted
# match; parec records the sink; every effect the game logs as started
# (GLOOB_TIMING) is matched with its onset in the recording.
#
# Usage: bench/measure_sound.sh [BUILD_DIR] [SECONDS]
# MEASURE_SOUND_KEEP=DIR keeps the recording and the logs there.
#
# Needs pulseaudio, pulseaudio-utils, xvfb and python3. The sound server and
# its tools are for this script alone: neither the project's set-up nor CI
# installs them (apt-get install pulseaudio pulseaudio-utils).
#
# The delay is taken up to the moment the recorder received the block that
# holds the onset, so it includes the recorder's own block (2 ms) and
# excludes what a real sound card adds after the server.
set -euo pipefail

build=${1:-build/release}
seconds=${2:-60}
gloob=$build/gloob
here=$(cd "$(dirname "$0")" && pwd)
[ -x "$gloob" ] || { echo "measure_sound: no game at $gloob; build it first" >&2; exit 1; }
for tool in pulseaudio parec pactl Xvfb xdpyinfo python3; do
    command -v "$tool" >/dev/null || {
        echo "measure_sound: $tool is missing (apt-get install pulseaudio pulseaudio-utils xvfb x11-utils)" >&2
        exit 1
    }
done

work=$(mktemp -d)
pids=()
server_pid=
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    if [ -n "${MEASURE_SOUND_KEEP:-}" ]; then cp -r "$work" "$MEASURE_SOUND_KEEP"; fi
    rm -rf "$work"
}
trap cleanup EXIT

# A sound server of our own, in a private runtime folder, playing into nothing.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset PULSE_SERVER
pulseaudio -n --daemonize=yes --exit-idle-time=-1 --log-target=file:"$work/pulseaudio.log" \
    -L "module-null-sink sink_name=s" -L module-native-protocol-unix 2>/dev/null
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done
server_pid=$(cat "$XDG_RUNTIME_DIR/pulse/pid")
pactl set-default-sink s

display=
for n in $(seq 171 200); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "measure_sound: no free display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done

# A match to 8 with both players hopping in turn and walking now and then:
# serves, walls, jumps, hits, the net, points; Play! again after each game.
# The first two seconds are quiet, as when a player sits down to play: the
# stream to the server is still starting then.
{
    echo "0 menu 8"
    for ((ms = 2000; ms < seconds * 1000; ms += 450)); do
        if (((ms - 2000) % 4950 == 0)); then echo "$ms click play"; fi
        if (((ms / 450) % 2 == 0)); then key=38; walk=37; else key=87; walk=68; fi
        echo "$ms keydown $key"
        echo "$((ms + 20)) keyup $key"
        if (((ms / 450) % 7 == 3)); then
            echo "$((ms + 40)) keydown $walk"
            echo "$((ms + 200)) keyup $walk"
        fi
    done
    echo "$((seconds * 1000)) menu exit"
} >"$work/match.replay"

python3 "$here/sound_onsets.py" record "$work/sink" s.monitor &
recorder=$!
pids+=("$recorder")
sleep 0.5

XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" GLOOB_TIMING=1 \
    "$gloob" --replay "$work/match.replay" 2>"$work/game.log" &
game=$!
pids+=("$game")
# The replay starts once the window is up; a second more lets the last sounds out.
sleep $((seconds + 4))
kill "$game" 2>/dev/null || true
sleep 0.5
kill -TERM "$recorder"
wait "$recorder" 2>/dev/null || true

echo "measure_sound: $(grep -c '^gloob: sound [a-z-]* of ' "$work/game.log" || true) sounds in ${seconds} s of replay"
python3 "$here/sound_onsets.py" delays "$work/sink" "$work/game.log"
