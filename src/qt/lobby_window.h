// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

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
        // Starts hosting a match; the UDP port, or nothing when it cannot.
        std::function<std::optional<std::uint16_t>()> host;
        // Joins the match at the address; false when it cannot begin.
        std::function<bool(const QString& address)> join;
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
};

} // namespace gloob
