// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Two gloob-sim processes play GLOOB_ONLINE_SOAK_MINUTES of game time (an hour
// with `make soak`) through the hostile relay, as fast as the lockstep lets
// them: every match completes, both traces are the same, memory stays flat.
#include "relay.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>
#include <thread>

extern char** environ;

namespace gloob::net::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer holds freed memory back for a while (and LeakSanitizer
// looks for leaks): resident memory tells nothing there.
constexpr bool residentMemoryTells = false;
#else
constexpr bool residentMemoryTells = true;
#endif

int soakMinutes() {
    const char* text = std::getenv("GLOOB_ONLINE_SOAK_MINUTES");
    return text != nullptr ? std::max(1, std::atoi(text)) : 5;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Both players press their own keys at random, the host clicks Play! now
// and then (a click on a hidden button does nothing) and changes the match
// length between matches; either reads Help now and then. The host's Exit
// ends it all.
std::string script(int side, std::int64_t minutes, std::uint32_t seed) {
    std::mt19937 random(seed);
    const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const std::array<int, 3> keys = side == 1 ? std::array{37, 38, 39} : std::array{65, 68, 87};
    std::ostringstream out;
    const std::int64_t end = minutes * 60'000;
    for (std::int64_t ms = 0; ms < end; ms += 20 + pick(300)) {
        const int choice = pick(1000);
        if (side == 1 && choice < 10) {
            out << ms << " click play\n";
        } else if (side == 1 && choice < 12) {
            out << ms << " menu " << std::array{"3", "5", "8"}[pick(3)] << "\n";
        } else if (choice < 13) {
            out << ms << " menu " << (pick(2) == 0 ? "about" : "instructions") << "\n";
        } else if (side == 2 && choice < 15) {
            out << ms << " focusout\n";
        } else {
            out << ms << (pick(3) == 0 ? " keyup " : " keydown ") << keys[pick(3)] << "\n";
        }
    }
    if (side == 1) {
        out << end << " menu exit\n";
    }
    return out.str();
}

// What the trace showed, read as it comes: a digest of every byte, and the
// matches begun (Play! hidden) and ended (Game Over shown).
struct TraceSummary {
    std::uint64_t digest = 14695981039346656037ull;
    std::uint64_t bytes = 0;
    std::int64_t lastMicros = 0;
    int matchesBegun = 0;
    int matchesEnded = 0;
    bool playShown = true;
    bool gameOverShown = false;

    void line(std::string_view text) {
        for (const char c : text) {
            digest = (digest ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        }
        bytes += text.size() + 1;
        lastMicros = std::atoll(text.data() + 5); // {"t":
        const auto ui = text.find("\"ui\":[");
        const auto lbl = text.find("\"lbl\":[");
        if (ui == std::string_view::npos || lbl == std::string_view::npos) {
            return;
        }
        const bool play = text[ui + 6] == '1';
        const auto close = text.find(']', lbl);
        const bool gameOver = text[close - 1] == '1';
        matchesBegun += playShown && !play ? 1 : 0;
        matchesEnded += !gameOverShown && gameOver ? 1 : 0;
        playShown = play;
        gameOverShown = gameOver;
    }
};

// A gloob-sim process whose trace is summed up as it is written.
class Peer {
public:
    Peer(std::vector<std::string> args, const fs::path& err) {
        std::vector<char*> argv;
        args.insert(args.begin(), GLOOB_SIM_BINARY);
        for (std::string& a : args) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        int pipeEnds[2];
        EXPECT_EQ(pipe(pipeEnds), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], 1);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(pipeEnds[1]);
        reader_ = std::thread([this, fd = pipeEnds[0]] { read(fd); });
    }
    ~Peer() {
        if (pid_ > 0 && !status_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (reader_.joinable()) {
            reader_.join();
        }
    }
    Peer(const Peer&) = delete;
    Peer& operator=(const Peer&) = delete;

    bool running() {
        if (!status_ && pid_ > 0) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
        }
        return pid_ > 0 && !status_;
    }
    int status() const { return status_.value_or(-1); }
    // Resident memory in kB, 0 once it has ended.
    long residentKb() const {
        std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.starts_with("VmRSS:")) {
                return std::atol(line.c_str() + 6);
            }
        }
        return 0;
    }
    std::int64_t traceMicros() const { return progress_.load(); }
    // Once it has ended.
    const TraceSummary& summary() {
        if (reader_.joinable()) {
            reader_.join();
        }
        return summary_;
    }

private:
    void read(int fd) {
        std::string pending;
        std::vector<char> buffer(1 << 16);
        ssize_t got = 0;
        while ((got = ::read(fd, buffer.data(), buffer.size())) > 0) {
            pending.append(buffer.data(), static_cast<std::size_t>(got));
            std::size_t from = 0;
            for (std::size_t end; (end = pending.find('\n', from)) != std::string::npos;
                 from = end + 1) {
                summary_.line(std::string_view(pending).substr(from, end - from));
            }
            pending.erase(0, from);
            progress_ = summary_.lastMicros;
        }
        close(fd);
    }

    pid_t pid_ = -1;
    std::optional<int> status_;
    std::thread reader_;
    TraceSummary summary_;
    std::atomic<std::int64_t> progress_{0};
};

