// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/auto_repeat_filter.h"
#include "app/clock.h"
#include "app/engine.h"
#include "app/real_time_pacer.h"
#include "game_session.h"
#include "online_play.h"
#include "pads/pad_input.h"
#include "program_menu.h"
#include "qtgui/qt_text_rasteriser.h"
#include "scene/raster.h"
#include "scene/scene.h"
#include "settings/game_settings.h"
#include "sound/game_sounds.h"
#include "sound_menu.h"
#include "timing_report.h"

#include <QMainWindow>
#include <QSize>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

class QAction;
class QKeyEvent;
class QMenu;
class QPushButton;
class QSettings;

namespace gloob {

class CourtView;
class FullScreen;

// What the command line asks of the window.
struct LaunchOptions {
    std::string tracePath;  // the trace of the first session, in gloob-sim's format
    std::string recordPath; // the recording of the first session
    // Without recordPath: record every session into the replays folder.
    bool keepRecordings = false;
    std::string replayPath; // a recording to watch at once
    // Read the player's choices at start and keep them as they change.
    bool useSettings = false;
    // Let game pads play.
    bool usePads = false;
    // Play the game's sound effects.
    bool useSound = false;
    // Host an online match on this UDP port, or join the one at this address.
    std::optional<std::uint16_t> hostPort;
    std::string joinAddress;
};

// The game's window on the desktop. It runs the game's engine paced by the
// real clock, shows what the game holds, and turns the player's keys, clicks
// and menu commands into the game's input; the game decides everything else.
class MainWindow final : public QMainWindow, public FrontEnd {
public:
    // Shows a modal message box and returns once it is closed.
    using MessageBox = std::function<void(const QString& title, const QString& text)>;
    // Ends the program; the real one never returns.
    using ProgramEnd = std::function<void()>;

