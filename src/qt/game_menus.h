// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/game_event.h"
#include "scene/scene.h"
#include "settings/game_settings.h"

#include <array>
#include <cstddef>
#include <functional>
#include <memory>

class QAction;
class QMainWindow;
class QMenu;
class QString;

namespace gloob {

class FullScreen;
class LanguageMenu;
class ProgramMenu;
class ServeMenu;
class SoundMenu;

// The window's menus: the written ones as the game's scene holds them, the
// Game menu between Options and Help (pause, full screen, replays), below
// a separator in Options the choices kept between runs, and below one in Help
// the keys and options of now. Items hand their commands on; what is checked
// and enabled follows what is shown.
class GameMenus {
public:
    struct Commands {
        // A command for the game: a written item, or who serves.
        std::function<void(const GameEvent&)> command;
        // Game > New Match.
        std::function<void()> newMatch;
        // Game > Pause, checked or not.
        std::function<void(bool on)> pauseChosen;
        // The recording chosen to watch; false when it cannot be played.
        std::function<bool(const QString& path)> watchReplay;
        std::function<void(int speed)> replaySpeed;
        std::function<void()> stopReplay;
        std::function<void(const GameSettings&)> settingsChosen;
        // Who plays a side changed: seat them at once.
        std::function<void()> playersChosen;
        // A dialog holds the game while it is open, and then lets it go on
        // as it was.
        std::function<bool()> paused;
        std::function<void(bool paused)> hold;
    };
    // What the window shows beyond the game, for what is enabled.
    struct State {
        bool replay = false;
        // Nothing that would set two machines' games apart is at hand.
        bool linked = false;
        // The match length and background are the other machine's.
        bool othersChoices = false;
    };

    GameMenus(QMainWindow& window, const Scene& scene, const GameSettings& settings,
              Commands commands);
    ~GameMenus();

    QAction* action(MenuId item) const { return actions_[static_cast<std::size_t>(item)]; }
    QMenu& gameMenu() const { return *gameMenu_; }
    QAction* newMatchAction() const { return newMatch_; }
    QAction* pauseAction() const { return pauseAction_; }
    QAction* heldKeysAction() const { return heldKeysAction_; }
    QAction* playerAction(int player, std::size_t choice) const {
        return playerActions_[static_cast<std::size_t>(player - 1)][choice];
    }
    const SoundMenu& soundMenu() const { return *soundMenu_; }
    const ServeMenu& serveMenu() const { return *serveMenu_; }
    const LanguageMenu& languageMenu() const { return *languageMenu_; }
    FullScreen& fullScreen() const { return *fullScreen_; }
    ProgramMenu& programs() const { return *programs_; }
    QAction* watchReplayAction() const { return watchReplay_; }
    QAction* stopReplayAction() const { return stopReplay_; }
    QAction* replaySpeedAction(int speed) const;

    // The check marks of the written items, as the game decided them.
    void showChecks(const Scene& scene);
    void showSettings(const GameSettings& settings);
    void showPaused(bool paused);
    void showReplaySpeed(int speed);
    void showState(const State& state);

private:
    void buildWritten(const Scene& scene);
    void buildGameMenu();
    void buildOptionsExtras();
    void buildHelpExtras();
    void showKeysAndOptions();
    void showPlayers();
    void editControls();
    void chooseReplay();
    GameSettings changed(const std::function<void(GameSettings&)>& change) const;

    QMainWindow& window_;
    Commands commands_;
    GameSettings shown_;
    std::array<QAction*, menuItemCount> actions_{};
    QMenu* gameMenu_ = nullptr;
    QAction* newMatch_ = nullptr;
    QAction* pauseAction_ = nullptr;
    FullScreen* fullScreen_ = nullptr;
    QAction* watchReplay_ = nullptr;
    QAction* stopReplay_ = nullptr;
    std::array<QAction*, 3> speedActions_{};
    QAction* heldKeysAction_ = nullptr;
    QMenu* playersMenu_ = nullptr;
    std::array<std::array<QAction*, 4>, 2> playerActions_{};
    std::unique_ptr<ProgramMenu> programs_;
    std::unique_ptr<ServeMenu> serveMenu_;
    std::unique_ptr<SoundMenu> soundMenu_;
    std::unique_ptr<LanguageMenu> languageMenu_;
};

} // namespace gloob