std::optional<std::uint16_t> hostPort(const fs::path& err) {
    const std::regex line("hosting on UDP port ([0-9]+)");
    for (int i = 0; i < 1000; ++i) {
        std::smatch match;
        const std::string text = readFile(err);
        if (std::regex_search(text, match, line)) {
            return static_cast<std::uint16_t>(std::stoi(match[1]));
        }
        std::this_thread::sleep_for(10ms);
    }
    return std::nullopt;
}

TEST(OnlineSoak, EveryMatchCompletesAndBothTracesStayTheSame) {
    const int minutes = soakMinutes();
    // A folder of this process's own: other runs of the tests may share the machine.
    const fs::path dir =
        fs::path(::testing::TempDir()) / ("online_soak_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ofstream(dir / "host.script") << script(1, minutes, 11);
    std::ofstream(dir / "join.script") << script(2, minutes, 12);

    Peer host({"--host", "0", (dir / "host.script").string()}, dir / "host.err");
    const auto port = hostPort(dir / "host.err");
    ASSERT_TRUE(port.has_value()) << readFile(dir / "host.err");
    Relay relay(*port, {0ms, 1ms, 0.01, 0.01, true}, 5);
    const auto limit = std::chrono::seconds(60 + minutes * 30);
    std::thread relaying([&] { relay.run(limit); });
    Peer join(
        {"--join", "127.0.0.1:" + std::to_string(relay.port()), (dir / "join.script").string()},
        dir / "join.err");

    // Memory once the first fifth of the game is played, and the most after.
    const std::int64_t warm = minutes * 60'000'000ll / 5;
    long warmKb = 0;
    long peakKb = 0;
    const auto until = std::chrono::steady_clock::now() + limit;
    while ((host.running() || join.running()) && std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(100ms);
        const long kb = std::max(host.residentKb(), join.residentKb());
        long& seen = std::min(host.traceMicros(), join.traceMicros()) < warm ? warmKb : peakKb;
        seen = std::max(seen, kb);
    }
    relay.stop();
    relaying.join();

    EXPECT_EQ(host.status(), 0) << readFile(dir / "host.err");
    EXPECT_EQ(join.status(), 0) << readFile(dir / "join.err");
    const TraceSummary& h = host.summary();
    const TraceSummary& j = join.summary();
    EXPECT_EQ(h.bytes, j.bytes);
    EXPECT_EQ(h.digest, j.digest) << "the traces differ";
    EXPECT_GE(h.lastMicros, minutes * 60'000'000ll) << "played to the end";
    EXPECT_GE(h.matchesEnded, minutes / 2) << "matches were played";
    EXPECT_GE(h.matchesEnded, h.matchesBegun - 1) << "every match but one cut by Exit ended";
    if (residentMemoryTells) {
        EXPECT_LT(peakKb, warmKb + 8 * 1024) << "memory grew from " << warmKb << " kB";
    }
    EXPECT_GT(relay.stats().lost, 0u);
    EXPECT_GT(relay.stats().invented, 0u);
    std::cout << minutes << " min of game time: " << h.matchesEnded << " matches, "
              << h.bytes / 1'000'000 << " MB of trace, lost " << relay.stats().lost << " of "
              << relay.stats().forwarded << " datagrams, invented " << relay.stats().invented
              << ", memory " << warmKb << " -> " << peakKb << " kB\n";
    if (!HasFailure()) {
        fs::remove_all(dir);
    }
}

} // namespace
} // namespace gloob::net::testing
