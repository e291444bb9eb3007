#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#
# A small internet of the test's own network namespaces, of documentation
# addresses only: a public network (203.0.113.0/24) with the game's lobby
# (Prosody) and a STUN server and relay (coturn), which the lobby names with
# passwords of a secret the two share, and two homes, 192.0.2.0/24 and
# 198.51.100.0/24, each behind a router that masquerades with nftables and
# lets nothing in that was not asked for, as home routers do. Players meet
# in the lobby and find their way to each other:
#   - one in each home, routers keeping ports: directly, through both routers;
#   - both in one home: on the local network;
#   - one router that takes a new port for every destination: directly or
#     through the relay;
#   - both routers so: through the relay; and with the relay turned off, no
#     way, and the joiner is told within 10 s what was tried;
#   - the host's router takes a new port for every destination but forwards
#     one on request (UPnP, miniupnpd): over the forwarded port, which is
#     gone after the match.
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
upnp=yes
for tool in miniupnpd upnpc; do
    PATH=$PATH:/usr/sbin command -v "$tool" >/dev/null || upnp="$tool is not installed"
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
# A second address lets the STUN server answer from elsewhere, as a
# router's UPnP daemon asks before it forwards anything.
ip -n "$pub" addr add 203.0.113.11/24 dev "br$id"
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

secret=routers-test-$id
ip netns exec "$pub" turnserver -n --use-auth-secret --static-auth-secret "$secret" --realm gloob \
    --no-cli --no-tls --no-dtls --listening-ip 203.0.113.10 --listening-ip 203.0.113.11 \
    --relay-ip 203.0.113.10 --listening-port 3478 --log-file stdout --simple-log \
    --pidfile "$work/coturn.pid" --db "$work/coturn.db" \
    >"$work/coturn.log" 2>&1 &
