// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "app/heartbeat.h"
#include "net/handshake.h"
#include "net/lockstep.h"
#include "qt/main_window.h"

#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

namespace gloob {
namespace {

using namespace std::chrono_literals;

// A host in a thread of its own: it introduces itself, then answers every
// frame of the window's with a frontier as far as the window's, until told
// to say goodbye or to fall silent.
class FakeHost {
public:
    FakeHost() {
        std::string error;
        link_ = net::Link::listen(0, error);
        port_ = link_ ? link_->port() : 0;
        thread_ = std::thread([this] { run(); });
    }
    ~FakeHost() {
        stop_ = true;
        thread_.join();
    }
    std::uint16_t port() const { return port_; }
    std::atomic<bool> sayGoodbye{false};
    std::atomic<bool> fallSilent{false};
    // Player 1 chooses Exit.
    std::atomic<bool> exitGame{false};

private:
    void run() {
        net::Handshake handshake(*link_, true);
        while (!stop_ && handshake.advance(2) == net::Handshake::State::waiting) {
        }
        const net::Agreement agreed = handshake.agreement();
        net::LockstepBuffer buffer(1, agreed.inputDelay);
        const std::int64_t delay = agreed.inputDelay * heartbeatMicros;
        std::int64_t taken = -1;
        while (!stop_ && handshake.state() == net::Handshake::State::agreed) {
            if (fallSilent) {
                link_.reset();
                return;
            }
            if (sayGoodbye.exchange(false)) {
                link_->send(net::Bye{agreed.session, net::ByeReason::left, 0}, true);
            }
            for (const net::Message& m : link_->service(2)) {
                if (const auto* frame = std::get_if<net::InputFrame>(&m)) {
                    buffer.receive(*frame);
                    // A frame that does not move the frontier (a resend) takes
                    // no input: the buffer would drop it.
                    const std::int64_t now = frame->frontier - delay;
                    std::vector<GameEvent> input;
                    if (now > taken && exitGame.exchange(false)) {
                        input.push_back(GameEvent::menu(MenuId::mnuExit));
                    }
                    taken = std::max(taken, now);
                    buffer.takeLocal(now, input);
                    link_->send(buffer.frame(agreed.session), false);
                }
            }
        }
    }

    std::unique_ptr<net::Link> link_;
    std::uint16_t port_ = 0;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

class OnlineWindow : public ::testing::Test {
protected:
    void SetUp() override { open({}); }
    void open(const LaunchOptions& options) {
        window = std::make_unique<MainWindow>(options);
        window->setMessageBox(
            [this](const QString&, const QString& message) { messages.push_back(message); });
        window->setProgramEnd([] {});
        window->show();
    }

    std::string title() const { return window->windowTitle().toStdString(); }

    // Runs the window's event loop until `done`, at most 10 s.
    bool until(const std::function<bool()>& done) {
        const auto limit = std::chrono::steady_clock::now() + 10s;
        while (!done() && std::chrono::steady_clock::now() < limit) {
            QTest::qWait(5);
        }
        return done();
    }

    // The window joins the test's host and plays player 2.
    void joinTheHost() {
        ASSERT_NE(host.port(), 0);
        ASSERT_TRUE(window->joinOnline(QStringLiteral("127.0.0.1:%1").arg(host.port())));
        ASSERT_TRUE(until([&] { return title().find("Online: Player 2") != std::string::npos; }))
            << title();
    }

