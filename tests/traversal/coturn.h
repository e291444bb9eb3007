// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "traversal/endpoint.h"
#include "udp_socket.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <thread>

namespace gloob::traversal {

inline constexpr std::string_view coturnSecret = "relay-test-secret";

// coturn on 127.0.0.1 with a configuration and log of its own, for as long
// as this lives; with `nonceSeconds`, its nonces go stale that soon.
class Coturn {
public:
    explicit Coturn(int nonceSeconds = 0) {
        if (!std::filesystem::exists("/usr/bin/turnserver")) {
            return;
        }
        dir_ = std::filesystem::temp_directory_path() /
               ("gloob-turn-" + std::to_string(getpid()) + "-" + std::to_string(++made()));
        std::filesystem::create_directories(dir_);
        {
            // A port nobody holds now: the system's pick for a socket just closed.
            const Stranger probe;
            port_ = probe.where().port;
        }
        std::ofstream(dir_ / "turnserver.conf")
            << "listening-ip=127.0.0.1\nrelay-ip=127.0.0.1\nlistening-port=" << port_
            << "\nuse-auth-secret\nstatic-auth-secret=" << coturnSecret
            << "\nrealm=gloob.test\nallow-loopback-peers\nno-tls\nno-dtls\nno-tcp\nno-cli\n"
               "simple-log\nno-stdout-log\nlog-file="
            << (dir_ / "turn.log").string() << "\npidfile=" << (dir_ / "turn.pid").string()
            << "\nuserdb=" << (dir_ / "turndb").string() << "\n";
        if (nonceSeconds > 0) {
            std::ofstream(dir_ / "turnserver.conf", std::ios::app)
                << "stale-nonce=" << nonceSeconds << "\nverbose\n";
        }
        pid_ = fork();
        if (pid_ == 0) {
            const std::string config = (dir_ / "turnserver.conf").string();
            execl("/usr/bin/turnserver", "turnserver", "-c", config.c_str(), nullptr);
            _exit(127);
        }
        // Ready once it says it made its servers.
        for (int i = 0; i < 100 && log().find("Total General servers") == std::string::npos; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }
    ~Coturn() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        if (!dir_.empty()) {
            std::filesystem::remove_all(dir_);
        }
    }
    Coturn(const Coturn&) = delete;
    Coturn& operator=(const Coturn&) = delete;

    bool running() const { return pid_ > 0; }
    Endpoint where() const { return {loopback, port_}; }
    std::string log() const {
        std::ifstream in(dir_ / "turn.log");
        return {std::istreambuf_iterator<char>(in), {}};
    }

private:
    static int& made() {
        static int count = 0;
        return count;
    }

    std::filesystem::path dir_;
    std::uint16_t port_ = 0;
    pid_t pid_ = -1;
};

} // namespace gloob::traversal
