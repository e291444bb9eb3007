#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
# End-to-end test of the lobby's window: the game's own lobby runs on
# loopback, two game windows sign in to it from their lobby windows, see
# each other, chat, and play a match that one hosts and the other joins
# from there. The lobby stops during the match and starts again: the match
# goes on, and both sign in again. After it both wait again; then one
# challenges the other, who accepts and hosts. Screenshots of each step stay in
# BUILD_DIR/lobby-e2e-shots for a person to look at.
#
# usage: lobby_test.sh GLOOB_BINARY BUILD_DIR SOURCE_DIR GLOOB_SIM_BINARY
set -Eeuo pipefail
export LC_ALL=C

usage="usage: lobby_test.sh GLOOB_BINARY BUILD_DIR SOURCE_DIR GLOOB_SIM_BINARY"
GLOOB=${1:?$usage}
BUILD_DIR=${2:?$usage}
SOURCE_DIR=${3:?$usage}
GLOOB_SIM=${4:?$usage}
WORK="$BUILD_DIR/lobby-e2e-work"
ARTIFACTS="$BUILD_DIR/lobby-e2e-artifacts"
SHOTS="$BUILD_DIR/lobby-e2e-shots"

source "$(dirname "${BASH_SOURCE[0]}")/tap.sh"

if ! command -v prosody >/dev/null 2>&1; then
    echo "# skipped: prosody is not installed (scripts/install-deps.sh test installs it)"
    exit 77
fi
for tool in Xvfb openbox xdotool xdpyinfo xprop import timeout; do
    command -v "$tool" >/dev/null 2>&1 ||
        { echo "lobby_test.sh: missing $tool (make deps installs it)" >&2 && exit 1; }
done

cleanup() {
    local status=$?
    set +e
    stop_all
    finish "$status"
    exit $?
}
rm -rf "$WORK" "$ARTIFACTS" "$SHOTS"
mkdir -p "$WORK" "$SHOTS"
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

start_display 151 180

# The lobby on a free port of loopback, as a player would run it.
LOBBY_PORT=""
for _ in $(seq 1 50); do
    port=$((30000 + RANDOM % 20000))
    (echo >"/dev/tcp/127.0.0.1/$port") 2>/dev/null || { LOBBY_PORT=$port && break; }
done
[[ -n $LOBBY_PORT ]] || fatal "a free port on loopback for the lobby"
start_lobby() {
    TMPDIR="$WORK" bash "$SOURCE_DIR/scripts/run-lobby.sh" "$LOBBY_PORT" 127.0.0.1 \
        >>"$WORK/lobby.log" 2>&1 </dev/null &
    PIDS+=($!)
    LOBBY_PID=$!
    local deadline=$(($(now_ms) + 30000))
    until (echo >"/dev/tcp/127.0.0.1/$LOBBY_PORT") 2>/dev/null; do
        (($(now_ms) < deadline)) || return 1
        sleep 0.2
    done
}
start_lobby || fatal "the lobby listens on 127.0.0.1:$LOBBY_PORT" "$(tail -5 "$WORK/lobby.log")"
ok "the lobby listens on 127.0.0.1:$LOBBY_PORT"

# Each player's machine has its own settings, with the name they went by
# last time; Ann plays three-ball matches.
for side in ann bob; do
    mkdir -p "$WORK/$side/config/gloob-volleyball" "$WORK/$side/data" "$WORK/$side/runtime"
    chmod 700 "$WORK/$side/runtime"
done
printf '[options]\nmatchLength=3\n[lobby]\nname=Ann\n' >"$WORK/ann/config/gloob-volleyball/gloob.ini"
printf '[lobby]\nname=Bob\n' >"$WORK/bob/config/gloob-volleyball/gloob.ini"

launch() {
    local side=$1
    XDG_CONFIG_HOME="$WORK/$side/config" XDG_DATA_HOME="$WORK/$side/data" \
        XDG_RUNTIME_DIR="$WORK/$side/runtime" \
        "$GLOOB" --lobby "127.0.0.1:$LOBBY_PORT" >"$WORK/$side.log" 2>&1 </dev/null &
    PIDS+=($!)
}

# window_of PID TITLE: the id of the process's visible window whose name matches, waiting up to 20 s.
window_of() {
    local deadline=$(($(now_ms) + 20000)) id name
    while (($(now_ms) < deadline)); do
        for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null || true); do
            name=$(xdotool getwindowname "$id" 2>/dev/null || true)
            [[ $name =~ $2 ]] && { echo "$id" && return 0; }
        done
        sleep 0.1
    done
    return 1
}

