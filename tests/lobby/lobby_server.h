// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "child_process.h"
#include "lobby/lobby_client.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace gloob::lobby::testing {

// The secret the lobby shares with a relay beside it (none need listen).
constexpr std::string_view relaySecret = "lobby-test-relay-secret";

// Whether the lobby's server is installed; the tests that need it skip without.
bool prosodyInstalled();

// The game's own lobby configuration served by Prosody on loopback, on a
// free port, with a data folder of its own removed at the end.
class LobbyServer {
public:
    // On `port`, or on a free one; with `accounts`, players sign in with
    // an account rather than anonymously; relay passwords good for
    // `relaySeconds` (0: the lobby's own choice).
    explicit LobbyServer(std::uint16_t port = 0, bool accounts = false, int relaySeconds = 0);
    ~LobbyServer();
    LobbyServer(const LobbyServer&) = delete;
    LobbyServer& operator=(const LobbyServer&) = delete;

    // Empty when it listens; else why it does not, with its log.
    const std::string& failure() const { return failure_; }
    std::string address() const { return "127.0.0.1:" + std::to_string(port_); }
    LobbyAddress lobbyAddress() const { return {"127.0.0.1", port_}; }
    const std::filesystem::path& folder() const { return dir_; }
    // Makes an account as an operator would (prosodyctl); whether it did.
    bool addAccount(const std::string& user, const std::string& password);
    // Stops it as an operator would (SIGTERM) and waits for it.
    void stop();

private:
    std::filesystem::path dir_;
    std::uint16_t port_ = 0;
    std::vector<std::string> environment_;
    std::unique_ptr<net::testing::ChildProcess> server_;
    std::string failure_;
};

// A player of the test's own that keeps all the lobby told it.
class Watcher {
public:
    Watcher(LobbyAddress address, std::string name);
    LobbyClient client;
    // Lines, and chat as "<name> text", in the order they came.
    std::vector<std::string> lines;
    std::size_t chats = 0;
    // Each occupant's states as they changed: "hosting 3", "playing Ann",
    // "waiting", "gone", or "other" for a presence without the game's state.
    std::map<std::string, std::vector<std::string>> states;

    void service(int waitMillis);
    // Services the lobby (and `also`) until `done` holds or `limit` has
    // passed; whether it holds. A bound on a wait, never a measure of speed.
    bool until(const std::function<bool()>& done,
               std::chrono::seconds limit = std::chrono::seconds(30),
               const std::function<void()>& also = {});
    bool told(std::string_view part) const;
};

} // namespace gloob::lobby::testing
