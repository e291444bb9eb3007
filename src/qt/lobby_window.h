// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "lobby/link_route.h"
#include "lobby/lobby_session.h"
#include "settings/game_settings.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QLabel;
class QMessageBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace gloob::net {
class Link;
}

namespace gloob {

// How a player in the room is listed: their name and what they do.
QString occupantLine(const lobby::Occupant& occupant, std::uint16_t version);

// The lobby's window: the player signs in under a name, sees who is in the
// room and what they do, chats, hosts a match or joins one. The match itself
// is the game window's online match, as Host and Join in the Game menu start
// it. Everything a stranger sends is shown as plain text.
class LobbyWindow final : public QWidget {
public:
    struct Hooks {
        std::function<const GameSettings&()> settings;
        std::function<void(const GameSettings&)> settingsChosen;
        // Starts hosting a match, finding the way to its joiner with the
        // STUN server; the UDP port, or nothing when it cannot.
        std::function<std::optional<std::uint16_t>(std::optional<lobby::ServiceAddress> stun,
                                                   lobby::LinkRoute::Limits limits)>
            host;
        // Joins the match at the address; false when it cannot begin.
        std::function<bool(const QString& address)> join;
        // Joins over a link the checks found a way for (`where`, by `path`),
        // through `relay` when the way goes through one.
        std::function<bool(std::unique_ptr<net::Link> link, const QString& where,
                           const QString& path, std::unique_ptr<traversal::RelayThread> relay)>
            joinOver;
        // The hosted match's way to its joiner, while it is being found.
        std::function<lobby::LinkRoute*()> hostedRoute;
        // Ends the online match, if any.
        std::function<void()> leave;
        // Whether an online match, begun or waiting, is on.
        std::function<bool()> matchOn;
    };

    LobbyWindow(QWidget* owner, Hooks hooks);
    ~LobbyWindow() override;

    // Shows the window; with a server, signs in to it at once when the
    // player has a name.
    void open(const QString& server = {});
    void signIn();
    void signOut();
    const lobby::LobbySession* session() const { return session_.get(); }
    // Tests wait less than players.
    void setRouteLimits(lobby::LinkRoute::Limits limits) { limits_ = limits; }

    // For tests and the keyboard.
    QLineEdit* nameField() const { return name_; }
    QLineEdit* serverField() const { return server_; }
    QLineEdit* chatField() const { return chat_; }
    QListWidget* players() const { return players_; }
    QPlainTextEdit* chatView() const { return chatView_; }
    QLabel* status() const { return status_; }
    QPushButton* signInButton() const { return signIn_; }
    QPushButton* hostButton() const { return host_; }
    QPushButton* joinButton() const { return join_; }
    QPushButton* challengeButton() const { return challenge_; }
    QCheckBox* askFirstBox() const { return askFirst_; }
    // The question put to this player when someone asks to join or
    // challenges them; nothing while none is.
    QMessageBox* question() const { return question_; }
    // The ways to the other machine being tried, while they are.
    QLabel* routeLine() const { return routeLine_; }
    // What the player is told when no way to the other machine answered.
    QMessageBox* failureBox() const { return failure_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void poll();
    void handle(const lobby::LobbySession::Event& event);
    void say();
    void toggleHosting();
    void joinChosen();
    void challengeChosen();
    void ask(const lobby::LobbySession::Event& event);
    void answer(const std::string& nick, bool challenge, bool yes);
    void closeQuestion();
    void startAsking(const QString& nick, bool challenge);
    // Hosts with the lobby's STUN server and relay; the match's port.
    std::optional<std::uint16_t> hostWithRoute();
    lobby::LinkRoute* hostedRoute() const;
    void stepRoute();
    void stepJoinRoute();
    void stepHostedRoute(lobby::LinkRoute& route);
    void connectFound();
    void dropJoin();
    void reachedNothing(const lobby::LinkRoute& route, const std::string& nick);
    void tellLines(lobby::LinkRoute& route);
    std::optional<lobby::ServiceAddress> stunServer();
    void showRoster();
    void showState();
    void tell(const QString& text);
    QString chosenNick() const;

    Hooks hooks_;
    QString serverShown_;
    std::unique_ptr<lobby::LobbySession> session_;
    // The online match was begun from here: its end is the lobby's too.
    bool ownMatch_ = false;
    QTimer timer_;
    QLineEdit* name_ = nullptr;
    QLineEdit* server_ = nullptr;
    QLineEdit* account_ = nullptr;
    QLineEdit* password_ = nullptr;
    QCheckBox* keepPassword_ = nullptr;
    QPushButton* signIn_ = nullptr;
    QLabel* status_ = nullptr;
    QListWidget* players_ = nullptr;
    QPlainTextEdit* chatView_ = nullptr;
    QLineEdit* chat_ = nullptr;
    QPushButton* say_ = nullptr;
    QPushButton* host_ = nullptr;
    QPushButton* join_ = nullptr;
    QPushButton* challenge_ = nullptr;
    QCheckBox* askFirst_ = nullptr;
    QMessageBox* question_ = nullptr;
    QLabel* routeLine_ = nullptr;
    QMessageBox* failure_ = nullptr;
    lobby::LinkRoute::Limits limits_;
    // A joiner's way to the host, from the socket its match will use: its
    // candidates gathered before it asks, the host's probed once accepted.
    std::unique_ptr<net::Link> joinLink_;
    std::unique_ptr<lobby::LinkRoute> joinRoute_;       // after the link: goes first
    std::optional<std::pair<std::string, bool>> toAsk_; // nick, a challenge
    std::string joinWith_;                              // the host who accepted
    std::string hostedWith_;                            // the joiner this host took
    QTimer routeTimer_;
};

} // namespace gloob
