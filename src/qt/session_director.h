// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "game_session.h"
#include "launch_options.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace gloob {

class GameStarter;
class HeartbeatDriver;

// The window's games one after another: each live game from its first
// screen, with its trace and recording; replays; and what follows when a
// game stops, ends or is replaced.
class SessionDirector {
public:
    struct Hooks {
        // Who a new live game is for.
        std::function<GameStarter&()> starter;
        // Every game of the window, before its first handler: its observers.
        std::function<void(GameSession&)> prepare;
        // The game is now the one shown.
        std::function<void(GameSession&)> shown;
        // A step of the game is done.
        std::function<void()> stepped;
        // A game has begun, before its first step is shown: what the window
        // says of it may have changed.
        std::function<void()> begun;
        // Play goes on: a stopped game must reach its next delivery point.
        std::function<void()> resume;
        // Whether the step's end was the online match's end, handled there.
        std::function<bool()> matchEnded;
        std::function<void(const QString& text)> message;
    };

    SessionDirector(FrontEnd& window, const TextRasteriser& text, const Pictures& pictures,
                    HeartbeatDriver& driver, LaunchOptions first, Hooks hooks);

    GameSession& current() { return *session_; }
    const GameSession& current() const { return *session_; }
    // What the file could not be made for, if anything.
    const QString& startupError() const { return startupError_; }

    // The first game, with the command line's files.
    void startFirst();
    // A new game from the first screen; the last one, if any, is closed. A
    // live game, unlike a replay, starts with its starter's choices.
    void start(const LaunchOptions& files, bool live = true);
    // Ends the running game at its next delivery point: at once between
    // heartbeats, else at the running handler's next pump, which unwinds it.
    void stop();
    // After a game stopped: the replay asked for, or a new game of the players'.
    void startNext();
    // Ends the running game and begins a new match at once, as if Play! were
    // pressed on the new game's first screen.
    void newMatch();
    // Runs the engine from the main loop; the end of a game or of the
    // program unwinds to here, and the next game starts here.
    void run(const std::function<void()>& step);
    // While a game after the first starts, it leaves the window where the player put it.
    bool startingLaterGame() const { return startingLater_; }

    // A bad file is shown in a message box and the window stays where it was.
    bool startReplay(const QString& path);
    void stopReplay();
    int replaySpeed() const { return replaySpeed_; }
    void setReplaySpeed(int speed);

private:
    FrontEnd& window_;
    const TextRasteriser& text_;
    const Pictures& pictures_;
    HeartbeatDriver& driver_;
    LaunchOptions first_;
    Hooks hooks_;
    std::unique_ptr<GameSession> session_;
    // The recording to play once the running game has stopped.
    std::optional<std::vector<ScriptEvent>> nextReplay_;
    int replaySpeed_ = 1;
    bool playOnStart_ = false;
    int gamesStarted_ = 0;
    bool startingLater_ = false;
    bool replayTraced_ = false;
    bool onlineTraced_ = false;
    QString startupError_;
};

} // namespace gloob
