// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "game_starter.h"
#include "launch_options.h"
#include "online_play.h"
#include "settings/game_settings.h"

#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QWidget;

namespace gloob {

// The window's online play: its items in the Game menu, the introductions
// with the other machine, the match's game, and the way back to a game of
// this machine's own when the match ends.
class LobbyWindow;

class OnlineDirector final : public GameStarter {
public:
    struct Hooks {
        std::function<Engine&()> engine; // the running game
        std::function<const GameSettings&()> settings;
        std::function<void(const GameSettings&)> settingsChosen;
        // The window's pause: the game waits while the other machine is found.
        std::function<void(bool paused)> hold;
        // Ends the running game, for the match's, or after the match.
        std::function<void()> stopGame;
        std::function<void()> startNextGame;
        // What the window says of the match changed.
        std::function<void()> changed;
        std::function<void(const QString& text)> message;
    };

    OnlineDirector(QWidget& window, QMenu& gameMenu, FrontEnd& local, Hooks hooks);
    ~OnlineDirector() override;

    // The match the command line asks for, once the window is up.
    void launch(const LaunchOptions& options);
    // This window hosts player 1, or joins as player 2; false when it cannot begin.
    bool host(std::uint16_t port);
    bool join(const QString& address);
    // Joins over the link the lobby found a way for (see OnlinePlay::joinOver).
    bool joinOver(std::unique_ptr<net::Link> link, const QString& where, const QString& path,
                  std::unique_ptr<traversal::RelayThread> relay);
    void leave();
    // The lobby's window, opened; with a server, signed in to it.
    void openLobby(const QString& server = {});
    LobbyWindow* lobby() const { return lobby_.get(); }

    OnlinePlay* play() const { return play_.get(); }
    // What the window may do on its own; a match with another machine takes
    // some of it away.
    struct Freedoms {
        // Pause, replays, computer players: all that would set two games
        // apart, from the first look for the other machine on.
        bool setApart = true;
        // The running game is this machine's alone: it may stand still, and
        // plays by this player's held keys.
        bool ownGame = true;
        // The match length and background are this player's; the joining
        // player plays the host's.
        bool ownChoices = true;
    };
    Freedoms freedoms() const;
    bool active() const { return play_ != nullptr; }
    // Whether the running game is the online match's.
    bool inMatchGame() const;
    // A pad plays this machine's player in the match, whichever it was set for.
    GameEvent asLocalPlayer(const GameEvent& event) const;
    // The starter of the next live game: the match's once agreed, else `local`.
    GameStarter& starterOr(GameStarter& local);
    // After a step of the running game: the match ended is handled here.
    bool endIfOver();
    // What the title says of the match, empty without one.
    QString describe() const;

    QAction* hostAction() const { return host_; }
    QAction* joinAction() const { return join_; }
    QAction* leaveAction() const { return leave_; }
    QAction* lobbyAction() const { return lobbyAction_; }

    FrontEnd& frontEnd() override { return play_->frontEnd(); }
    void prepare(Engine& engine) override;
    std::optional<std::int64_t> begin(Engine& engine) override;
    bool isOnlineMatch() const override { return true; }

private:
    std::unique_ptr<OnlinePlay> openHost(std::uint16_t port, QString& error);
    std::optional<std::uint16_t> hostForLobby(std::optional<lobby::ServiceAddress> stun,
                                              lobby::LinkRoute::Limits limits);
    bool start(std::unique_ptr<OnlinePlay> play, const QString& error);
    void service();
    void end();
    bool canEndNow() const;
    void showState();
    void addInputDelays(QMenu& gameMenu);

    QWidget& window_;
    FrontEnd& local_;
    Hooks hooks_;
    std::unique_ptr<OnlinePlay> play_;
    const Engine* game_ = nullptr;
    QTimer timer_;
    QAction* host_ = nullptr;
    QAction* join_ = nullptr;
    QAction* leave_ = nullptr;
    QMenu* inputDelays_ = nullptr;
    // The input delay a hosted match is played with; none: the round trip's.
    std::optional<int> inputDelay_;
    QAction* lobbyAction_ = nullptr;
    std::unique_ptr<LobbyWindow> lobby_;
};

} // namespace gloob