# logged SIDE TEXT: waits up to 20 s for the line in the side's log.
logged() {
    local deadline=$(($(now_ms) + 20000))
    until grep -qF -- "$2" "$WORK/$1.log"; do
        (($(now_ms) < deadline)) || return 1
        sleep 0.1
    done
}

shot() {
    import -window root -depth 8 "$SHOTS/$1.png"
}

focus() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"
}

launch ann
ANN_PID=${PIDS[-1]}
launch bob
BOB_PID=${PIDS[-1]}
for side in ann bob; do
    name=${side^}
    logged "$side" "gloob: lobby: in the lobby as $name" ||
        fatal "$name's window signs in to the lobby" "$(tail -5 "$WORK/$side.log")"
done
ok "both windows sign in to the lobby under the names kept in their settings"
grep -q "signed in to the lobby at 127.0.0.1 (not encrypted)" "$WORK/ann.log" &&
    ok "the window says the lobby on loopback is not encrypted" ||
    not_ok "the window says the lobby on loopback is not encrypted" "$(head -3 "$WORK/ann.log")"
if command -v turnserver >/dev/null; then
    logged bob "gloob: lobby: the lobby names a STUN server at 127.0.0.1:3478" &&
        ok "the lobby names the STUN server run-lobby.sh started beside it" ||
        not_ok "the lobby names its STUN server" "$(head -5 "$WORK/bob.log")"
fi

ANN_GAME=$(window_of "$ANN_PID" '^Gloob') || fatal "Ann's game window is shown"
BOB_GAME=$(window_of "$BOB_PID" '^Gloob') || fatal "Bob's game window is shown"
ANN_LOBBY=$(window_of "$ANN_PID" '^Online Lobby$') || fatal "Ann's lobby window is shown"
BOB_LOBBY=$(window_of "$BOB_PID" '^Online Lobby$') || fatal "Bob's lobby window is shown"
xdotool windowmove "$ANN_GAME" 0 0 windowmove "$BOB_GAME" 800 0 \
    windowmove "$ANN_LOBBY" 0 560 windowmove "$BOB_LOBBY" 800 560
sleep 1
shot 1-signed-in

# Chat: typed in one lobby window, it reaches the other.
focus "$ANN_LOBBY"
xdotool key alt+c
xdotool type --delay 20 "hello from Ann <b>not bold</b>"
xdotool key Return
logged bob "gloob: lobby: <Ann> hello from Ann <b>not bold</b>" &&
    ok "a line Ann types in her lobby window reaches Bob's, as it was typed" ||
    not_ok "a line Ann types in her lobby window reaches Bob's" "$(tail -3 "$WORK/bob.log")"

# Ann hosts from her lobby window; Bob picks her in his list and joins.
focus "$ANN_LOBBY"
xdotool key alt+h
window_of "$ANN_PID" "Hosting on UDP port" >/dev/null ||
    fatal "Ann's game window hosts when she presses Host" "$(tail -3 "$WORK/ann.log")"
ok "Host in the lobby window hosts a match in Ann's game window"
sleep 1
focus "$BOB_LOBBY"
xdotool key alt+p Home alt+j
window_of "$BOB_PID" "Online: Player 2, input delay [0-8]" >/dev/null ||
    fatal "Bob joins Ann's match from his lobby window" "$(tail -5 "$WORK/bob.log")"
window_of "$ANN_PID" "Online: Player 1, input delay [0-8]" >/dev/null ||
    fatal "Ann's window plays player 1" "$(tail -5 "$WORK/ann.log")"
ok "Join in Bob's lobby window starts the match in both game windows"
logged ann "gloob: lobby: Bob - playing with Ann" && logged bob "gloob: lobby: Ann - playing with Bob" &&
    ok "each lobby window lists the other as playing with them" ||
    not_ok "each lobby window lists the other as playing with them" "$(tail -3 "$WORK/ann.log")"
sleep 1
shot 2-playing

# Play! on Ann's window starts the match; a three-ball match where nobody
# returns the ball lasts some 12 s. The lobby stops 2 s into it and is back
# 4 s later: the windows say so and sign in again, and the match goes on.
# Bob walks a step at 18 s: the recordings hold the match up to then.
focus "$ANN_GAME"
xdotool key Return
sleep 2
stop_process "$LOBBY_PID"
for side in ann bob; do
    logged "$side" "gloob: lobby: signing in again in" ||
        not_ok "${side^}'s window says the lobby went away" "$(tail -3 "$WORK/$side.log")"
