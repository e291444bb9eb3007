// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "main_window.h"

#include "app/messages.h"
#include "bot/computer_player.h"
#include "court_view.h"
#include "pads/pad_input.h"
#include "program_menu.h"
#include "qtgui/picture_loader.h"
#include "sound/game_sounds.h"
#include "window_title.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QIcon>
#include <QLayout>
#include <QMessageBox>
#include <QScopedValueRollback>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace gloob {

MainWindow::MainWindow(const LaunchOptions& options, QWidget* parent)
    : QMainWindow(parent), pictures_(loadPictures()), launch_(options),
      messageBox_([this](const QString& title, const QString& text) {
          QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
          box.exec();
      }),
      programEnd_([] {
          std::cout.flush();
          std::cerr.flush();
          std::fflush(nullptr);
          std::_Exit(0);
      }) {
    driver_ = std::make_unique<HeartbeatDriver>(
        [this]() -> Engine& { return engine(); },
        [this] { sessions_->run([this] { engine().runHeartbeat(); }); });
    choices_ = std::make_unique<PlayerChoices>(
        *this, PlayerChoices::Devices{options.useSettings, options.usePads, options.useSound},
        [this](const GameSettings& settings) { settingsChanged(settings); });
    const auto message = [this](const QString& text) {
        messageBox_(shownText(messages::title), text);
    };
    sessions_ = std::make_unique<SessionDirector>(
        *this, text_, pictures_, *driver_, options,
        SessionDirector::Hooks{
            .starter = [this]() -> GameStarter& { return online_->starterOr(*choices_); },
            .prepare =
                [this](GameSession& session) {
                    keys_->discard();
                    Engine& engine = session.engine();
                    engine.addObserver(driver_->timing());
                    engine.setAutopilotMaker(bot::computerPlayers());
                    engine.setProgramMaker(menus_->programs().maker(engine));
                    choices_->watch(engine);
                },
            .shown = [this](GameSession&) { court_->setScene(game().scene, game().compositor()); },
            .stepped = [this] { refresh(); },
            .begun = [this] { showState(); },
            .resume = [this] { setPaused(false); },
            .matchEnded = [this] { return online_->endIfOver(); },
            .message = message});
    setWindowIcon(QIcon(QStringLiteral(":/assets/gloob.png")));
    menus_ = std::make_unique<GameMenus>(
        *this, game().scene, choices_->settings(),
        GameMenus::Commands{
            .command = [this](const GameEvent& event) { command(event); },
            .newMatch = [this] { sessions_->newMatch(); },
            .pauseChosen =
                [this](bool on) { pausable() ? setPaused(on) : menus_->showPaused(paused()); },
            .watchReplay = [this](const QString& path) { return startReplay(path); },
            .replaySpeed = [this](int speed) { setReplaySpeed(speed); },
            .stopReplay = [this] { stopReplay(); },
            .settingsChosen = [this](const GameSettings& s) { choices_->apply(s); },
            .playersChosen = [this] { seatComputerPlayers(); },
            .paused = [this] { return paused(); },
            .hold = [this](bool on) { setPaused(on); }});
    choices_->setPrograms(&menus_->programs());
    online_ = std::make_unique<OnlineDirector>(
        *this, menus_->gameMenu(), *this,
        OnlineDirector::Hooks{
            .engine = [this]() -> Engine& { return engine(); },
            .settings = [this]() -> const GameSettings& { return settings(); },
            .settingsChosen = [this](const GameSettings& s) { choices_->apply(s); },
            .hold = [this](bool on) { setPaused(on); },
            .stopGame = [this] { sessions_->stop(); },
            .startNextGame = [this] { sessions_->startNext(); },
            .changed = [this] { showState(); },
            .message = message});
    court_ = new CourtView(game().scene, game().compositor(), this);
    court_->onPainted = [this] {
        driver_->timing().framePainted();
        // Pads and sound may take long to open: not before the first frame.
        if (!choices_->devicesOpen()) {
            QTimer::singleShot(0, this, [this] {
                choices_->openDevices(engine());
                showState();
            });
        }
    };
    setCentralWidget(court_);
    buttons_ = std::make_unique<CourtButtons>(*court_, game().scene,
                                              [this](const GameEvent& click) { command(click); });
    keys_ = std::make_unique<KeyRouter>(
        *this, menus_->fullScreen(), *driver_,
        KeyRouter::Hooks{.post = [this](const GameEvent& event) { post(event); },
                         .keys = [this]() -> const KeyBindings& { return settings().keys; },
                         .pauseKey = [this] { togglePause(); },
                         .keyboardLost = [this] { keyboardLost(); }});

    // Sized now, so that the load handler can centre a window of its real size.
    placement_ =
        std::make_unique<WindowPlacement>(*this, *court_, [this] { game().centreOnScreen(); });
    layout()->activate();
    placement_->fitToScreen();
    sessions_->startFirst();
    driver_->arm();

    // Once the window is up, so that a bad file's message has a window.
    if (!options.replayPath.empty()) {
        QTimer::singleShot(0, this,
                           [this] { startReplay(QString::fromStdString(launch_.replayPath)); });
    }
    online_->launch(options);
}

