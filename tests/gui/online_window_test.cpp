// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "app/heartbeat.h"
#include "net/handshake.h"
#include "net/lockstep.h"
#include "qt/host_addresses.h"
#include "qt/main_window.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace gloob {
namespace {

using namespace std::chrono_literals;

struct PromptCase {
    const char* name;
    std::vector<const char*> addresses;
    std::vector<std::string> shown; // in this order
    std::vector<std::string> hidden;
};
void PrintTo(const PromptCase& c, std::ostream* os) {
    *os << c.name;
}

class HostPrompt : public ::testing::TestWithParam<PromptCase> {};

// The host tells the other player an address they can join: IPv4 ones,
// each once, and says so when there is none.
TEST_P(HostPrompt, ShowsTheAddressesToJoin) {
    QList<QHostAddress> addresses;
    for (const char* address : GetParam().addresses) {
        addresses << QHostAddress(QString::fromLatin1(address));
    }
    const std::string prompt = hostPrompt(addresses).toStdString();
    std::size_t from = 0;
    for (const std::string& part : GetParam().shown) {
        const auto at = prompt.find(part, from);
        EXPECT_NE(at, std::string::npos) << part << " in " << prompt;
        from = at == std::string::npos ? from : at + part.size();
        EXPECT_EQ(prompt.find(part), prompt.rfind(part)) << part << " twice in " << prompt;
    }
    for (const std::string& part : GetParam().hidden) {
        EXPECT_EQ(prompt.find(part), std::string::npos) << part << " in " << prompt;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HostPrompt,
    ::testing::Values(
        PromptCase{"One", {"192.0.2.7"}, {"this machine's address", "192.0.2.7", "port"}, {}},
        PromptCase{"Several",
                   {"192.0.2.7", "2001:db8::7", "198.51.100.3", "127.0.0.1", "192.0.2.7"},
                   {"one of", "192.0.2.7", "198.51.100.3", "port"},
                   {"2001:db8", "127.0.0.1"}},
        PromptCase{"None", {"::1", "fe80::1"}, {"no network", "port"}, {"fe80", "::1"}}),
    [](const auto& info) { return std::string(info.param.name); });

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

private:
    void run() {
        net::Handshake handshake(*link_, true);
        while (!stop_ && handshake.advance(2) == net::Handshake::State::waiting) {
        }
        const net::Agreement agreed = handshake.agreement();
        net::LockstepBuffer buffer(1, agreed.inputDelay);
        const std::int64_t delay = agreed.inputDelay * heartbeatMicros;
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
                    buffer.takeLocal(frame->frontier - delay, {});
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
    void SetUp() override {
        window = std::make_unique<MainWindow>();
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
    EXPECT_NE(title().find("input delay 2 (31 ms)"), std::string::npos) << title();
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