done
shot 3-lobby-gone
sleep 2
start_lobby || fatal "the lobby starts again" "$(tail -5 "$WORK/lobby.log")"
for side in ann bob; do
    deadline=$(($(now_ms) + 20000))
    until (($(grep -c "gloob: lobby: in the lobby as ${side^}" "$WORK/$side.log") >= 2)); do
        (($(now_ms) < deadline)) || break
        sleep 0.2
    done
done
if (($(grep -c "in the lobby as Ann" "$WORK/ann.log") >= 2 &&
    $(grep -c "in the lobby as Bob" "$WORK/bob.log") >= 2)); then
    ok "both windows said the lobby went away and signed in again when it came back"
else
    not_ok "both windows signed in again when the lobby came back" "$(tail -3 "$WORK/ann.log")"
fi
sleep 11
focus "$BOB_GAME"
xdotool keydown d
sleep 0.2
xdotool keyup d
sleep 1
shot 4-game-over

# Bob leaves the match from his lobby window: both wait again.
focus "$BOB_LOBBY"
xdotool key alt+l
logged ann "gloob: online: The other player left the game." ||
    not_ok "Ann's window hears that Bob left" "$(tail -3 "$WORK/ann.log")"
logged ann "gloob: lobby: Bob - waiting" && logged bob "gloob: lobby: Ann - waiting" &&
    ok "after the match each lobby window lists the other as waiting" ||
    not_ok "after the match each lobby window lists the other as waiting" "$(tail -3 "$WORK/bob.log")"
sleep 1
shot 5-waiting-again
window_of "$BOB_PID" '^Gloob Volleyballl$' >/dev/null &&
    ok "Bob's game window is back on a game of its own" ||
    not_ok "Bob's game window is back on a game of its own"
# Each window recorded the match: both replay to the same game, over
# before Bob's last step. A replay goes on some seconds past its last event:
# the shorter is the common part.
for side in ann bob; do
    replay=$(grep -l 'click play' "$WORK/$side/data/gloob-volleyball/gloob/replays/"*.replay | head -1)
    "$GLOOB_SIM" "$replay" >"$WORK/$side.trace" 2>"$WORK/$side.sim.log" || true
done
over='"score":\[\(3,[0-2]\|[0-2],3\),3\]'
time_of() { sed -n 's/^{"t":\([0-9]*\),.*/\1/p' | head -1; }
over_at=$(grep "$over" "$WORK/ann.trace" | time_of || true)
step_at=$(grep '"ev":"keyup 68"' "$WORK/ann.trace" | tail -1 | time_of || true)
if [[ -n $over_at && -n $step_at ]] && ((over_at < step_at)); then
    ok "the match was played to its end ($((over_at / 1000)) ms) before Bob's last step ($((step_at / 1000)) ms)"
else
    not_ok "the match was played to its end before Bob's last step" \
        "over at ${over_at:-never}, step at ${step_at:-never}"
fi
lines=$(wc -l <"$WORK/ann.trace")
(($(wc -l <"$WORK/bob.trace") < lines)) && lines=$(wc -l <"$WORK/bob.trace")
if cmp -s <(head -n "$lines" "$WORK/ann.trace") <(head -n "$lines" "$WORK/bob.trace"); then
    ok "both machines recorded the same match ($lines lines of trace)"
else
    not_ok "both machines recorded the same match" \
        "$(diff <(head -n "$lines" "$WORK/ann.trace") <(head -n "$lines" "$WORK/bob.trace") | head -3)"
fi
# Ann, back from the message that Bob left, challenges Bob; he says yes, and
# hosts the match she joins.
focus "$(window_of "$ANN_PID" '^Gloob Volleyball$')"
xdotool key Return
focus "$ANN_LOBBY"
xdotool key alt+p Home alt+g
BOB_QUESTION=$(window_of "$BOB_PID" '^A Match\?$') ||
    fatal "Bob is asked whether he takes Ann's challenge" "$(tail -3 "$WORK/bob.log")"
shot 6-challenged
focus "$BOB_QUESTION"
xdotool key y
if window_of "$BOB_PID" "Online: Player 1" >/dev/null && window_of "$ANN_PID" "Online: Player 2" >/dev/null; then
    ok "a challenge Bob accepts starts a match he hosts and Ann joins"
else
    not_ok "a challenge Bob accepts starts a match he hosts and Ann joins" "$(tail -3 "$WORK/ann.log")"
fi
focus "$ANN_LOBBY"
xdotool key alt+l
logged bob "gloob: lobby: Ann - waiting" || true
kill -0 "$ANN_PID" && kill -0 "$BOB_PID" && ok "both games still run" || not_ok "both games still run"
