#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#
# A small internet of the test's own network namespaces, of documentation
# addresses only: a public network (203.0.113.0/24) with the game's lobby
# (Prosody) and a STUN server (coturn), and two homes, 192.0.2.0/24 and
# 198.51.100.0/24, each behind a router that masquerades with nftables and
# lets nothing in that was not asked for, as home routers do. A player in
# each home meets the other in the lobby; they find each other's public
# address and play a match directly, with identical traces. Says which path
# was taken and how long finding it took. Needs root; skips without.
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
pub=gloob-pub$id ra=gloob-ra$id rb=gloob-rb$id a=gloob-a$id b=gloob-b$id
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    for n in "$a" "$b" "$ra" "$rb" "$pub"; do
        ip netns del "$n" 2>/dev/null || true
    done
    [ -n "${GLOOB_KEEP_WORK:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/lobby/certs"

ip netns add "$pub" 2>/dev/null || skip "this machine allows no network namespace here"
for n in "$ra" "$rb" "$a" "$b"; do
    ip netns add "$n"
done
for n in "$pub" "$ra" "$rb" "$a" "$b"; do
    ip -n "$n" link set lo up
done

# The public network: a bridge, the servers on it at .10, the routers' outer sides.
ip -n "$pub" link add br$id type bridge
ip -n "$pub" addr add 203.0.113.10/24 dev br$id
ip -n "$pub" link set br$id up
# home ROUTER HOST PUBLIC LAN_PREFIX LETTER
home() {
    local router=$1 host=$2 public=$3 prefix=$4 l=$5
    ip link add w$l$id netns "$router" type veth peer name p$l$id netns "$pub"
    ip -n "$pub" link set p$l$id master br$id up
    ip -n "$router" addr add "$public/24" dev w$l$id
    ip -n "$router" link set w$l$id up
    ip link add l$l$id netns "$router" type veth peer name h$l$id netns "$host"
    ip -n "$router" addr add "$prefix.1/24" dev l$l$id
    ip -n "$router" link set l$l$id up
    ip -n "$host" addr add "$prefix.2/24" dev h$l$id
    ip -n "$host" link set h$l$id up
    ip -n "$host" route add default via "$prefix.1"
    ip netns exec "$router" sysctl -qw net.ipv4.ip_forward=1
    # Masquerade keeps the source port where it can, as most home routers
    # do. What comes from outside unasked for is dropped, also when it is
    # for the router itself: it leaves no trace that would make the router
    # take another port for the player's own datagrams to the same sender.
    ip netns exec "$router" nft -f - <<NFT
table ip home {
    chain out { type nat hook postrouting priority srcnat; oifname "w$l$id" masquerade; }
    chain through {
        type filter hook forward priority filter; policy drop;
        ct state established,related accept
        iifname "l$l$id" accept
    }
    chain in {
        type filter hook input priority filter; policy drop;
        ct state established,related accept
        iifname { "lo", "l$l$id" } accept
    }
}
NFT
}
home "$ra" "$a" 203.0.113.1 192.0.2 a
home "$rb" "$b" 203.0.113.2 198.51.100 b

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

lobby=(--lobby 203.0.113.10 --stun 203.0.113.10)
ip netns exec "$a" timeout 120 "$sim" "${lobby[@]}" --name Ann --offer "$work/host.script" \
    >"$work/ann.trace" 2>"$work/ann.err" &
ann=$!
pids+=($ann)
for _ in $(seq 300); do
    grep -q "waiting for the other player" "$work/ann.err" && break
    sleep 0.1
done
status=0
ip netns exec "$b" timeout 120 "$sim" "${lobby[@]}" --name Bob --meet Ann "$work/join.script" \
    >"$work/bob.trace" 2>"$work/bob.err" || status=$?
wait "$ann" || status=$?

fail() {
    echo "FAILED: $*"
    for log in ann.err bob.err coturn.log prosody.log; do
        echo "--- $log"
        tail -n 30 "$work/$log"
    done
    exit 1
}
[ "$status" -eq 0 ] || fail "a player ended with status $status"
path=$(grep -o 'Ann: reached by .*' "$work/bob.err") || fail "Bob never said how he reached Ann"
echo "Bob $path"
grep "candidates:" "$work/ann.err" "$work/bob.err" | sed 's/.*lobby: //'
[[ $path == *"direct public at 203.0.113.1:"* ]] || fail "not the direct path to Ann's router"
grep -q "203.0.113.2:[0-9]* (direct public)" "$work/bob.err" || fail "Bob's router's address was not learnt"
[ "$(wc -c <"$work/ann.trace")" -gt 10000 ] || fail "the match was not played"
cmp -s "$work/ann.trace" "$work/bob.trace" || fail "the two traces differ"
echo "a match played directly through both routers; the traces are identical"
