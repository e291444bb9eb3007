// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "lobby_server.h"

#include "net/protocol.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <thread>

namespace gloob::lobby::testing {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

namespace {

// A TCP socket on 127.0.0.1; `connectTo` 0 binds a free port, else connects.
int loopbackSocket(std::uint16_t connectTo, std::uint16_t* bound) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(connectTo);
    const auto* raw = reinterpret_cast<const sockaddr*>(&address);
    const int done =
        connectTo == 0 ? bind(fd, raw, sizeof address) : connect(fd, raw, sizeof address);
    if (done == 0 && bound != nullptr) {
        socklen_t length = sizeof address;
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
        *bound = ntohs(address.sin_port);
    }
    close(fd);
    return done;
}

} // namespace

bool prosodyInstalled() {
    return std::system("command -v prosody >/dev/null 2>&1") == 0;
}

LobbyServer::LobbyServer(std::uint16_t port, bool accounts, int relaySeconds) : port_(port) {
    dir_ =
        fs::path(::testing::TempDir()) / ("lobby_" + std::to_string(getpid()) + "_" +
                                          std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::remove_all(dir_);
    fs::create_directories(dir_ / "certs");
    if (port_ == 0) {
        loopbackSocket(0, &port_);
    }
    environment_ = {
        "GLOOB_LOBBY_DATA=" + dir_.string(), "GLOOB_LOBBY_PORT=" + std::to_string(port_),
        "GLOOB_LOBBY_INTERFACE=127.0.0.1", "GLOOB_LOBBY_LOG_LEVEL=warn",
        // Named to the players, as run-lobby.sh does; nothing need listen.
        "GLOOB_LOBBY_STUN_PORT=3478", "GLOOB_LOBBY_TURN_SECRET=" + std::string(relaySecret)};
    if (accounts) {
        environment_.push_back("GLOOB_LOBBY_AUTH=internal_hashed");
    }
    if (relaySeconds > 0) {
        environment_.push_back("GLOOB_LOBBY_RELAY_TTL=" + std::to_string(relaySeconds));
    }
    server_ = std::make_unique<net::testing::ChildProcess>(
        "prosody", std::vector<std::string>{"-F", "--config", GLOOB_LOBBY_CONFIG},
        dir_ / "prosody.out", dir_ / "prosody.log", environment_);
    const auto until = std::chrono::steady_clock::now() + 30s;
    while (server_->started() && !server_->poll() && std::chrono::steady_clock::now() < until) {
        if (loopbackSocket(port_, nullptr) == 0) {
            return;
        }
        std::this_thread::sleep_for(20ms);
    }
    failure_ = "the lobby's server did not start on port " + std::to_string(port_) + ":\n" +
               net::testing::readFile(dir_ / "prosody.out") +
               net::testing::readFile(dir_ / "prosody.log");
}

LobbyServer::~LobbyServer() {
    stop();
    std::error_code ignored;
    fs::remove_all(dir_, ignored);
}

bool LobbyServer::addAccount(const std::string& user, const std::string& password) {
    std::string command;
    for (const std::string& variable : environment_) {
        command += variable + " ";
    }
    command += "prosodyctl --config " GLOOB_LOBBY_CONFIG " register " + user + " localhost " +
               password + " >" + (dir_ / "prosodyctl.out").string() + " 2>&1";
    return std::system(command.c_str()) == 0;
}

void LobbyServer::stop() {
    server_->signal(SIGTERM);
    if (server_->wait(20s) < 0) {
        server_->signal(SIGKILL);
        server_->wait(5s);
    }
}

Watcher::Watcher(LobbyAddress address, std::string name)
    : client(std::move(address), std::move(name),
             PlayerState{net::protocolVersion, Activity::waiting, 5, {}}) {}

void Watcher::service(int waitMillis) {
    client.service(waitMillis);
    for (const LobbyEvent& e : client.takeEvents()) {
        switch (e.kind) {
        case LobbyEvent::Kind::line:
            lines.push_back(e.text);
            break;
        case LobbyEvent::Kind::chat:
            lines.push_back("<" + cleanName(e.from) + "> " + e.text);
            ++chats;
            break;
        case LobbyEvent::Kind::introduction:
            lines.push_back("introduction from " + cleanName(e.from));
            break;
        case LobbyEvent::Kind::roster: {
            std::string state = "gone";
            if (e.occupant) {
                const auto& s = e.occupant->state;
                state = !s                                 ? "other"
                        : s->activity == Activity::hosting ? "hosting " + std::to_string(s->balls)
                        : s->activity == Activity::playing ? "playing " + s->with
                                                           : "waiting";
            }
            auto& seen = states[e.from];
            if (seen.empty() || seen.back() != state) {
                seen.push_back(state);
            }
            break;
        }
        }
    }
}

bool Watcher::until(const std::function<bool()>& done, std::chrono::seconds limit,
                    const std::function<void()>& also) {
    const auto stop = std::chrono::steady_clock::now() + limit;
    while (!done() && std::chrono::steady_clock::now() < stop) {
        service(20);
        if (also) {
            also();
        }
    }
    return done();
}

bool Watcher::told(std::string_view part) const {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.find(part) != std::string::npos;
    });
}

} // namespace gloob::lobby::testing
