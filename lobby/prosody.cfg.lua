-- SPDX-License-Identifier: MIT
-- SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
--
-- The game's lobby: players sign in without an account and meet in one chat
-- room per protocol version of the game (gloob-v2@rooms.localhost for
-- version 2). scripts/run-lobby.sh runs it on this machine; a public lobby
-- copies it, names its own domain and turns encryption on (see README.md).
--
-- Set by scripts/run-lobby.sh (or by hand, in the environment):
--   GLOOB_LOBBY_DATA       the server's data folder (also its pid file)
--   GLOOB_LOBBY_PORT       the client port, 5222 unless given
--   GLOOB_LOBBY_INTERFACE  the address to listen on, every one unless given
--   GLOOB_LOBBY_DOMAIN     the lobby's domain, localhost unless given
--   GLOOB_LOBBY_CERTS      the certificates' folder, DATA/certs unless given
--   GLOOB_LOBBY_AUTH       internal_hashed: only players with an account (made
--                          with prosodyctl register); anonymous unless given
--   GLOOB_LOBBY_STUN_PORT  the UDP port of a STUN server beside the lobby, which
--                          the lobby names to its players; none unless given
--   GLOOB_LOBBY_STUN_HOST  that server's host, the lobby's domain unless given
--   GLOOB_LOBBY_TURN_SECRET  the secret that server shares with the lobby when it
--                          also relays (coturn's static-auth-secret): the lobby
--                          then names the relay too, with a password good for
--                          an hour; none unless given

local domain = ENV_GLOOB_LOBBY_DOMAIN or "localhost"

local data = ENV_GLOOB_LOBBY_DATA or "/var/lib/prosody"
data_path = data
pidfile = data .. "/prosody.pid"
-- Certificates for TLS, one pair a domain: without them the lobby is plain,
-- and TLS is not offered at all (an offer without a certificate fails).
local certs = ENV_GLOOB_LOBBY_CERTS
certificates = certs or (data .. "/certs")
-- Runs in the foreground of the shell or service that started it, also as
-- root in a test machine or container.
daemonize = false
run_as_root = true

c2s_ports = { tonumber(ENV_GLOOB_LOBBY_PORT) or 5222 }
interfaces = { ENV_GLOOB_LOBBY_INTERFACE or "*" }
-- Players of one lobby meet there: no federation, no web, no components.
s2s_ports = {}
component_ports = {}
http_ports = {}
https_ports = {}

local modules = {
    "disco";    -- any client finds the rooms
    "saslauth";
    "ping";
    "limits";
}
-- A STUN server beside the lobby is named to the players (XEP-0215), so
-- that players behind home routers learn their public address without a
-- setting. STUN alone needs no credentials: mod_external_services announces
-- it; mod_turn_external, built on it, only once a TURN relay has a secret.
local stun_port = tonumber(ENV_GLOOB_LOBBY_STUN_PORT or "0") or 0
local turn_secret = ENV_GLOOB_LOBBY_TURN_SECRET or ""
if stun_port > 0 and turn_secret ~= "" then
    -- Names both STUN and the relay at the same host and port.
    table.insert(modules, "turn_external")
    turn_external_secret = turn_secret
    turn_external_host = ENV_GLOOB_LOBBY_STUN_HOST or domain
    turn_external_port = stun_port
    -- A password is good for a day: the relay checks it again at every
    -- renewal during a match, and players ask for a new one when half the
    -- day has passed.
    turn_external_ttl = tonumber(ENV_GLOOB_LOBBY_RELAY_TTL or "86400") or 86400
elseif stun_port > 0 then
    table.insert(modules, "external_services")
    external_services = {
        { type = "stun", transport = "udp", host = ENV_GLOOB_LOBBY_STUN_HOST or domain, port = stun_port };
    }
end
modules_enabled = certs and { "tls", table.unpack(modules) } or modules
modules_disabled = { "s2s" }

-- A lobby on this machine or a local network may be plain: the game says
-- so. A public lobby sets both to true and gives certificates.
c2s_require_encryption = false
s2s_require_encryption = false

-- No player needs more than this: a presence, a join or a chat line is a
-- few hundred bytes (10000 is the smallest limit the server takes).
c2s_stanza_size_limit = 10000
c2s_unauthed_stanza_size_limit = 2048
limits = {
    c2s = { rate = "8kb/s"; burst = "4s" };
}

log = {
    { levels = { min = ENV_GLOOB_LOBBY_LOG_LEVEL or "info" }, to = "console" };
}

VirtualHost(domain)
    authentication = ENV_GLOOB_LOBBY_AUTH or "anonymous"
    -- An anonymous player exists while signed in; nothing is stored.
    allow_anonymous_s2s = false

Component("rooms." .. domain) "muc"
    name = "Gloob Volleyball lobby"
    -- Rooms are made by the lobby's own players, open at once and listed.
    restrict_room_creation = "local"
    muc_room_locking = false
    muc_room_default_public = true
    muc_room_default_persistent = false
    muc_room_default_public_jids = false
    -- Late comers see the last lines of chat, not the whole day's.
    max_history_messages = 20
    muc_room_default_history_length = 20
    muc_tombstones = false
