#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#
# Runs the game's lobby on this machine, in the foreground, until Ctrl+C:
#   scripts/run-lobby.sh [PORT [ADDRESS]]
# PORT is the client port (5222 unless given), ADDRESS the one to listen on
# (every address unless given; 127.0.0.1 for this machine only). The server's
# data lives in a temporary folder, removed when it stops. Runs as a normal
# user or as root. Where coturn is installed, a STUN server and relay runs
# beside it on UDP port 3478 (GLOOB_LOBBY_STUN_PORT, or 0 for none), so that
# players behind home routers can learn their public address, and play
# through the relay when no direct way opens; the lobby names it to them,
# with passwords made from a secret the two share (new at every start). The
# relay lends UDP ports 49152 to 65535 (GLOOB_LOBBY_RELAY_PORTS=FIRST-LAST);
# GLOOB_LOBBY_RELAY=0 runs STUN alone.
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
    [ "$interface" = "*" ] || listen=(--listening-ip "$interface" --relay-ip "$interface")
    relay=(-n --stun-only)
    if [ "${GLOOB_LOBBY_RELAY:-1}" != 0 ]; then
        secret=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
        ports=${GLOOB_LOBBY_RELAY_PORTS:-49152-65535}
        # The secret in a file of its own rather than on a command line.
        (umask 077 && echo "static-auth-secret=$secret" >"$data/coturn.conf")
        relay=(-c "$data/coturn.conf" --use-auth-secret --realm gloob
            --min-port "${ports%-*}" --max-port "${ports#*-}" --no-tcp-relay)
        # Players on this machine relay to each other in a test.
        [ "$interface" = "*" ] || [[ $interface != 127.* ]] || relay+=(--allow-loopback-peers)
    fi
    # No accounts, no console, its files in the data folder.
    turnserver "${relay[@]}" --no-cli --no-tls --no-dtls "${listen[@]}" \
        --listening-port "$stun_port" --log-file stdout --simple-log --no-stdout-log \
        --pidfile "$data/coturn.pid" --db "$data/coturn.db" >/dev/null 2>&1 &
    stun=$!
    if [ "${GLOOB_LOBBY_RELAY:-1}" != 0 ]; then
        echo "run-lobby.sh: STUN and relay on UDP port $stun_port, relayed ports $ports" >&2
        export GLOOB_LOBBY_TURN_SECRET=$secret
    else
        echo "run-lobby.sh: STUN on UDP port $stun_port" >&2
    fi
    # The lobby names it to its players.
    export GLOOB_LOBBY_STUN_PORT=$stun_port
    [ "$interface" = "*" ] || export GLOOB_LOBBY_STUN_HOST=$interface
elif [ "$stun_port" != 0 ]; then
    echo "run-lobby.sh: no STUN server: coturn is not installed" >&2
fi
# Nothing is named that does not run.
[ -n "$stun" ] || unset GLOOB_LOBBY_STUN_PORT GLOOB_LOBBY_TURN_SECRET

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