void MainWindow::post(const GameEvent& event) {
    // The players' input does nothing during a replay; Exit still ends the program.
    if (replaying() && !endsTheProgram(event)) {
        return;
    }
    if (event.kind == EventKind::clickPlay) {
        seatComputerPlayers();
    }
    engine().post(event);
    // A pause holds back no command: Exit and Play! end it, menu commands
    // take effect at once.
    if (paused() && (endsTheProgram(event) || event.kind == EventKind::clickPlay)) {
        setPaused(false);
    } else if (event.kind == EventKind::menu || event.kind == EventKind::serve) {
        driver_->stepWhilePaused();
    }
}

void MainWindow::command(const GameEvent& event) {
    keys_->flush();
    post(event);
    refresh();
}

void MainWindow::collectInput(Engine& /*running*/) {
    // Keys are already in the router: the event loop wakes for each as it
    // arrives. Another pass of the loop here would cost one every heartbeat.
    keys_->deliveryPoint();
    if (PadInput* pads = choices_->pads()) {
        for (const GameEvent& event : pads->poll()) {
            // Like keys: while paused a press is not handed on, a release is.
            if (!paused() || event.kind != EventKind::keyDown) {
                post(online_->asLocalPlayer(event));
            }
        }
    }
    sessions_->current().collectReplay();
}

void MainWindow::deliveryPointDone(bool /*insideWait*/) {
    if (pauseAfterDelivery_) {
        setPaused(true);
    }
    refresh();
}

void MainWindow::refresh() {
    const Scene& scene = game().scene;
    buttons_->show(scene, isActiveWindow());
    // Until the first heartbeat the game has not yet heard the choices it
    // starts with. The joining player plays the host's match without making
    // it their own.
    if (!replaying() && engine().nowMicros() != 0 && online_->freedoms().ownChoices) {
        choices_->remember(scene);
    }
    menus_->showChecks(scene);
    court_->showChanges();
    if (replaying()) {
        showState(); // the replay's clock
    }
}

void MainWindow::settingsChanged(const GameSettings& settings) {
    if (!replaying() && online_->freedoms().ownGame) {
        for (int player : {1, 2}) {
            engine().setHeldKeys(player, settings.heldKeys);
        }
    }
    menus_->showSettings(settings);
}

// Computer players never play online, nor in a replay: only the players' own
// input travels, and a recording holds everyone's keys.
void MainWindow::seatComputerPlayers() {
    if (!replaying() && online_->freedoms().setApart) {
        choices_->seatComputerPlayers(engine());
    }
}

// Pause holds a match or a replay; the first screen and GAME OVER have nothing
// to hold, and an online match never stops for one player alone.
bool MainWindow::pausable() const {
    const bool matchOn = !sessions_->current().engine().window().scene.cmdPlay.Visible;
    return online_->freedoms().setApart && (matchOn || replaying() || paused());
}

// Another program took the keyboard during the players' match: pause it. The
// players must be stopped first, and only a delivery point hands the
// focus-out to the game at a time a replay can repeat; so the clock stands
// still once the next delivery point is done. Our own message boxes take the
// keyboard as part of play and pause nothing.
void MainWindow::keyboardLost() {
    const bool matchOn = !game().scene.cmdPlay.Visible;
    if (matchOn && !paused() && !replaying() && !showingMessage_ &&
        QApplication::activeModalWidget() == nullptr) {
        pauseAfterDelivery_ = true;
    }
}

void MainWindow::togglePause() {
    if (pausable()) {
        setPaused(!paused());
    }
}

// Closing the window is the game's Exit: handed over at the next delivery
// point like any command, so a recording ends as the game did.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (!game().ended()) {
        command(GameEvent::menu(MenuId::mnuExit));
        setPaused(false);
    }
}

void MainWindow::showMessage(std::string_view text) {
    {
        const QScopedValueRollback<bool> showing(showingMessage_, true);
        messageBox_(shownText(messages::title), shownText(text));
    }
    clockStoodStill();
}

void MainWindow::moveWindow(float leftTwips, float topTwips) {
    if (!sessions_->startingLaterGame()) {
        placement_->move(leftTwips, topTwips);
    }
}

void MainWindow::endProgram() {
    sessions_->current().close();
    programEnd_();
}

void MainWindow::setReplaySpeed(int speed) {
    sessions_->setReplaySpeed(speed);
    menus_->showReplaySpeed(speed);
    showState();
}

void MainWindow::setPaused(bool paused) {
    // An online match never stops for one player alone.
    if (!paused || online_->freedoms().ownGame) {
        driver_->setPaused(paused);
        menus_->showPaused(driver_->paused());
        // Waiting for the other machine is no pause of the player's; the title says it.
        court_->setPaused(driver_->paused() && online_->freedoms().setApart);
        showState();
    }
    pauseAfterDelivery_ = false;
}

void MainWindow::showState() {
    const GameSession& session = sessions_->current();
    const std::int64_t start = session.replayStartMicros();
    setWindowTitle(gloob::windowTitle(
        game().scene.Caption,
        {replaying(), engine().nowMicros() - start, session.replayEndMicros() - start,
         driver_->speed(), paused(), !online_->freedoms().setApart, online_->describe()}));
    // A replay watched faster than it was played would only chatter.
    if (GameSounds* sounds = choices_->sounds()) {
        sounds->setMuted(paused() || (replaying() && driver_->speed() != 1));
    }
    const auto freedoms = online_->freedoms();
    menus_->showState({replaying(), !freedoms.setApart, !freedoms.ownChoices});
}

} // namespace gloob
