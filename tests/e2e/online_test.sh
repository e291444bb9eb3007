#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
# End-to-end test of online play: two game windows on one private X server
# play a whole match against each other over loopback, each driven by its
# own keys; then one is killed and the other must say so within 5 s and go
# back to a game of its own. The two live traces must agree, and gloob-sim
# must replay the host's recording to the host's trace.
#
# usage: online_test.sh GLOOB_BINARY BUILD_DIR GLOOB_SIM_BINARY
set -Eeuo pipefail
export LC_ALL=C

GLOOB=${1:?usage: online_test.sh GLOOB_BINARY BUILD_DIR GLOOB_SIM_BINARY}
BUILD_DIR=${2:?usage: online_test.sh GLOOB_BINARY BUILD_DIR GLOOB_SIM_BINARY}
GLOOB_SIM=${3:?usage: online_test.sh GLOOB_BINARY BUILD_DIR GLOOB_SIM_BINARY}
WORK="$BUILD_DIR/online-e2e-work"
ARTIFACTS="$BUILD_DIR/online-e2e-artifacts"

source "$(dirname "${BASH_SOURCE[0]}")/tap.sh"

cleanup() {
    local status=$?
    set +e
    stop_all
    # A trap's own status is not the script's: the verdict must be said.
    finish "$status"
    exit $?
}

for tool in Xvfb openbox xdotool xdpyinfo xprop timeout; do
    command -v "$tool" >/dev/null 2>&1 ||
        { echo "online_test.sh: missing $tool (make deps installs it)" >&2 && exit 1; }
done

rm -rf "$WORK" "$ARTIFACTS"
mkdir -p "$WORK"
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

# A display of its own.
start_display 121 150

# Each player's machine has its own settings and folders; the host plays
# three-ball matches.
for side in host join; do
    mkdir -p "$WORK/$side/config/gloob-volleyball" "$WORK/$side/data" "$WORK/$side/runtime"
    chmod 700 "$WORK/$side/runtime"
done
printf '[options]\nmatchLength=3\n' >"$WORK/host/config/gloob-volleyball/gloob.ini"

launch() {
    local side=$1
    shift
    XDG_CONFIG_HOME="$WORK/$side/config" XDG_DATA_HOME="$WORK/$side/data" \
        XDG_RUNTIME_DIR="$WORK/$side/runtime" \
        "$GLOOB" --record "$WORK/$side.replay" --trace "$WORK/$side.trace" "$@" \
        >"$WORK/$side.log" 2>&1 </dev/null &
    PIDS+=($!)
}

# window_titled PATTERN: the id of the visible window whose name matches, waiting up to 20 s.
window_titled() {
    local deadline=$(($(now_ms) + 20000)) id name
    while (($(now_ms) < deadline)); do
        for id in $(xdotool search --onlyvisible --name 'Gloob' 2>/dev/null || true); do
            name=$(xdotool getwindowname "$id" 2>/dev/null || true)
            [[ $name =~ $1 ]] && { echo "$id" && return 0; }
        done
        sleep 0.1
    done
    return 1
}

PORT=$((20000 + $$ % 20000))
launch host --host "$PORT"
HOST_PID=${PIDS[-1]}
HOST_WID=$(window_titled "Hosting on UDP port $PORT") ||
    fatal "the host's window waits for the other player" "$(tail -3 "$WORK/host.log")"
ok "the host's window waits for the other player on UDP port $PORT"

launch join --join "127.0.0.1:$PORT"
JOIN_PID=${PIDS[-1]}
JOIN_WID=$(window_titled "Online: Player 2, input delay [0-8]") ||
    fatal "the joining window plays player 2" "$(tail -3 "$WORK/join.log")"
window_titled "Online: Player 1, input delay [0-8]" >/dev/null ||
    fatal "the host's window plays player 1" "$(xdotool getwindowname "$HOST_WID")"
ok "both windows show the match, its side and its input delay"

xdotool windowmove "$HOST_WID" 0 0 windowmove "$JOIN_WID" 800 0

# hold WINDOW KEY MS: the window takes the keyboard and the key is held MS ms.
hold() {
    local wid=$1 key=$2 ms=$3
    xdotool windowactivate --sync "$wid" 2>/dev/null || xdotool windowfocus --sync "$wid"
    xdotool keydown "$key"
    sleep "$(awk -v m="$ms" 'BEGIN { print m / 1000 }')"
    xdotool keyup "$key"
}

