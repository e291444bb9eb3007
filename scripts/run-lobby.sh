#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#
# Runs the game's lobby on this machine, in the foreground, until Ctrl+C:
#   scripts/run-lobby.sh [PORT [ADDRESS]]
# PORT is the client port (5222 unless given), ADDRESS the one to listen on
# (every address unless given; 127.0.0.1 for this machine only). The server's
# data lives in a temporary folder, removed when it stops. Runs as a normal
# user or as root. Where coturn is installed, a STUN server runs beside it on
# UDP port 3478 (GLOOB_LOBBY_STUN_PORT, or 0 for none), so that players behind
# home routers can learn their public address; the lobby names it to them.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

port=${1:-5222}
interface=${2:-*}
if ! [[ $port =~ ^[0-9]+$ ]] || [ "$port" -lt 1 ] || [ "$port" -gt 65535 ]; then
    echo "run-lobby.sh: bad port '$port' (1 to 65535)" >&2
    exit 2
fi
if ! command -v prosody >/dev/null; then
    echo "run-lobby.sh: prosody is not installed (apt-get install prosody, or scripts/install-deps.sh test)" >&2
    exit 1
fi

data=$(mktemp -d "${TMPDIR:-/tmp}/gloob-lobby.XXXXXX")
stun=""
cleanup() {
    [ -z "$stun" ] || kill -TERM "$stun" 2>/dev/null || true
    rm -rf "$data"
}
trap cleanup EXIT
mkdir "$data/certs"

stun_port=${GLOOB_LOBBY_STUN_PORT:-3478}
if [ "$stun_port" != 0 ] && command -v turnserver >/dev/null; then
    listen=()
    [ "$interface" = "*" ] || listen=(--listening-ip "$interface")
    # STUN only: no relay, no accounts, no console, its files in the data folder.
    turnserver -n --stun-only --no-cli --no-tls --no-dtls "${listen[@]}" \
        --listening-port "$stun_port" --log-file stdout --simple-log --no-stdout-log \
        --pidfile "$data/coturn.pid" --db "$data/coturn.db" >/dev/null 2>&1 &
    stun=$!
    echo "run-lobby.sh: STUN on UDP port $stun_port" >&2
    # The lobby names it to its players.
    export GLOOB_LOBBY_STUN_PORT=$stun_port
    [ "$interface" = "*" ] || export GLOOB_LOBBY_STUN_HOST=$interface
elif [ "$stun_port" != 0 ]; then
    echo "run-lobby.sh: no STUN server: coturn is not installed" >&2
fi
# Nothing is named that does not run.
[ -n "$stun" ] || unset GLOOB_LOBBY_STUN_PORT

export GLOOB_LOBBY_DATA=$data GLOOB_LOBBY_PORT=$port GLOOB_LOBBY_INTERFACE=$interface
# Prosody stops on SIGTERM or SIGINT; the folder goes after it.
prosody -F --config "$top/lobby/prosody.cfg.lua" &
server=$!
trap 'kill -TERM "$server" 2>/dev/null || true' INT TERM
status=0
wait "$server" || status=$?
# A signal to this script ends the first wait early: wait for the server itself.
if kill -0 "$server" 2>/dev/null; then
    wait "$server" || status=$?
fi
exit "$status"
