// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "net/protocol.h"
#include "qt/join_dialog.h"
#include "qt/lobby_window.h"
#include "unused_port.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/socket.h>

namespace gloob {
namespace {

using lobby::Activity;
using lobby::Occupant;
using lobby::PlayerState;

struct Listed {
    Occupant occupant;
    const char* line;
};

// Every state a presence can say, and one of another version that is never
// offered as a game to join.
TEST(LobbyWindow, ListsEachPlayerWithWhatTheyDo) {
    const std::uint16_t v = net::protocolVersion;
    const std::vector<Listed> table{
        {{"Ann", PlayerState{v, Activity::waiting, 5, {}, false}}, "Ann - waiting"},
        {{"Bob", PlayerState{v, Activity::hosting, 3, {}, false}}, "Bob - hosting, 3 balls"},
        {{"Cid", PlayerState{v, Activity::playing, 5, "Ann", false}}, "Cid - playing with Ann"},
        {{"Dee", PlayerState{static_cast<std::uint16_t>(v + 1), Activity::hosting, 5, {}, false}},
         "Dee - another version of the game"},
        {{"Eve", std::nullopt}, "Eve - chatting, no game"},
    };
    for (const Listed& row : table) {
        EXPECT_EQ(occupantLine(row.occupant, v).toStdString(), row.line);
    }
}

struct Signing {
    GameSettings settings;
    std::vector<GameSettings> kept;
    std::unique_ptr<LobbyWindow> window;

    Signing() {
        window = std::make_unique<LobbyWindow>(
            nullptr,
            LobbyWindow::Hooks{
                .settings = [this]() -> const GameSettings& { return settings; },
                .settingsChosen =
                    [this](const GameSettings& s) {
                        settings = s;
                        kept.push_back(s);
                    },
                .host = [](std::optional<lobby::ServiceAddress>,
                           lobby::LinkRoute::Limits) { return std::optional<std::uint16_t>(); },
                .join = [](const QString&) { return false; },
                .joinOver = {},
                .hostedRoute = {},
                .leave = [] {},
                .matchOn = [] { return false; }});
    }
    QString said() const { return window->chatView()->toPlainText(); }
};

// A name and a server are checked before anything is sent; the ones signed
// in with are kept.
TEST(LobbyWindow, SignsInOnlyWithANameAndAServer) {
    Signing s;
    s.window->nameField()->setText(QStringLiteral("  "));
    s.window->signIn();
    EXPECT_EQ(s.window->session(), nullptr);
    EXPECT_TRUE(s.said().contains(QStringLiteral("choose a name")));

    s.window->nameField()->setText(QStringLiteral("Ann"));
    s.window->serverField()->setText(QStringLiteral("lobby example"));
    s.window->signIn();
    EXPECT_EQ(s.window->session(), nullptr);
    EXPECT_TRUE(s.said().contains(QStringLiteral("is no lobby server")));
    EXPECT_TRUE(s.kept.empty());

    s.window->serverField()->setText(
        QStringLiteral("127.0.0.1:%1").arg(testing::unusedLoopbackPort(SOCK_STREAM)));
    s.window->signIn();
    ASSERT_NE(s.window->session(), nullptr);
    ASSERT_EQ(s.kept.size(), 1u);
    EXPECT_EQ(s.kept[0].lobbyName, QStringLiteral("Ann"));
    EXPECT_FALSE(s.window->nameField()->isEnabled());
}

// Nobody answers: the window says the lobby is gone and when it tries
// again, and neither Host nor Join is offered meanwhile.
TEST(LobbyWindow, SaysWhenTheLobbyIsGoneAndTriesAgain) {
    Signing s;
    s.window->nameField()->setText(QStringLiteral("Ann"));
    s.window->serverField()->setText(
        QStringLiteral("127.0.0.1:%1").arg(testing::unusedLoopbackPort(SOCK_STREAM)));
    s.window->signIn();
    ASSERT_NE(s.window->session(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return s.window->status()->text().contains(QStringLiteral("signing in again")); },
        10000))
        << s.window->status()->text().toStdString();
    EXPECT_FALSE(s.window->hostButton()->isEnabled());
    EXPECT_FALSE(s.window->joinButton()->isEnabled());
    EXPECT_FALSE(s.window->chatField()->isEnabled());

    s.window->signOut();
    EXPECT_EQ(s.window->session(), nullptr);
    EXPECT_TRUE(s.window->nameField()->isEnabled());
}

// The games that answered, one a line; one of another version cannot be
// chosen; choosing a game fills in its address, and activating it joins.
TEST(JoinDialog, ListsTheGamesOnTheNetworkToChooseFrom) {
    const std::uint16_t v = net::protocolVersion;
    JoinDialog dialog(nullptr, [v](std::string&) {
        return std::vector<lobby::FoundGame>{
            {{v, 8, "Ann"}, "198.51.100.1", 27960},
            {{static_cast<std::uint16_t>(v + 1), 5, "Old"}, "198.51.100.2", 27960}};
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.games()->count() == 2; }, 5000));
    EXPECT_EQ(dialog.games()->item(0)->text().toStdString(), "Ann at 198.51.100.1:27960, 8 balls");
    EXPECT_EQ(dialog.games()->item(1)->text().toStdString(),
              "Old at 198.51.100.2:27960, another version of the game");
    EXPECT_FALSE(dialog.games()->item(1)->flags() & Qt::ItemIsEnabled);
    dialog.games()->setCurrentRow(0);
    EXPECT_EQ(dialog.address().toStdString(), "198.51.100.1:27960");
    emit dialog.games()->itemActivated(dialog.games()->item(0));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

} // namespace
} // namespace gloob
