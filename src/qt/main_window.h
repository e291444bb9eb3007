// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/engine.h"
#include "court_buttons.h"
#include "game_menus.h"
#include "heartbeat_driver.h"
#include "key_router.h"
#include "launch_options.h"
#include "online_director.h"
#include "player_choices.h"
#include "scene/raster.h"
#include "session_director.h"
#include "window_placement.h"
#include "written_texts.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QPushButton;

namespace gloob {

class CourtView;
class FullScreen;
class GameSounds;
class SoundMenu;

// The game's window on the desktop: the court, its two buttons and the menu
// bar. It shows what the game holds and hands the players' clicks and
// commands to it; each of its other jobs has a class of its own.
class MainWindow final : public QMainWindow, public FrontEnd {
public:
    // Shows a modal message box and returns once it is closed.
    using MessageBox = std::function<void(const QString& title, const QString& text)>;
    // Ends the program; the real one never returns.
    using ProgramEnd = std::function<void()>;

    explicit MainWindow(const LaunchOptions& options = {}, QWidget* parent = nullptr);
    ~MainWindow() override = default;

    // What went wrong at start (a trace or recording file that cannot be made).
    const QString& startupError() const { return sessions_->startupError(); }

    FrmGloob& game() { return engine().window(); }
    Engine& engine() { return sessions_->current().engine(); }
    CourtView* court() const { return court_; }
    QPushButton* playButton() const { return buttons_->play(); }
    QPushButton* exitButton() const { return buttons_->exit(); }
    QAction* menuAction(MenuId item) const { return menus_->action(item); }
    QAction* newMatchAction() const { return menus_->newMatchAction(); }
    QAction* pauseAction() const { return menus_->pauseAction(); }
    QAction* heldKeysAction() const { return menus_->heldKeysAction(); }
    QAction* playerAction(int player, std::size_t choice) const {
        return menus_->playerAction(player, choice);
    }
    const GameSettings& settings() const { return choices_->settings(); }
    const SoundMenu& soundMenu() const { return menus_->soundMenu(); }
    // Nothing unless the launch asked for sound.
    const GameSounds* sounds() const { return choices_->sounds(); }
    FullScreen& fullScreen() const { return menus_->fullScreen(); }
    QAction* watchReplayAction() const { return menus_->watchReplayAction(); }
    QAction* stopReplayAction() const { return menus_->stopReplayAction(); }
    QAction* replaySpeedAction(int speed) const { return menus_->replaySpeedAction(speed); }

    // Tests replace these: a real modal box would wait for a person forever,
    // and a real end would take the test program with it.
    void setMessageBox(MessageBox messageBox) { messageBox_ = std::move(messageBox); }
    void setProgramEnd(ProgramEnd programEnd) { programEnd_ = std::move(programEnd); }

    // What the heartbeat timer runs: the game's next heartbeat, once the real
    // clock has reached it.
    void beat() { driver_->beat(); }
    // Makes the next heartbeat due now and runs it: for tests.
    void runNextHeartbeatNow() { driver_->runNextHeartbeatNow(); }

    // Plays a recording in the window; a bad file is shown in a message box
    // and the window stays where it was. False then.
    bool startReplay(const QString& path) {
        return online_->freedoms().setApart && sessions_->startReplay(path);
    }
    // Back to the first screen of a new game.
    void stopReplay() { sessions_->stopReplay(); }
    bool replaying() const { return sessions_->current().isReplay(); }
    // 1, 2 or 4 times the real pace, for replays.
    void setReplaySpeed(int speed);
    void setPaused(bool paused);
    bool paused() const { return driver_->paused(); }

    // Online play: this window hosts player 1 or joins as player 2.
    bool hostOnline(std::uint16_t port) { return online_->host(port); }
    bool joinOnline(const QString& address) { return online_->join(address); }
    void leaveOnline() { online_->leave(); }
    OnlinePlay* online() const { return online_->play(); }
    QAction* hostOnlineAction() const { return online_->hostAction(); }
    QAction* joinOnlineAction() const { return online_->joinAction(); }
    QAction* leaveOnlineAction() const { return online_->leaveAction(); }
    // The lobby's window, once opened; with a server, signed in to it.
    void openLobby(const QString& server) { online_->openLobby(server); }
    LobbyWindow* lobby() const { return online_->lobby(); }

    // FrontEnd
    void collectInput(Engine& engine) override;
    void paceTo(std::int64_t virtualMicros) override { driver_->paceTo(virtualMicros); }
    void showMessage(std::string_view text) override;
    TwipRect availableScreen() override { return placement_->availableScreen(); }
    TwipRect windowOuterFrame() override { return placement_->outerFrame(); }
    void moveWindow(float leftTwips, float topTwips) override;
    void endProgram() override;
    void deliveryPointDone(bool insideWait) override;
    void clockStoodStill() override { driver_->clockStoodStill(); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Input from the player, unless a replay plays instead.
    void post(const GameEvent& event);
    // A command from the menus or the buttons: any release held back goes
    // first, and what is shown follows it.
    void command(const GameEvent& event);
    bool pausable() const;
    void togglePause();
    void keyboardLost();
    void settingsChanged(const GameSettings& settings);
    void seatComputerPlayers();
    void showState();
    void refresh();

    Pictures pictures_;
    ShownTextRasteriser text_;
    LaunchOptions launch_;
    std::unique_ptr<HeartbeatDriver> driver_;
    std::unique_ptr<PlayerChoices> choices_;
    std::unique_ptr<SessionDirector> sessions_;
    std::unique_ptr<GameMenus> menus_;
    std::unique_ptr<OnlineDirector> online_;
    std::unique_ptr<KeyRouter> keys_;
    std::unique_ptr<WindowPlacement> placement_;
    CourtView* court_ = nullptr;
    std::unique_ptr<CourtButtons> buttons_;
    MessageBox messageBox_;
    ProgramEnd programEnd_;
    bool showingMessage_ = false;
    bool pauseAfterDelivery_ = false;
};

} // namespace gloob