# Play! has the keyboard at first: Return on the host's window starts the match.
xdotool windowactivate --sync "$HOST_WID" 2>/dev/null || true
xdotool key Return
# Each player walks and jumps with their own keys; the host's A and the
# joiner's arrows do nothing on the other's side.
hold "$JOIN_WID" d 400
hold "$HOST_WID" Left 300
hold "$JOIN_WID" w 100
hold "$HOST_WID" Up 100
hold "$HOST_WID" a 300
hold "$JOIN_WID" Right 300

# A three-ball match lasts some 12 s when nobody returns the ball.
trace_has() { grep -q "$2" "$WORK/$1.trace" 2>/dev/null; }
over='"score":\[\(3,[0-2]\|[0-2],3\),3\]'
deadline=$(($(now_ms) + 40000))
until trace_has host "$over" && trace_has join "$over"; do
    (($(now_ms) < deadline)) || fatal "the match is played to its end on both machines" \
        "host: $(tail -c 300 "$WORK/host.trace")" "join: $(tail -c 300 "$WORK/join.trace")"
    kill -0 "$HOST_PID" && kill -0 "$JOIN_PID" ||
        fatal "both windows keep running" "$(tail -3 "$WORK/host.log" "$WORK/join.log")"
    sleep 0.2
done
ok "the match is played to its end on both machines"

grep -q '"ev":"keydown 68"' "$WORK/host.trace" && grep -q '"ev":"keydown 37"' "$WORK/join.trace" &&
    ok "each machine's keys play its own player on both" ||
    not_ok "each machine's keys play its own player on both"
if grep -q '"ev":"keydown 65"\|"ev":"keydown 39"' "$WORK/host.trace"; then
    not_ok "a machine's keys for the other player's controls do nothing"
else
    ok "a machine's keys for the other player's controls do nothing"
fi

# The same game on both: the lines both have written are the same. Both
# windows still write, so each file is counted once: a count read twice can
# outgrow the other file between the reads.
host_lines=$(wc -l <"$WORK/host.trace")
join_lines=$(wc -l <"$WORK/join.trace")
lines=$((host_lines < join_lines ? host_lines : join_lines))
if cmp -s <(head -n "$lines" "$WORK/host.trace") <(head -n "$lines" "$WORK/join.trace"); then
    ok "both traces agree line for line ($lines lines)"
else
    not_ok "both traces agree line for line" \
        "$(diff <(head -n "$lines" "$WORK/host.trace") <(head -n "$lines" "$WORK/join.trace") | head -3)"
fi

# The joiner's machine dies: the host says so within 5 s and plays alone again.
{ kill -9 "$JOIN_PID" && wait "$JOIN_PID"; } 2>/dev/null || true
killed=$(now_ms)
until grep -q 'gloob: online: The other player stopped answering' "$WORK/host.log"; do
    (($(now_ms) - killed < 8000)) || break
    sleep 0.05
done
noticed=$(($(now_ms) - killed))
if grep -q 'stopped answering' "$WORK/host.log" && ((noticed <= 5000)); then
    ok "the host reports the lost player after $noticed ms"
else
    not_ok "the host reports the lost player within 5 s" "after $noticed ms: $(tail -3 "$WORK/host.log")"
fi
if window_titled '^Gloob Volleyballl$' >/dev/null && kill -0 "$HOST_PID"; then
    ok "the host's window is back on a game of its own"
else
    not_ok "the host's window is back on a game of its own" "$(xdotool getwindowname "$HOST_WID")"
fi

# The host's recording replays to its trace, as far as a replay goes (ten
# seconds past the last event), which is past the end of the match.
"$GLOOB_SIM" "$WORK/host.replay" >"$WORK/replayed.trace" 2>"$WORK/replayed.log" || true
replayed_lines=$(wc -l <"$WORK/replayed.trace")
if grep -q "$over" "$WORK/replayed.trace" &&
    cmp -s "$WORK/replayed.trace" <(head -n "$replayed_lines" "$WORK/host.trace"); then
    ok "gloob-sim replays the host's recording to the host's trace ($replayed_lines lines)"
else
    not_ok "gloob-sim replays the host's recording to the host's trace" \
        "$(diff "$WORK/replayed.trace" <(head -n "$replayed_lines" "$WORK/host.trace") | head -3)"
fi