    std::unique_ptr<MainWindow> window;
    std::vector<QString> messages;
    FakeHost host;
};

bool enabled(QAction* action) {
    return action->isEnabled();
}

TEST_F(OnlineWindow, HostingWaitsWithNothingAtHandThatWouldSplitTheGames) {
    ASSERT_TRUE(window->hostOnline(0));
    EXPECT_NE(title().find("Hosting on UDP port"), std::string::npos) << title();
    EXPECT_TRUE(window->paused()) << "the game here waits";
    for (QAction* off : {window->hostOnlineAction(), window->joinOnlineAction(),
                         window->pauseAction(), window->watchReplayAction()}) {
        EXPECT_FALSE(enabled(off)) << off->text().toStdString();
    }
    EXPECT_TRUE(enabled(window->leaveOnlineAction()));
    EXPECT_TRUE(enabled(window->menuAction(MenuId::mnuNumberBalls))) << "the host chooses";

    // A machine looking for games on the network hears of this one, by the
    // name it goes by in the lobby (none chosen here) and its match length.
    const int probe = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    to.sin_port = htons(window->online()->port());
    const auto datagram = lobby::lanProbe(net::protocolVersion);
    sendto(probe, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to);
    std::vector<std::uint8_t> answer(512);
    ssize_t got = -1;
    ASSERT_TRUE(until([&] {
        got = got > 0 ? got : recv(probe, answer.data(), answer.size(), MSG_DONTWAIT);
        return got > 0;
    }));
    close(probe);
    answer.resize(static_cast<std::size_t>(got));
    EXPECT_EQ(lobby::parseLanAnswer(answer),
              (lobby::LanGame{net::protocolVersion, 5, "A Gloob player"}));

    window->leaveOnline();
    EXPECT_EQ(title(), "Gloob Volleyballl");
    EXPECT_FALSE(window->paused());
    EXPECT_TRUE(enabled(window->pauseAction()));
    EXPECT_TRUE(messages.empty());
}

TEST_F(OnlineWindow, AnAddressThatIsNoneIsRefusedWithAMessage) {
    EXPECT_FALSE(window->joinOnline(QStringLiteral("host:port")));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("no address"))) << messages[0].toStdString();
    EXPECT_EQ(window->online(), nullptr);
}

TEST_F(OnlineWindow, TheJoiningPlayerPlaysTheHostsMatch) {
    joinTheHost();
    EXPECT_NE(title().find("input delay 0 (0 ms)"), std::string::npos) << title();
    EXPECT_FALSE(enabled(window->menuAction(MenuId::mnuNumberBalls)));
    EXPECT_FALSE(enabled(window->menuAction(MenuId::mnuBackround)));
    EXPECT_FALSE(enabled(window->pauseAction()));
    // Time goes on: the lockstep with the host runs.
    const std::int64_t began = window->engine().nowMicros();
    ASSERT_TRUE(until([&] { return window->engine().nowMicros() > began + 500'000; }));
    EXPECT_TRUE(window->online()->playing());
}

TEST_F(OnlineWindow, AHostThatSaysGoodbyeEndsTheMatchWithAMessage) {
    joinTheHost();
    host.sayGoodbye = true;
    ASSERT_TRUE(until([&] { return !messages.empty(); })) << title();
    EXPECT_EQ(messages.back().toStdString(), "The other player left the game.");
    EXPECT_EQ(window->online(), nullptr);
    EXPECT_EQ(title(), "Gloob Volleyballl");
}

// Here the program goes on after the match: the trace holds no exit, and
// the recording ends as the run did, whichever player left.
struct LeavingCase {
    const char* name;
    bool hostLeaves;
    const char* message; // what the window says, if anything
};
void PrintTo(const LeavingCase& c, std::ostream* os) {
    *os << c.name;
}

class Leaving : public OnlineWindow, public ::testing::WithParamInterface<LeavingCase> {};

TEST_P(Leaving, EndsOnlyTheMatchInTraceAndRecording) {
    QTemporaryDir folder;
    LaunchOptions options;
    options.tracePath = folder.filePath(QStringLiteral("match.trace")).toStdString();
    options.recordPath = folder.filePath(QStringLiteral("match.replay")).toStdString();
    options.joinAddress = QStringLiteral("127.0.0.1:%1").arg(host.port()).toStdString();
    open(options);
    ASSERT_TRUE(until([&] { return title().find("Online: Player 2") != std::string::npos; }))
        << title();
    const std::int64_t began = window->engine().nowMicros();
    ASSERT_TRUE(until([&] { return window->engine().nowMicros() > began + 200'000; }));
    if (GetParam().hostLeaves) {
        host.exitGame = true;
    } else {
        window->leaveOnline();
    }
    ASSERT_TRUE(until([&] { return window->online() == nullptr; })) << title();
    EXPECT_EQ(title(), "Gloob Volleyballl");
    if (*GetParam().message != '\0') {
        ASSERT_TRUE(until([&] { return !messages.empty(); }));
        EXPECT_EQ(messages.back().toStdString(), GetParam().message);
    }

    const auto lines = [](const std::string& path) {
        std::ifstream file(path);
        std::vector<std::string> all;
        for (std::string line; std::getline(file, line);) {
            all.push_back(line);
        }
        return all;
    };
    const auto trace = lines(options.tracePath);
    ASSERT_FALSE(trace.empty());
    for (const std::string& line : trace) {
        EXPECT_EQ(line.find("\"ev\":\"exit\""), std::string::npos) << line;
    }
    const auto recording = lines(options.recordPath);
    ASSERT_FALSE(recording.empty());
    EXPECT_TRUE(recording.back().ends_with(" end")) << recording.back();
    for (const std::string& line : recording) {
        EXPECT_EQ(line.find("exit"), std::string::npos) << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, Leaving,
                         ::testing::Values(LeavingCase{"TheHostChoosesExit", true,
                                                       "The other player left the game."},
                                           LeavingCase{"ThisPlayerLeaves", false, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(OnlineWindow, AHostThatFallsSilentIsReportedWithinFiveSeconds) {
    joinTheHost();
    const auto silent = std::chrono::steady_clock::now();
    host.fallSilent = true; // gone without a word, as a crash would be
    ASSERT_TRUE(until([&] { return !messages.empty(); })) << title();
    EXPECT_LE(std::chrono::steady_clock::now() - silent, 5s);
    EXPECT_EQ(messages.back().toStdString(), "The other player stopped answering.");
    EXPECT_EQ(window->online(), nullptr);
}

} // namespace
} // namespace gloob
