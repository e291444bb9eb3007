// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Online play under realistic lag: two headless peers, each in a process of
// its own and paced like the window, play a busy 20-second match through a
// loopback relay that adds half the round trip each way, a little jitter and
// 2 % loss. Reports the input delay the host chose, the rollbacks (the game
// played again when the other player's input showed a guess wrong: how
// often, how far back, how long it took), the stalls (delivery points that
// waited for the other machine; those at the pause after a point apart),
// the bandwidth each way and the CPU each peer used.
//
// usage: gloob_online_bench [--json] [ROUND_TRIP_MS...]
//        (default 20 100 200; with --json 20 50 100 150 200 250, one object a line)

#include "app/heartbeat.h"
#include "online_run.h"
#include "relay.h"
#include "script/script.h"
#include "unused_port.h"

#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string_view>
#include <thread>

namespace {

using namespace gloob;
using namespace std::chrono_literals;

constexpr int matchSeconds = 20;

// Each player walks one way and the other and jumps, a key every 150 ms,
// so that input flows all the time; the host starts the match and ends it.
std::vector<ScriptEvent> busyScript(bool hosting) {
    std::ostringstream text;
    const int left = hosting ? 37 : 65;
    const int right = hosting ? 39 : 68;
    const int jump = hosting ? 38 : 87;
    if (hosting) {
        text << "0 click play\n";
    }
    for (int ms = 2200, i = 0; ms < matchSeconds * 1000; ms += 150, ++i) {
        const int key = i % 3 == 0 ? left : i % 3 == 1 ? right : jump;
        text << ms << " keydown " << key << "\n" << ms + 100 << " keyup " << key << "\n";
    }
    if (hosting) {
        text << matchSeconds * 1000 << " menu exit\n";
    }
    std::istringstream in(text.str());
    return std::get<std::vector<ScriptEvent>>(parseScript(in));
}

// Runs one peer in a child process; its summary goes to `statsPath`.
pid_t peer(const sim::OnlineOptions& base, const std::string& statsPath) {
    // What is printed so far must not be printed again by the child.
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid != 0) {
        return pid;
    }
    std::ofstream stats(statsPath);
    std::ofstream trace("/dev/null");
    sim::OnlineOptions options = base;
    options.stats = &stats;
    const int status = sim::runOnline(options, busyScript(options.hosting), trace, std::cerr, "");
    stats.flush();
    std::_Exit(status);
}

std::map<std::string, double> readStats(const std::string& path) {
    std::map<std::string, double> values;
    std::ifstream in(path);
    std::string field;
    while (in >> field) {
        const auto eq = field.find('=');
        if (eq != std::string::npos) {
            values[field.substr(0, eq)] = std::stod(field.substr(eq + 1));
        }
    }
    return values;
}

// One round trip's figures; bytes and CPU of the busier peer.
struct Figures {
    int rttMs = 0;
    int inputDelay = 0;
    double rollbacksPerSecond = 0;
    int maxRollback = 0;
    int maxReplayed = 0;
    double replayP99Micros = 0;
    int stalls = 0;
    double longestStallMs = 0;
    int stallsAtPoints = 0;
    int stallsForCommands = 0;
    double bytesPerSecond = 0;
    double cpuPercent = 0;
};

void printJson(const Figures& f) {
    std::printf("{\"rtt_ms\":%d,\"input_delay\":%d,\"rollbacks_per_s\":%.2f,"
                "\"max_rollback\":%d,\"max_replayed\":%d,\"resim_us_p99\":%.0f,\"stalls\":%d,"
                "\"longest_stall_ms\":%.1f,\"stalls_at_points\":%d,\"stalls_for_commands\":%d,"
                "\"bytes_per_s\":%.0f,\"cpu_percent\":%.1f}\n",
                f.rttMs, f.inputDelay, f.rollbacksPerSecond, f.maxRollback, f.maxReplayed,
                f.replayP99Micros, f.stalls, f.longestStallMs, f.stallsAtPoints,
                f.stallsForCommands, f.bytesPerSecond, f.cpuPercent);
    std::fflush(stdout);
}