    explicit MainWindow(const LaunchOptions& options = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    // What went wrong at start (a trace or recording file that cannot be made).
    const QString& startupError() const { return startupError_; }

    FrmGloob& game() { return session_->engine().window(); }
    Engine& engine() { return session_->engine(); }
    CourtView* court() const { return court_; }
    QPushButton* playButton() const { return play_; }
    QPushButton* exitButton() const { return exit_; }
    QAction* menuAction(MenuId item) const { return actions_[static_cast<std::size_t>(item)]; }
    QAction* pauseAction() const { return pauseAction_; }
    QAction* heldKeysAction() const { return heldKeysAction_; }
    QAction* playerAction(int player, std::size_t choice) const {
        return playerActions_[static_cast<std::size_t>(player - 1)][choice];
    }
    const GameSettings& settings() const { return settings_; }
    const SoundMenu& soundMenu() const { return *soundMenu_; }
    // Nothing unless the launch asked for sound.
    const GameSounds* sounds() const { return sounds_.get(); }
    FullScreen& fullScreen() const { return *fullScreen_; }
    QAction* watchReplayAction() const { return watchReplay_; }
    QAction* stopReplayAction() const { return stopReplay_; }
    QAction* replaySpeedAction(int speed) const;

    // Tests replace these: a real modal box would wait for a person forever,
    // and a real end would take the test program with it.
    void setMessageBox(MessageBox messageBox) { messageBox_ = std::move(messageBox); }
    void setProgramEnd(ProgramEnd programEnd) { programEnd_ = std::move(programEnd); }

    // What the heartbeat timer runs: the game's next heartbeat, once the real
    // clock has reached it.
    void beat();
    // Makes the next heartbeat due now and runs it: for tests.
    void runNextHeartbeatNow();

    // Plays a recording in the window; a bad file is shown in a message box
    // and the window stays where it was. False then.
    bool startReplay(const QString& path);
    // Back to the first screen of a new game.
    void stopReplay();
    bool replaying() const { return session_->isReplay(); }
    // 1, 2 or 4 times the real pace, for replays.
    void setReplaySpeed(int speed);
    void setPaused(bool paused);
    bool paused() const { return pacer_.paused(); }

    // Online play: this window hosts player 1 or joins as player 2.
    bool hostOnline(std::uint16_t port);
    bool joinOnline(const QString& address);
    void leaveOnline();
    OnlinePlay* online() const { return online_.get(); }
    QAction* hostOnlineAction() const { return hostOnline_; }
    QAction* joinOnlineAction() const { return joinOnline_; }
    QAction* leaveOnlineAction() const { return leaveOnline_; }

    // FrontEnd
    void collectInput(Engine& engine) override;
    void paceTo(std::int64_t virtualMicros) override;
    void showMessage(std::string_view text) override;
    TwipRect availableScreen() override;
    TwipRect windowOuterFrame() override;
    void moveWindow(float leftTwips, float topTwips) override;
    void endProgram() override;
    void deliveryPointDone(bool insideWait) override;
    void clockStoodStill() override;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void buildGameMenu();
    QPushButton* makeButton(const PushButton& control, EventKind click);
    // A new game from the first screen; the last one, if any, is closed. A
    // live game, unlike a replay, starts with the player's choices.
    void startSession(const LaunchOptions& options, bool live = true);
    // Ends the running game: at once between heartbeats, else at the next
    // delivery point, which unwinds every running handler.
    void stopSession();
    // Input from the player, unless a replay plays instead.
    void post(const GameEvent& event);
    bool routeKey(const QKeyEvent& key);
    bool pausable() const;
    void keyboardLost();
    void pauseOnceHandedOver();
    void fitToScreen(QSize frame);
    void recentreOnceFramed();
    void armHeartbeat();
    // Runs the engine from the main loop; the end of a game or of the
    // program unwinds to here, and the next game starts here.
    template <typename Step> void runEngine(Step&& step);
    void startNextSession();
    void chooseReplay();
    void buildOptionsExtras();
    void editControls();
    void rememberChoices();
    void showPlayers();
    void seatComputerPlayers();
    void applySettings(const GameSettings& settings);
    void showReplayState();
    void refresh();
    bool startOnline(std::unique_ptr<OnlinePlay> online, const QString& error);
    void serviceOnline();
    void endOnlineMatch();
    void showOnlineState();
    // Whether the running game is the online match's.
    bool inOnlineMatch() const {
        return online_ && online_->inMatch() && onlineGame_ == session_.get();
    }

    SteadyClock realClock_;
    TimingReport timing_{realClock_};
    Pictures pictures_;
    QtTextRasteriser text_;
    RealTimePacer pacer_;
    std::unique_ptr<QSettings> store_;
    std::unique_ptr<PadInput> pads_;
    std::unique_ptr<GameSounds> sounds_;
    GameSettings settings_;
    LaunchOptions firstSession_;
    std::unique_ptr<GameSession> session_;
    // The recording to play once the running game has stopped.
    std::optional<std::vector<ScriptEvent>> nextReplay_;
    int replaySpeed_ = 1;
    AutoRepeatFilter filter_;
    QString startupError_;
    CourtView* court_ = nullptr;
    QPushButton* play_ = nullptr;
    QPushButton* exit_ = nullptr;
    std::array<QAction*, menuItemCount> actions_{};
    QMenu* gameMenu_ = nullptr;
    QAction* heldKeysAction_ = nullptr;
    QAction* controlsAction_ = nullptr;
    std::array<std::array<QAction*, 4>, 2> playerActions_{};
    // Fresh seeds for computer players: a new game each time.
    std::function<std::uint32_t()> seeds_ = [] { return std::random_device{}(); };
    std::unique_ptr<SoundMenu> soundMenu_;
    QAction* pauseAction_ = nullptr;
    FullScreen* fullScreen_ = nullptr;
    QAction* watchReplay_ = nullptr;
    QAction* stopReplay_ = nullptr;
    std::array<QAction*, 3> speedActions_{};
    std::unique_ptr<OnlinePlay> online_;
    const GameSession* onlineGame_ = nullptr;
    bool onlineTraced_ = false;
    QTimer onlineTimer_;
    QAction* hostOnline_ = nullptr;
    QAction* joinOnline_ = nullptr;
    QAction* leaveOnline_ = nullptr;
    QMenu* playersMenu_ = nullptr;
    std::unique_ptr<ProgramMenu> programMenu_;
    QTimer heartbeat_;
    MessageBox messageBox_;
    ProgramEnd programEnd_;
    QSize centredFrameSize_;
    bool recentred_ = false;
    int gamesStarted_ = 0;
    bool ignoreMoves_ = false;
    bool replayTraced_ = false;
    bool showingMessage_ = false;
    bool pauseAfterDelivery_ = false;
};

} // namespace gloob
