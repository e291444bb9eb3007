// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Two windows meet in the game's own lobby on loopback and find their way to
// each other with the probes, as players behind routers would.

#include "lobby/lobby_session.h"
#include "lobby_server.h"
#include "net/protocol.h"
#include "qt/lobby_window.h"
#include "qt/main_window.h"
#include "unused_port.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/socket.h>

#include <chrono>
#include <functional>
#include <memory>

namespace gloob {
namespace {

using namespace std::chrono_literals;

class LobbyRoute : public ::testing::Test {
protected:
    void SetUp() override {
        if (!lobby::testing::prosodyInstalled()) {
            GTEST_SKIP() << "prosody is not installed: no lobby to meet in";
        }
        server = std::make_unique<lobby::testing::LobbyServer>();
        ASSERT_EQ(server->failure(), "");
    }

    // A window signed in to the test's lobby as `name`, waiting at most
    // `path` for the way to the other machine.
    std::unique_ptr<MainWindow> player(const QString& name, std::chrono::milliseconds path) {
        auto window = std::make_unique<MainWindow>(LaunchOptions{});
        window->setMessageBox(
            [this](const QString&, const QString& text) { told.push_back(text); });
        window->setProgramEnd([] {});
        window->openLobby({});
        LobbyWindow* lobby = window->lobby();
        lobby->setRouteLimits({.stun = 300ms, .upnp = 0ms, .path = path});
        lobby->nameField()->setText(name);
        lobby->serverField()->setText(QString::fromStdString(server->address()));
        lobby->signIn();
        return window;
    }

    // Runs the event loop (and `also`) until `done`, at most 60 s: a busy
    // machine signing two windows in to a real lobby once took over 20 s.
    static bool until(const std::function<bool()>& done, const std::function<void()>& also = {}) {
        const auto limit = std::chrono::steady_clock::now() + 60s;
        while (!done() && std::chrono::steady_clock::now() < limit) {
            if (also) {
                also();
            }
            QTest::qWait(5);
        }
        return done();
    }

    // The joiner picks `host` in its list once it hosts, and asks to join.
    static bool joins(LobbyWindow& joiner, const QString& host,
                      const std::function<void()>& also = {}) {
        const bool listed = until(
            [&] {
                for (int row = 0; row < joiner.players()->count(); ++row) {
                    if (joiner.players()->item(row)->text().startsWith(host + " - hosting")) {
                        joiner.players()->setCurrentRow(row);
                        return joiner.joinButton()->isEnabled();
                    }
                }
                return false;
            },
            also);
        if (listed) {
            joiner.joinButton()->click();
        }
        return listed;
    }

    static std::string title(const MainWindow& window) {
        return window.windowTitle().toStdString();
    }

    std::unique_ptr<lobby::testing::LobbyServer> server;
    std::vector<QString> told;
};

// Each offers the addresses of its match's socket; the probes find the way
// and both titles say which.
TEST_F(LobbyRoute, TwoWindowsReachEachOtherOverTheProbes) {
    auto ann = player(QStringLiteral("Ann"), 10s);
    auto bob = player(QStringLiteral("Bob"), 10s);
    ASSERT_TRUE(until([&] { return ann->lobby()->hostButton()->isEnabled(); }));
    ann->lobby()->hostButton()->click();
    ASSERT_TRUE(joins(*bob->lobby(), QStringLiteral("Ann")));
    ASSERT_TRUE(until([&] {
        return title(*ann).find("via local network") != std::string::npos &&
               title(*bob).find("via local network") != std::string::npos;
    })) << title(*ann)
        << "\n"
        << title(*bob);
    EXPECT_NE(title(*ann).find("Online: Player 1"), std::string::npos) << title(*ann);
    EXPECT_NE(title(*bob).find("Online: Player 2"), std::string::npos) << title(*bob);
    EXPECT_EQ(bob->lobby()->failureBox(), nullptr);
    EXPECT_TRUE(told.empty());
    EXPECT_FALSE(bob->lobby()->routeLine()->isVisible()) << "nothing is being tried any more";
}

// A host that accepts but whose machine never answers a probe: the joiner
// tries what it was given, then says so once, what was tried and what to
// do, and waits in the lobby again.
TEST_F(LobbyRoute, SaysWhatWasTriedWhenNothingAnswers) {
    lobby::LobbySession host(server->lobbyAddress(), "Cid", net::protocolVersion);
    const std::uint16_t port = testing::unusedLoopbackPort(SOCK_DGRAM);
    const auto serviceHost = [&] {
        host.poll(lobby::LobbySession::Clock::now());
        host.takeEvents();
    };
    ASSERT_TRUE(until([&] { return host.inRoom(); }, serviceHost));
    host.host(5, port);
    auto bob = player(QStringLiteral("Bob"), 400ms);
    LobbyWindow& lobby = *bob->lobby();
    ASSERT_TRUE(joins(lobby, QStringLiteral("Cid"), serviceHost));
    bool tried = false;
    ASSERT_TRUE(until([&] { return lobby.failureBox() != nullptr; },
                      [&] {
                          serviceHost();
                          tried = tried || lobby.routeLine()->text().contains(
                                               QStringLiteral("local network"));
                      }));
    EXPECT_TRUE(tried) << "the window said what it tried meanwhile";
    const std::string text = lobby.failureBox()->text().toStdString();
    EXPECT_NE(text.find(":" + std::to_string(port) + ")"), std::string::npos) << text;
    EXPECT_NE(text.find("forward a UDP port"), std::string::npos) << text;
    EXPECT_NE(text.find("relay"), std::string::npos) << text;
    EXPECT_EQ(bob->online(), nullptr) << "no match begins";
    EXPECT_TRUE(until([&] { return lobby.joinButton()->isEnabled(); }, serviceHost))
        << "the player may ask again";
}

} // namespace
} // namespace gloob
