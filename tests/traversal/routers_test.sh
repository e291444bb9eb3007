#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#
# A small internet of the test's own network namespaces, of documentation
# addresses only: a public network (203.0.113.0/24) with the game's lobby
# (Prosody) and a STUN server (coturn), and two homes, 192.0.2.0/24 and
# 198.51.100.0/24, each behind a router that masquerades with nftables and
# lets nothing in that was not asked for, as home routers do. Players meet
# in the lobby and find their way to each other:
#   - one in each home, routers keeping ports: directly, through both routers;
#   - both in one home: on the local network;
#   - routers that take a new port for every destination: no way without a
#     relay, and the joiner is told within 10 s what was tried.
# Each says the path taken and how long finding it took; the matches played
# give identical traces on both machines. Needs root; skips without.
#   routers_test.sh GLOOB_SIM SOURCE_DIR WORK_DIR
set -euo pipefail
sim=$1 top=$2 work=$3/routers.$$
skip() {
    echo "skipped: $*"
    exit 77
}
[ "$(id -u)" -eq 0 ] || skip "making network namespaces needs root"
for tool in ip nft turnserver prosody; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps.sh test)"
done

id=$(($$ % 100000))
pub=gloob-pub$id ra=gloob-ra$id rb=gloob-rb$id a=gloob-a$id a2=gloob-c$id b=gloob-b$id
machines=("$a" "$a2" "$b" "$ra" "$rb" "$pub")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    for n in "${machines[@]}"; do
        ip netns del "$n" 2>/dev/null || true
    done
    [ -n "${GLOOB_KEEP_WORK:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/lobby/certs"

ip netns add "$pub" 2>/dev/null || skip "this machine allows no network namespace here"
for n in "${machines[@]}"; do
    [ "$n" = "$pub" ] || ip netns add "$n"
    ip -n "$n" link set lo up
done

# The public network: a bridge, the servers on it at .10, the routers' outer sides.
ip -n "$pub" link add "br$id" type bridge
ip -n "$pub" addr add 203.0.113.10/24 dev "br$id"
ip -n "$pub" link set "br$id" up

# rules ROUTER LETTER [random]: masquerade keeps the source port where it
# can, as most home routers do; `random` takes a new one for every
# destination. What comes from outside unasked for is dropped, also when it
# is for the router itself: it leaves no trace that would make the router
# take another port for the player's own datagrams to the same sender.
rules() {
    ip netns exec "$1" nft -f - <<NFT
flush ruleset
table ip home {
    chain out { type nat hook postrouting priority srcnat; oifname "w$2$id" masquerade ${3:-}; }
    chain through {
        type filter hook forward priority filter; policy drop;
        ct state established,related accept
        iifname "lan$id" accept
    }
    chain in {
        type filter hook input priority filter; policy drop;
        ct state established,related accept
        iifname { "lo", "lan$id" } accept
    }
}
NFT
}
# home ROUTER LETTER PUBLIC LAN_PREFIX: a router with a bridge for its home.
home() {
    local router=$1 l=$2 public=$3 prefix=$4
    ip link add "w$l$id" netns "$router" type veth peer name "p$l$id" netns "$pub"
    ip -n "$pub" link set "p$l$id" master "br$id" up
    ip -n "$router" addr add "$public/24" dev "w$l$id"
    ip -n "$router" link set "w$l$id" up
    ip -n "$router" link add "lan$id" type bridge
    ip -n "$router" addr add "$prefix.1/24" dev "lan$id"
    ip -n "$router" link set "lan$id" up
    ip netns exec "$router" sysctl -qw net.ipv4.ip_forward=1
    rules "$router" "$l"
}
# machine NAMESPACE ROUTER LAN_PREFIX HOST_NUMBER
machine() {
    local host=$1 router=$2 prefix=$3 n=$4
    ip link add "r$n$id" netns "$router" type veth peer name "h$n$id" netns "$host"
    ip -n "$router" link set "r$n$id" master "lan$id" up
    ip -n "$host" addr add "$prefix.$n/24" dev "h$n$id"
    ip -n "$host" link set "h$n$id" up
    ip -n "$host" route add default via "$prefix.1"
}
home "$ra" a 203.0.113.1 192.0.2
home "$rb" b 203.0.113.2 198.51.100
machine "$a" "$ra" 192.0.2 2
machine "$a2" "$ra" 192.0.2 3
machine "$b" "$rb" 198.51.100 2

ip netns exec "$pub" turnserver -n --stun-only --no-cli --no-tls --no-dtls \
    --listening-ip 203.0.113.10 --listening-port 3478 --log-file stdout --simple-log \
    --pidfile "$work/coturn.pid" --db "$work/coturn.db" \
    >"$work/coturn.log" 2>&1 &
pids+=($!)
GLOOB_LOBBY_DATA=$work/lobby GLOOB_LOBBY_PORT=5222 GLOOB_LOBBY_INTERFACE=203.0.113.10 \
    GLOOB_LOBBY_LOG_LEVEL=warn ip netns exec "$pub" prosody -F --config "$top/lobby/prosody.cfg.lua" \
    >"$work/prosody.log" 2>&1 &
pids+=($!)
# Bounds on waits, never measures of speed.
for _ in $(seq 300); do
    ip netns exec "$pub" bash -c 'echo >/dev/tcp/203.0.113.10/5222' 2>/dev/null && break
    sleep 0.1
done

cat >"$work/host.script" <<'SCRIPT'
0 menu 3
200 click play
2300 keydown 37
2700 keydown 38
2750 keyup 38
3300 keyup 37
6000 menu exit
SCRIPT
cat >"$work/join.script" <<'SCRIPT'
2200 keydown 68
2500 keydown 87
2510 keyup 87
3000 keyup 68
SCRIPT

failed=0
fail() {
    echo "FAILED: $*"
    for log in ann.err bob.err coturn.log prosody.log; do
        echo "--- $log"
        tail -n 30 "$work/$log"
    done
    failed=1
}
# play HOST_MACHINE JOIN_MACHINE: Ann hosts, Bob joins; the status of Bob's run.
play() {
    local lobby=(--lobby 203.0.113.10 --stun 203.0.113.10) status=0
    rm -f "$work"/ann.* "$work"/bob.*
    ip netns exec "$1" timeout 120 "$sim" "${lobby[@]}" --name Ann --offer "$work/host.script" \
        >"$work/ann.trace" 2>"$work/ann.err" &
    local ann=$!
    pids+=("$ann")
    for _ in $(seq 300); do
        grep -q "waiting for the other player" "$work/ann.err" && break
        sleep 0.1
    done
    ip netns exec "$2" timeout 120 "$sim" "${lobby[@]}" --name Bob --meet Ann "$work/join.script" \
        >"$work/bob.trace" 2>"$work/bob.err" || status=$?
    # Without a way to Bob, Ann waits on for a joiner: she is let go.
    [ "$status" -eq 0 ] || kill "$ann" 2>/dev/null || true
    wait "$ann" || [ "$status" -ne 0 ] || status=1
    return "$status"
}
# played CASE EXPECTED_PATH
played() {
    local path
    path=$(grep -o 'Ann: reached by .*' "$work/bob.err") || {
        fail "$1: Bob never said how he reached Ann"
        return
    }
    echo "$1: Bob $path, $(grep -o 'connected in .*' "$work/bob.err" || echo 'never connected')"
    [[ $path == *"$2"* ]] || fail "$1: not $2"
    [ "$(wc -c <"$work/ann.trace")" -gt 10000 ] || fail "$1: the match was not played"
    cmp -s "$work/ann.trace" "$work/bob.trace" || fail "$1: the two traces differ"
}

if play "$a" "$b"; then
    played "two homes" "direct public at 203.0.113.1:"
    grep -q "203.0.113.2:[0-9]* (direct public)" "$work/bob.err" ||
        fail "two homes: Bob's router's address was not learnt"
else
    fail "two homes: a player ended with an error"
fi

if play "$a" "$a2"; then
    played "one home" "local network at 192.0.2.2:"
else
    fail "one home: a player ended with an error"
fi

rules "$ra" a random
rules "$rb" b random
if play "$a" "$b"; then
    fail "new ports for every destination: a direct path was found, which cannot be"
else
    told=$(grep -o 'Ann: no answer within 10000 ms from .*' "$work/bob.err") ||
        fail "new ports for every destination: Bob was not told what was tried"
    echo "new ports for every destination: Bob: ${told:-nothing}"
fi
exit "$failed"