double cpuSeconds(const rusage& usage) {
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    bool json = false;
    std::vector<int> roundTrips;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--json") {
            json = true;
        } else {
            roundTrips.push_back(std::atoi(argv[i]));
        }
    }
    if (roundTrips.empty()) {
        roundTrips =
            json ? std::vector<int>{20, 50, 100, 150, 200, 250} : std::vector<int>{20, 100, 200};
    }
    if (!json) {
        std::printf("Online play, %d s paced match, 2 %% loss, jitter 10 %% of the one-way delay\n",
                    matchSeconds);
        std::printf("%6s %10s %9s %8s %9s %7s %10s %8s %9s %9s %8s %8s\n", "rtt ms", "delay",
                    "rollbk/s", "max hb", "p99 us", "stalls", "longest ms", "at pts", "host B/s",
                    "join B/s", "host cpu", "join cpu");
    }
    int failures = 0;
    for (const int rtt : roundTrips) {
        const std::uint16_t hostPort = testing::unusedLoopbackPort(SOCK_DGRAM);
        const std::string dir = "/tmp/gloob_online_bench_" + std::to_string(getpid());
        const std::string hostStats = dir + "_host", joinStats = dir + "_join";
        sim::OnlineOptions host;
        host.hosting = true;
        host.port = hostPort;
        host.paced = true;
        const pid_t hostPid = peer(host, hostStats);
        std::this_thread::sleep_for(200ms);

        net::testing::Impairment lag;
        lag.delay = std::chrono::milliseconds(rtt / 2);
        lag.jitter = std::chrono::milliseconds(rtt / 20);
        lag.loss = 0.02;
        net::testing::Relay relay(hostPort, lag, 11);
        std::thread relaying([&] { relay.run(); });
        sim::OnlineOptions join;
        join.address = "127.0.0.1";
        join.port = relay.port();
        join.paced = true;
        const pid_t joinPid = peer(join, joinStats);

        int hostStatus = 0, joinStatus = 0;
        rusage hostUsage{}, joinUsage{};
        wait4(hostPid, &hostStatus, 0, &hostUsage);
        wait4(joinPid, &joinStatus, 0, &joinUsage);
        relay.stop();
        relaying.join();

        auto h = readStats(hostStats);
        auto j = readStats(joinStats);
        std::remove(hostStats.c_str());
        std::remove(joinStats.c_str());
        if (hostStatus != 0 || joinStatus != 0 || h.empty() || j.empty()) {
            std::fprintf(json ? stderr : stdout, "%8d   the match failed (status %d and %d)\n", rtt,
                         hostStatus, joinStatus);
            ++failures;
            continue;
        }
        const double played = h["seconds"];
        const Figures figures{
            .rttMs = rtt,
            .inputDelay = static_cast<int>(h["delay"]),
            .rollbacksPerSecond = (h["rollbacks"] + j["rollbacks"]) / 2 / played,
            .maxRollback =
                static_cast<int>((std::max(h["longest_rollback_us"], j["longest_rollback_us"]) +
                                  heartbeatMicros - 1) /
                                 heartbeatMicros),
            .maxReplayed = static_cast<int>(
                (std::max(h["longest_replay_us"], j["longest_replay_us"]) + heartbeatMicros - 1) /
                heartbeatMicros),
            .replayP99Micros = std::max(h["replay_us_p99"], j["replay_us_p99"]),
            .stalls = static_cast<int>(h["stalls"] + j["stalls"]),
            .longestStallMs = std::max(h["longest_stall_us"], j["longest_stall_us"]) / 1000,
            .stallsAtPoints = static_cast<int>(h["stalls_in_waits"] + j["stalls_in_waits"]),
            .stallsForCommands =
                static_cast<int>(h["stalls_for_commands"] + j["stalls_for_commands"]),
            .bytesPerSecond = std::max(h["sent"], j["sent"]) / played,
            .cpuPercent = 100 * std::max(cpuSeconds(hostUsage), cpuSeconds(joinUsage)) / played,
        };
        if (json) {
            printJson(figures);
            continue;
        }
        char delay[32];
        std::snprintf(delay, sizeof delay, "%d (%d ms)", figures.inputDelay,
                      static_cast<int>(figures.inputDelay * heartbeatMicros / 1000));
        std::printf("%6d %10s %9.2f %8d %9.0f %7d %10.1f %8d %9.0f %9.0f %7.1f%% %7.1f%%\n", rtt,
                    delay, figures.rollbacksPerSecond, figures.maxRollback, figures.replayP99Micros,
                    figures.stalls, figures.longestStallMs, figures.stallsAtPoints,
                    h["sent"] / played, j["sent"] / played, 100 * cpuSeconds(hostUsage) / played,
                    100 * cpuSeconds(joinUsage) / played);
    }
    if (!json) {
        std::printf(
            "rollbk/s: games played again a second, each peer; max hb: the longest, in\n"
            "heartbeats; p99 us: restoring and playing one again; at pts: stalls at the pause\n"
            "after a point; B/s: UDP payload each peer sent, ENet's headers included, per\n"
            "second of play; cpu: of one core, the whole process (start-up included).\n");
    }
    return failures == 0 ? 0 : 1;
}