pids+=($!)
GLOOB_LOBBY_DATA=$work/lobby GLOOB_LOBBY_PORT=5222 GLOOB_LOBBY_INTERFACE=203.0.113.10 \
    GLOOB_LOBBY_STUN_PORT=3478 GLOOB_LOBBY_STUN_HOST=203.0.113.10 GLOOB_LOBBY_TURN_SECRET=$secret \
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
also=()
fail() {
    echo "FAILED: $*"
    for log in ann.err bob.err coturn.log prosody.log miniupnpd.log; do
        echo "--- $log"
        tail -n 30 "$work/$log" 2>/dev/null || true
    done
    failed=1
}
# play HOST_MACHINE JOIN_MACHINE: Ann hosts, Bob joins; the status of Bob's run.
play() {
    local lobby=(--lobby 203.0.113.10 --stun 203.0.113.10 "${also[@]}") status=0
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

rules "$rb" b random
if play "$a" "$b"; then
    played "one router with new ports for every destination" "at "
    grep -q "the relay at 203.0.113.10:3478 lends" "$work/bob.err" ||
        fail "one router with new ports for every destination: the lobby's relay lent nothing"
else
    fail "one router with new ports for every destination: a player ended with an error"
fi

rules "$ra" a random
if play "$a" "$b"; then
    played "new ports for every destination" "relay at "
else
    fail "new ports for every destination: a player ended with an error"
fi

also=(--no-relay)
if play "$a" "$b"; then
    fail "new ports for every destination, no relay: a direct path was found, which cannot be"
else
    told=$(grep -o 'Ann: no answer within 10000 ms from .*' "$work/bob.err") ||
        fail "new ports for every destination, no relay: Bob was not told what was tried"
    echo "new ports for every destination, no relay: Bob: ${told:-nothing}"
fi
also=()

# upnp_rules ROUTER LETTER: new ports for every destination from the home,
# forwardings made by miniupnpd let in, and the router's own datagrams left
# as they are: miniupnpd forwards nothing before a STUN server, answering
# also from its other address and port, saw that they come through unchanged.
upnp_rules() {
    ip netns exec "$1" nft -f - <<NFT
flush ruleset
table ip home {
    chain out {
        type nat hook postrouting priority srcnat;
        ip saddr 192.0.2.0/24 oifname "w$2$id" masquerade random;
    }
    chain through {
        type filter hook forward priority filter; policy drop;
        ct state established,related accept
        ct status dnat accept
        iifname "lan$id" accept
    }
    chain in {
        type filter hook input priority filter; policy drop;
        ct state established,related accept
        iifname { "lo", "lan$id" } accept
        ip saddr { 203.0.113.10, 203.0.113.11 } udp sport { 3478, 3479 } accept
    }
}
table inet filter {
    chain forward { type filter hook forward priority filter; jump miniupnpd; }
    chain miniupnpd { }
    chain prerouting { type nat hook prerouting priority dstnat; jump prerouting_miniupnpd; }
    chain postrouting { type nat hook postrouting priority srcnat; jump postrouting_miniupnpd; }
    chain prerouting_miniupnpd { }
    chain postrouting_miniupnpd { }
}
NFT
}
if [ "$upnp" != yes ]; then
    echo "skipped: a router forwarding a port on request: $upnp (scripts/install-deps.sh test)"
    exit "$failed"
fi
upnp_rules "$ra" a
rules "$rb" b
cat >"$work/miniupnpd.conf" <<CONF
ext_ifname=wa$id
listening_ip=lan$id
port=0
enable_natpmp=no
enable_upnp=yes
secure_mode=yes
ext_perform_stun=yes
ext_stun_host=203.0.113.10
ext_stun_port=3478
uuid=6c0f7c58-1b7e-4d43-9f1e-5e2f0d5a$(printf %04x $((id % 65536)))
allow 1024-65535 192.0.2.0/24 1024-65535
deny 0-65535 0.0.0.0/0 0-65535
CONF
ip netns exec "$ra" "$(PATH=$PATH:/usr/sbin command -v miniupnpd)" -d -f "$work/miniupnpd.conf" \
    -P "$work/miniupnpd.pid" >"$work/miniupnpd.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    grep -q "Port forwarding is now enabled" "$work/miniupnpd.log" && break
    sleep 0.1
done
also=(--upnp)
if play "$a" "$b"; then
    forwarded=$(grep -o 'the router forwards 203.0.113.1:[0-9]*' "$work/ann.err" | grep -o '[0-9]*$') ||
        fail "the host's router forwarding a port: Ann's router forwarded nothing"
    played "the host's router forwarding a port" "UPnP at 203.0.113.1:${forwarded:-none} "
    grep -q "the router no longer forwards 203.0.113.1:${forwarded:-none}" "$work/ann.err" ||
        fail "the host's router forwarding a port: Ann did not say the forwarding was removed"
    # What the router says it forwards, and the rules it made.
    # Asked at the address it gave, as upnpc finds no valid gateway behind
    # a documentation address.
    url=$(grep -o -m1 'http://192.0.2.1:[0-9]*/rootDesc.xml' "$work/miniupnpd.log" || true)
    listed=$(ip netns exec "$a" upnpc -u "$url" -l 2>&1 || true)
    rules=$(ip netns exec "$ra" nft list table inet filter)
    if [[ $listed != *"ExternalIPAddress = 203.0.113.1"* ]]; then
        fail "the host's router forwarding a port: upnpc could not ask the router: $listed"
    elif [[ $listed =~ UDP\ *${forwarded:-none}- ]]; then
        fail "the host's router forwarding a port: still listed after the match: $listed"
    elif [[ $rules == *"dport ${forwarded:-none} "* ]]; then
        fail "the host's router forwarding a port: a rule still forwards it after the match"
    else
        echo "the host's router forwarding a port: Bob came in over the port Ann's router" \
            "forwarded (UPnP), 203.0.113.1:$forwarded, removed after the match;" \
            "Ann: $(grep -o 'the router forwards .*' "$work/ann.err");" \
            "Bob: $(grep -o 'no port forwarded .*' "$work/bob.err")"
    fi
else
    fail "the host's router forwarding a port: a player ended with an error"
fi
exit "$failed"
