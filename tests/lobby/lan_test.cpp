// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Games on the local network: two network namespaces of the test's own,
// joined by a cable of documentation addresses, one hosting and one looking
// for games, which finds it and joins it.

#include "child_process.h"
#include "lobby/lan.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <thread>

namespace gloob::lobby::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using net::testing::ChildProcess;
using net::testing::readFile;
using net::testing::writeFile;

TEST(LanAnswers, AreReadOrRefused) {
    const LanGame ann{2, 8, "Ann"};
    const std::vector<std::uint8_t> good = lanAnswer(ann);
    EXPECT_EQ(parseLanAnswer(good), ann);
    EXPECT_TRUE(isLanProbe(lanProbe(2)));
    EXPECT_FALSE(isLanProbe(good));

    using Bytes = std::vector<std::uint8_t>;
    const Bytes refused[] = {
        {},
        Bytes(good.begin(), good.end() - 1), // cut short
        [&] {
            Bytes b = good;
            b.push_back('x');
            return b;
        }(), // one byte more
        [&] {
            Bytes b = good;
            b[6] = 4;
            return b;
        }(), // no match length of the game
        [&] {
            Bytes b = good;
            b[4] = b[5] = 0;
            return b;
        }(), // no version
        lanProbe(2),
    };
    for (const Bytes& bytes : refused) {
        EXPECT_FALSE(parseLanAnswer(bytes).has_value()) << bytes.size();
    }
    EXPECT_EQ(parseLanAnswer(lanAnswer({2, 5, "\x1b[2JEve\xE2\x80\xAE"}))->name, "[2JEve")
        << "a name is cleaned when read";
}

// Two namespaces and a cable between them, removed at the end.
class TwoMachines {
public:
    TwoMachines() {
        // A machine that allows no namespace (a container without the
        // right) skips; one that allows them must build the whole network.
        allowed_ = std::system(("ip netns add " + host_ + " 2>/dev/null").c_str()) == 0;
        std::string script = R"(set -e
ip netns add gloob-lan-jID
ip link add glhID netns gloob-lan-hID type veth peer name gljID netns gloob-lan-jID
for n in h j; do
  a=1; [ $n = j ] && a=2
  ip -n gloob-lan-${n}ID addr add 198.51.100.$a/24 brd + dev gl${n}ID
  ip -n gloob-lan-${n}ID link set gl${n}ID up
  ip -n gloob-lan-${n}ID link set lo up
done)";
        for (std::size_t at; (at = script.find("ID")) != std::string::npos;) {
            script.replace(at, 2, id_);
        }
        ready_ = allowed_ && std::system(("sh -c '" + script + "'").c_str()) == 0;
    }
    ~TwoMachines() {
        std::system(
            ("ip netns del " + host_ + " 2>/dev/null; ip netns del " + join_ + " 2>/dev/null")
                .c_str());
    }
    TwoMachines(const TwoMachines&) = delete;
    TwoMachines& operator=(const TwoMachines&) = delete;

    bool allowed() const { return allowed_; }
    bool ready() const { return ready_; }
    // gloob-sim's arguments run inside one of them.
    std::vector<std::string> on(const std::string& machine, std::vector<std::string> args) const {
        args.insert(args.begin(), {"netns", "exec", machine, GLOOB_SIM_BINARY});
        return args;
    }
    const std::string& host() const { return host_; }
    const std::string& join() const { return join_; }

private:
    std::string id_ = std::to_string(getpid() % 100000);
    std::string host_ = "gloob-lan-h" + id_;
    std::string join_ = "gloob-lan-j" + id_;
    bool allowed_ = false;
    bool ready_ = false;
};

TEST(LanGames, AGameHostedOnTheNetworkIsListedAndJoined) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "making network namespaces needs root";
    }
    if (std::system("command -v ip >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "ip is not installed (iproute2)";
    }
    TwoMachines machines;
    if (!machines.allowed()) {
        GTEST_SKIP() << "this machine allows no network namespace here";
    }
    ASSERT_TRUE(machines.ready()) << "the two machines' network could not be made";
    const fs::path dir = fs::path(::testing::TempDir()) / ("lan_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    writeFile(dir / "host.script", "0 menu 8\n200 click play\n2300 keydown 37\n3300 keyup 37\n"
                                   "5000 menu exit\n");
    writeFile(dir / "join.script", "2200 keydown 68\n3000 keyup 68\n");

    ChildProcess host("ip",
                      machines.on(machines.host(), {"--host", "27960", "--name", "Ann",
                                                    (dir / "host.script").string()}),
                      dir / "host.trace", dir / "host.err");
    // A bound on the wait for the host to listen, not a measure of speed.
    const auto until = std::chrono::steady_clock::now() + 20s;
    while (readFile(dir / "host.err").find("hosting on UDP port") == std::string::npos &&
           std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_for(20ms);
    }
    ChildProcess find("ip", machines.on(machines.join(), {"--find"}), dir / "find.out",
                      dir / "find.err");
    ASSERT_EQ(find.wait(30s), 0) << readFile(dir / "find.err");
    EXPECT_EQ(readFile(dir / "find.out"), "Ann at 198.51.100.1:27960, 8 balls\n")
        << readFile(dir / "find.err");

    ChildProcess join(
        "ip",
        machines.on(machines.join(), {"--join", "198.51.100.1", (dir / "join.script").string()}),
        dir / "join.trace", dir / "join.err");
    EXPECT_EQ(host.wait(60s), 0) << readFile(dir / "host.err");
    EXPECT_EQ(join.wait(10s), 0) << readFile(dir / "join.err");
    const std::string trace = readFile(dir / "host.trace");
    EXPECT_GT(trace.size(), 10'000u);
    EXPECT_TRUE(trace == readFile(dir / "join.trace")) << "the two traces differ";
}

} // namespace
} // namespace gloob::lobby::testing
