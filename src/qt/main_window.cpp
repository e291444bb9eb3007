// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "main_window.h"

#include "app/heartbeat.h"
#include "app/messages.h"
#include "bot/computer_player.h"
#include "controls_dialog.h"
#include "court_placement.h"
#include "court_view.h"
#include "full_screen.h"
#include "key_codes.h"
#include "qtgui/picture_loader.h"
#include "recordings.h"
#include "scene/twips.h"
#include "settings/mended_settings.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QIcon>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSettings>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>

namespace gloob {

namespace {

// The items that show a check mark. Which one of a group is checked is the
// game's business, so these are plain checkable actions, not an exclusive
// group that Qt would keep on its own (and draw with radio dots).
constexpr std::array checkableItems{numberOfBallsGroup[0], numberOfBallsGroup[1],
                                    numberOfBallsGroup[2], backroundGroup[0],
                                    backroundGroup[1],     backroundGroup[2]};

constexpr std::array replaySpeeds{1, 2, 4};

bool opensSubmenu(MenuId item) {
    return std::any_of(menuTree.begin(), menuTree.end(),
                       [&](const MenuEntry& entry) { return entry.parent == item; });
}

QString qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

float twips(int pixels) {
    return static_cast<float>(pixels * twipsPerPixel);
}

// Where the keyboard went when a widget of the window lost it: to another
// window, to an open menu, or to nowhere.
bool keyboardLeftWindow(const QFocusEvent& event, const QWidget* window) {
    if (event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason) {
        return true;
    }
    const QWidget* next = QApplication::focusWidget();
    return next == nullptr || next->window() != window;
}

bool isPauseKey(int qtKey) {
    return qtKey == Qt::Key_P || qtKey == Qt::Key_Pause;
}

} // namespace

MainWindow::MainWindow(const LaunchOptions& options, QWidget* parent)
    : QMainWindow(parent), pictures_(loadPictures()), firstSession_(options),
      filter_([this](const KeyEvent& key) {
          const auto code = static_cast<std::uint16_t>(key.keyCode);
          post(key.down ? GameEvent::keyDown(code) : GameEvent::keyUp(code));
      }),
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
    if (options.useSettings) {
        store_ = std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QCoreApplication::organizationName(),
                                             QCoreApplication::applicationName());
        settings_ = loadAndMendSettings(*store_, [](const QString& warning) {
            std::fprintf(stderr, "gloob: settings: %s\n", qPrintable(warning));
        });
    }
    if (options.usePads) {
        pads_ = std::make_unique<PadInput>();
        pads_->setSwapped(settings_.padsSwapped);
    }
    if (options.useSound) {
        sounds_ = std::make_unique<GameSounds>([](const QString& problem) {
            std::fprintf(stderr, "gloob: sound: %s\n", qPrintable(problem));
        });
        sounds_->setEnabled(settings_.sound);
        sounds_->setVolume(settings_.volume);
    }
    // The first session exists before the widgets that show its scene; its
    // load handler runs once the window has its real size.
    session_ = std::make_unique<GameSession>(*this, text_, pictures_);
    setWindowIcon(QIcon(QStringLiteral(":/assets/gloob.png")));
    buildMenus();
    buildOptionsExtras();
    buildGameMenu();

    court_ = new CourtView(game().scene, game().compositor(), this);
    court_->onPainted = [this] { timing_.framePainted(); };
    setCentralWidget(court_);
    play_ = makeButton(game().scene.cmdPlay, EventKind::clickPlay);
    exit_ = makeButton(game().scene.cmdExit, EventKind::clickExit);
    setTabOrder(play_, exit_);
    setTabOrder(exit_, court_);
    play_->setFocus();

    // Sized now, so that the load handler can centre a window of its real size.
    layout()->activate();
    fitToScreen({});
    // A recording watched from the command line is the game traced; the
    // first screen under it is neither traced nor recorded.
    LaunchOptions first = options;
    // Likewise the online match asked for: its game is traced and recorded.
    if (!options.replayPath.empty() || options.hostPort || !options.joinAddress.empty()) {
        first.tracePath.clear();
        first.recordPath.clear();
        first.keepRecordings = false;
    }
    startSession(first);

    qApp->installEventFilter(this);
    heartbeat_.setSingleShot(true);
    heartbeat_.setTimerType(Qt::PreciseTimer);
    connect(&heartbeat_, &QTimer::timeout, this, [this] { beat(); });
    armHeartbeat();

    if (!options.replayPath.empty()) {
        // Once the window is up, so that a bad file's message has a window.
        QTimer::singleShot(
            0, this, [this] { startReplay(QString::fromStdString(firstSession_.replayPath)); });
    }
    connect(&onlineTimer_, &QTimer::timeout, this, [this] { serviceOnline(); });
    if (options.hostPort) {
        QTimer::singleShot(0, this, [this] { hostOnline(*firstSession_.hostPort); });
    } else if (!options.joinAddress.empty()) {
        QTimer::singleShot(
            0, this, [this] { joinOnline(QString::fromStdString(firstSession_.joinAddress)); });
    }
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    heartbeat_.stop();
}

void MainWindow::startSession(const LaunchOptions& options, bool live) {
    filter_.discard();
    const bool online = live && online_ && online_->inMatch();
    auto session = std::make_unique<GameSession>(
        online ? static_cast<FrontEnd&>(online_->frontEnd()) : *this, text_, pictures_);
    if (!options.tracePath.empty() && !session->traceTo(options.tracePath)) {
        startupError_ = QStringLiteral("cannot write the trace to '%1'")
                            .arg(QString::fromStdString(options.tracePath));
    }
    if (!options.recordPath.empty()) {
        if (!session->recordTo(options.recordPath, false)) {
            startupError_ = QStringLiteral("cannot write the recording to '%1'")
                                .arg(QString::fromStdString(options.recordPath));
        }
    } else if (options.keepRecordings) {
        const QString path = newRecordingPath(replaysFolder(), QDateTime::currentDateTime());
        // Playing matters more than keeping the match: without a folder, play on.
        if (!path.isEmpty()) {
            session->recordTo(path.toStdString(), true);
        }
    }
    session->engine().addObserver(timing_);
    session->engine().setAutopilotMaker(bot::computerPlayers());
    session->engine().setProgramMaker(programMenu_->maker(session->engine()));
    if (sounds_) {
        sounds_->watch(session->engine());
    }
    if (online) {
        online_->frontEnd().attach(session->engine());
        onlineGame_ = session.get();
    }
    if (session_ != nullptr) {
        session_->close();
    }
    session_ = std::move(session);
    court_->setScene(game().scene, game().compositor());
    pacer_.setSpeed(1, realClock_.nowMicros());
    pacer_.anchor(0, realClock_.nowMicros());
    // Only the first game places the window; a later one finds it where the player put it.
    ignoreMoves_ = gamesStarted_ > 0;
    runEngine([this] { engine().start(); });
    ignoreMoves_ = false;
    ++gamesStarted_;
    if (online) {
        // Both machines run the same rules; the host's choices are its
        // player's first commands, and travel like any.
        for (int player : {1, 2}) {
            engine().setHeldKeys(player, true);
        }
        if (online_->localSide() == 1) {
            for (const MenuId choice : {settings_.matchLength, settings_.background}) {
                if (!game().scene.menu(choice).Checked) {
                    engine().post(GameEvent::menu(choice));
                }
            }
        }
        pacer_.anchor(0, realClock_.nowMicros() + online_->startAfterMicros());
    } else if (live) {
        // The player's last choices, made again as menu commands at the first
        // heartbeat, and recorded like any.
        for (int player : {1, 2}) {
            engine().setHeldKeys(player, settings_.heldKeys);
        }
        for (const MenuId choice : {settings_.matchLength, settings_.background}) {
            if (!game().scene.menu(choice).Checked) {
                engine().post(GameEvent::menu(choice));
            }
        }
        if (settings_.computer[0] || settings_.computer[1]) {
            seatComputerPlayers();
        }
    }
    showReplayState();
    refresh();
}

void MainWindow::stopSession() {
    if (engine().insideHandler()) {
        // A pump is coming: paused, it would never come.
        engine().post(GameEvent::of(EventKind::end));
        setPaused(false);
    } else {
        startNextSession();
    }
}

// After a game stopped: the replay asked for, or a new game of the players'.
void MainWindow::startNextSession() {
    if (nextReplay_) {
        LaunchOptions replayOptions;
        if (!firstSession_.replayPath.empty() && !firstSession_.tracePath.empty() &&
            !replayTraced_) {
            replayOptions.tracePath = firstSession_.tracePath;
            replayTraced_ = true;
        }
        startSession(replayOptions, false);
        session_->replay(std::move(*nextReplay_));
        nextReplay_.reset();
        pacer_.setSpeed(replaySpeed_, realClock_.nowMicros());
    } else {
        LaunchOptions next;
        // Every later game is kept in the replays folder when the first one was recorded.
        next.keepRecordings = firstSession_.keepRecordings || !firstSession_.recordPath.empty();
        const bool launchedOnline = firstSession_.hostPort || !firstSession_.joinAddress.empty();
        if (launchedOnline && online_ && online_->inMatch() && !onlineTraced_) {
            next.tracePath = firstSession_.tracePath;
            next.recordPath = firstSession_.recordPath;
            onlineTraced_ = true;
        }
        startSession(next);
    }
    setPaused(false);
    showReplayState();
}

void MainWindow::buildMenus() {
    std::array<QMenu*, menuItemCount> menus{};
    for (const MenuEntry& entry : menuTree) {
        const QString caption = QString::fromStdString(game().scene.menu(entry.id).Caption);
        QMenu* parentMenu = entry.parent ? menus[static_cast<std::size_t>(*entry.parent)] : nullptr;
        if (opensSubmenu(entry.id)) {
            QMenu* menu = parentMenu ? parentMenu->addMenu(caption) : menuBar()->addMenu(caption);
            menus[static_cast<std::size_t>(entry.id)] = menu;
            actions_[static_cast<std::size_t>(entry.id)] = menu->menuAction();
            continue;
        }
        QAction* action =
            parentMenu ? parentMenu->addAction(caption) : menuBar()->addAction(caption);
        actions_[static_cast<std::size_t>(entry.id)] = action;
        if (std::find(checkableItems.begin(), checkableItems.end(), entry.id) !=
            checkableItems.end()) {
            action->setCheckable(true);
            action->setChecked(game().scene.menu(entry.id).Checked);
        }
        // Qt has already flipped a checkable action by now; the refresh after
        // the next delivery point puts back what the game decided.
        connect(action, &QAction::triggered, this, [this, item = entry.id] {
            filter_.flush();
            post(GameEvent::menu(item));
            refresh();
        });
    }
}

// What goes beyond the written game: pausing and replays, in a menu of its
// own between Options and Help.
void MainWindow::buildGameMenu() {
    gameMenu_ = new QMenu(QStringLiteral("Game"), this);
    menuBar()->insertMenu(menuAction(MenuId::mnuHelp), gameMenu_);

    // The key is shown, not bound: the window's key routing owns P.
    pauseAction_ = gameMenu_->addAction(QStringLiteral("Pause\tP"));
    pauseAction_->setCheckable(true);
    connect(pauseAction_, &QAction::triggered, this, [this](bool on) {
        if (pausable()) {
            setPaused(on);
        } else {
            pauseAction_->setChecked(paused());
        }
    });
    fullScreen_ = new FullScreen(*this, *gameMenu_);
    gameMenu_->addSeparator();

    watchReplay_ = gameMenu_->addAction(QStringLiteral("Watch Replay..."));
    connect(watchReplay_, &QAction::triggered, this, [this] { chooseReplay(); });
    QMenu* speeds = gameMenu_->addMenu(QStringLiteral("Replay Speed"));
    for (std::size_t i = 0; i < replaySpeeds.size(); ++i) {
        const int speed = replaySpeeds[i];
        QAction* action = speeds->addAction(QStringLiteral("%1x").arg(speed));
        action->setCheckable(true);
        action->setChecked(speed == 1);
        connect(action, &QAction::triggered, this, [this, speed] { setReplaySpeed(speed); });
        speedActions_[i] = action;
    }
    stopReplay_ = gameMenu_->addAction(QStringLiteral("Stop Replay"));
    connect(stopReplay_, &QAction::triggered, this, [this] { stopReplay(); });
    gameMenu_->addSeparator();

    hostOnline_ = gameMenu_->addAction(QStringLiteral("Host Online Match..."));
    connect(hostOnline_, &QAction::triggered, this, [this] {
        bool ok = false;
        const int port = QInputDialog::getInt(
            this, QStringLiteral("Host Online Match"),
            QStringLiteral("You play player 1. The other player joins this machine's address "
                           "at this UDP port:"),
            net::defaultPort, 1, 65535, 1, &ok);
        if (ok) {
            hostOnline(static_cast<std::uint16_t>(port));
        }
    });
    joinOnline_ = gameMenu_->addAction(QStringLiteral("Join Online Match..."));
    connect(joinOnline_, &QAction::triggered, this, [this] {
        bool ok = false;
        const QString address = QInputDialog::getText(
            this, QStringLiteral("Join Online Match"),
            QStringLiteral("You play player 2. The host's address (and :port unless it is %1):")
                .arg(net::defaultPort),
            QLineEdit::Normal, QString(), &ok);
        if (ok && !address.trimmed().isEmpty()) {
            joinOnline(address);
        }
    });
    leaveOnline_ = gameMenu_->addAction(QStringLiteral("Leave Online Match"));
    connect(leaveOnline_, &QAction::triggered, this, [this] { leaveOnline(); });
}

QAction* MainWindow::replaySpeedAction(int speed) const {
    for (std::size_t i = 0; i < replaySpeeds.size(); ++i) {
        if (replaySpeeds[i] == speed) {
            return speedActions_[i];
        }
    }
    return nullptr;
}

QPushButton* MainWindow::makeButton(const PushButton& control, EventKind click) {
    auto* button = new QPushButton(QString::fromStdString(control.Caption), court_);
    court_->placeOnCourt(button, control.pixelBox());
    // Enter clicks the focused button, as Space does.
    button->setAutoDefault(true);
    button->setVisible(control.Visible);
    connect(button, &QPushButton::clicked, this, [this, click] {
        filter_.flush();
        post(GameEvent::of(click));
    });
    return button;
}

void MainWindow::post(const GameEvent& event) {
    // The players' input does nothing during a replay; Exit still ends the program.
    if (session_->isReplay() && !endsTheProgram(event)) {
        return;
    }
    if (event.kind == EventKind::clickPlay) {
        seatComputerPlayers();
    }
    engine().post(event);
    // A pause holds back no Exit and no new match: play goes on to hand it over.
    if (paused() && (endsTheProgram(event) || event.kind == EventKind::clickPlay)) {
        setPaused(false);
    }
}

template <typename Step> void MainWindow::runEngine(Step&& step) {
    bool stopped = false;
    try {
        step();
    } catch (const RunEnded& end) {
        // After Exit nothing of the interrupted handlers may go on; a game
        // stopped gives way to the next one.
        stopped = end.reason == RunEnded::Reason::stopped;
    }
    if (online_ && online_->over() && onlineGame_ == session_.get()) {
        endOnlineMatch();
        return;
    }
    if (stopped || session_->replayOver()) {
        startNextSession();
        return;
    }
    refresh();
}

void MainWindow::beat() {
    if (engine().insideHandler() || pacer_.paused()) {
        return;
    }
    const std::int64_t now = realClock_.nowMicros();
    const std::int64_t next = engine().nextHeartbeatMicros();
    if (now < pacer_.realMicrosOf(next)) {
        armHeartbeat();
        return;
    }
    pacer_.reached(next, now);
    timing_.heartbeat(now, next);
    runEngine([this] { engine().runHeartbeat(); });
    armHeartbeat();
}

void MainWindow::runNextHeartbeatNow() {
    pacer_.anchor(engine().nextHeartbeatMicros(), realClock_.nowMicros());
    beat();
}

// The next heartbeat at the real time it is due; a late beat is not made up
// for, the pacer lets virtual time fall behind instead.
void MainWindow::armHeartbeat() {
    if (pacer_.paused()) {
        heartbeat_.stop();
        return;
    }
    const std::int64_t wait =
        pacer_.realMicrosOf(engine().nextHeartbeatMicros()) - realClock_.nowMicros();
    // Qt's timers count whole milliseconds: rounded up, the beat comes less
    // than a millisecond late. Sleeping out the last millisecond instead
    // would wake the game twice a heartbeat, a sixth of its idle CPU time.
    heartbeat_.start(static_cast<int>(std::max<std::int64_t>(0, (wait + 999) / 1000)));
}

void MainWindow::collectInput(Engine& /*running*/) {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    filter_.flush();
    if (pads_) {
        for (const GameEvent& event : pads_->poll()) {
            // Like keys: while paused a press is not handed on, a release is.
            if (!paused() || event.kind != EventKind::keyDown) {
                post(inOnlineMatch() ? OnlinePlay::asPlayer(event, online_->localSide()) : event);
            }
        }
    }
    session_->collectReplay();
}

// The paced wait sleeps in the window's own event loop, so the window stays
// alive and input is queued for the wait's next pump.
void MainWindow::paceTo(std::int64_t virtualMicros) {
    for (;;) {
        const std::int64_t now = realClock_.nowMicros();
        const std::int64_t due = pacer_.realMicrosOf(virtualMicros);
        if (now >= due) {
            pacer_.reached(virtualMicros, now);
            return;
        }
        // Paused, it looks again now and then; otherwise it wakes when due.
        const std::int64_t waitMillis = pacer_.paused() ? 50 : (due - now + 999) / 1000;
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(waitMillis), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        loop.exec();
    }
}

void MainWindow::deliveryPointDone(bool /*insideWait*/) {
    if (pauseAfterDelivery_) {
        setPaused(true);
    }
    refresh();
}

void MainWindow::refresh() {
    const Scene& scene = game().scene;
    for (const auto& [button, control] :
         {std::pair{play_, &scene.cmdPlay}, {exit_, &scene.cmdExit}}) {
        if (button->isHidden() == control->Visible) {
            button->setVisible(control->Visible);
            // Back at game over: Enter or Space starts the next match.
            if (button == play_ && control->Visible && isActiveWindow()) {
                play_->setFocus();
            }
        }
    }
    rememberChoices();
    for (MenuId item : checkableItems) {
        QAction* action = menuAction(item);
        if (action->isChecked() != scene.menu(item).Checked) {
            action->setChecked(scene.menu(item).Checked);
        }
    }
    court_->showChanges();
}

// The match length and background the player chose are kept for the next run.
void MainWindow::rememberChoices() {
    // Until the first heartbeat the game has not yet heard the choices it starts with.
    // The joining player plays the host's match without making it their own.
    if (session_->isReplay() || engine().nowMicros() == 0 ||
        (online_ && online_->localSide() == 2)) {
        return;
    }
    GameSettings chosen = settings_;
    for (const MenuId item : numberOfBallsGroup) {
        if (game().scene.menu(item).Checked) {
            chosen.matchLength = item;
        }
    }
    for (const MenuId item : backroundGroup) {
        if (game().scene.menu(item).Checked) {
            chosen.background = item;
        }
    }
    if (chosen != settings_) {
        applySettings(chosen);
    }
}

void MainWindow::applySettings(const GameSettings& settings) {
    settings_ = settings;
    if (!session_->isReplay() && !inOnlineMatch()) {
        for (int player : {1, 2}) {
            engine().setHeldKeys(player, settings_.heldKeys);
        }
    }
    heldKeysAction_->setChecked(settings_.heldKeys);
    showPlayers();
    if (pads_) {
        pads_->setSwapped(settings_.padsSwapped);
    }
    soundMenu_->show(settings_);
    if (sounds_) {
        sounds_->setEnabled(settings_.sound);
        sounds_->setVolume(settings_.volume);
    }
    if (store_) {
        saveSettings(*store_, settings_);
    }
}

// What goes beyond the written game and is kept between runs, below the
// written items.
void MainWindow::buildOptionsExtras() {
    QMenu* options = menuAction(MenuId::mnuOptions)->menu();
    options->addSeparator();
    heldKeysAction_ = options->addAction(QStringLiteral("Held Keys Keep Walking"));
    heldKeysAction_->setCheckable(true);
    heldKeysAction_->setChecked(settings_.heldKeys);
    connect(heldKeysAction_, &QAction::triggered, this, [this](bool on) {
        GameSettings changed = settings_;
        changed.heldKeys = on;
        applySettings(changed);
    });
    controlsAction_ = options->addAction(QStringLiteral("Controls..."));
    connect(controlsAction_, &QAction::triggered, this, [this] { editControls(); });

    // Each side a person, or the computer at one of three strengths.
    QMenu* players = options->addMenu(QStringLiteral("Players"));
    playersMenu_ = players;
    static constexpr std::array<std::optional<BotStrength>, 4> choices{
        std::nullopt, BotStrength::easy, BotStrength::normal, BotStrength::hard};
    for (int player : {1, 2}) {
        QMenu* side = players->addMenu(QStringLiteral("Player %1").arg(player));
        for (std::size_t i = 0; i < choices.size(); ++i) {
            static constexpr std::array<const char*, 4> captions{
                "Human", "Computer (Easy)", "Computer (Normal)", "Computer (Hard)"};
            QAction* action = side->addAction(QString::fromLatin1(captions[i]));
            action->setCheckable(true);
            playerActions_[static_cast<std::size_t>(player - 1)][i] = action;
            connect(action, &QAction::triggered, this, [this, player, choice = choices[i]] {
                programMenu_->forget(player);
                GameSettings changed = settings_;
                changed.computer[static_cast<std::size_t>(player - 1)] = choice;
                applySettings(changed);
                // Takes effect at once; the next Play! seeds it afresh.
                seatComputerPlayers();
            });
        }
    }
    programMenu_ = std::make_unique<ProgramMenu>(*players, *this, [this] {
        showPlayers();
        seatComputerPlayers();
    });
    showPlayers();
    soundMenu_ = std::make_unique<SoundMenu>(*options, settings_, [this](bool on, int volume) {
        GameSettings changed = settings_;
        changed.sound = on;
        changed.volume = volume;
        applySettings(changed);
    });
}

void MainWindow::showPlayers() {
    static constexpr std::array<std::optional<BotStrength>, 4> choices{
        std::nullopt, BotStrength::easy, BotStrength::normal, BotStrength::hard};
    for (std::size_t side = 0; side < 2; ++side) {
        for (std::size_t i = 0; i < choices.size(); ++i) {
            const bool program =
                programMenu_ && !programMenu_->commandOf(static_cast<int>(side) + 1).empty();
            playerActions_[side][i]->setChecked(!program && settings_.computer[side] == choices[i]);
        }
    }
}

// Puts each side under the computer player the options name, or gives it back
// to a person, with a new seed: the computer's keys are recorded, never its seed.
void MainWindow::seatComputerPlayers() {
    // Computer players never play online: only the players' own input travels.
    if (session_->isReplay() || online_) {
        return;
    }
    for (int player : {1, 2}) {
        const auto& strength = settings_.computer[static_cast<std::size_t>(player - 1)];
        engine().post(GameEvent::bot(player, strength, seeds_()));
    }
    programMenu_->seat(engine());
}

void MainWindow::editControls() {
    const bool wasPaused = paused();
    setPaused(true);
    ControlsDialog dialog(settings_.keys, settings_.padsSwapped, this);
    if (dialog.exec() == QDialog::Accepted) {
        GameSettings changed = settings_;
        changed.keys = dialog.keys();
        changed.padsSwapped = dialog.padsSwapped();
        applySettings(changed);
    }
    setPaused(wasPaused);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // A key event enters the window once, at its QWindow; past that Qt
        // hands an ignored key to every parent of the focused widget in turn.
        if (watched == windowHandle() && QApplication::activePopupWidget() == nullptr &&
            QApplication::activeModalWidget() == nullptr) {
            return routeKey(*static_cast<QKeyEvent*>(event));
        }
        break;
    case QEvent::FocusOut:
        if (watched != this && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == this &&
            keyboardLeftWindow(*static_cast<QFocusEvent*>(event), this)) {
            keyboardLost();
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::routeKey(const QKeyEvent& key) {
    if (fullScreen_->routeKey(key)) {
        return true;
    }
    // The pause keys belong to the window and never reach the game.
    if (isPauseKey(key.key())) {
        if (key.type() == QEvent::KeyPress && !key.isAutoRepeat() && pausable()) {
            setPaused(!paused());
        }
        return true;
    }
    // The game's keys are places on the keyboard, whatever the layout prints on them.
    const std::uint16_t gameKey = settings_.keys.gameKeyCode(physicalKeyOf(key));
    const auto code = static_cast<std::int16_t>(gameKey);
    const std::int16_t shift = shiftStateOf(key.modifiers());
    if (key.type() == QEvent::KeyPress) {
        // While paused a press is not handed on; a release is, once play goes on.
        if (!paused()) {
            timing_.keyArrived(realClock_.nowMicros(), gameKey);
            filter_.press(code, shift);
        }
    } else {
        filter_.release(code, shift, key.isAutoRepeat());
    }
    return keepFromButtons(key.key(), gameKey);
}

// Pause holds a match or a replay; the first screen and GAME OVER have nothing
// to hold, and an online match never stops for one player alone.
bool MainWindow::pausable() const {
    const bool matchOn = !session_->engine().window().scene.cmdPlay.Visible;
    return !online_ && (matchOn || session_->isReplay() || paused());
}

// Held keys will never report their release now: stop both players.
void MainWindow::keyboardLost() {
    filter_.flush();
    post(GameEvent::of(EventKind::focusOut));
}

// Another program took the keyboard during the players' match: pause it. The
// players must be stopped first, and only a delivery point hands the
// focus-out to the game at a time a replay can repeat; so the clock stands
// still once the next delivery point is done. Our own message boxes take the
// keyboard as part of play and pause nothing.
void MainWindow::pauseOnceHandedOver() {
    const bool matchOn = !game().scene.cmdPlay.Visible;
    if (matchOn && !paused() && !session_->isReplay() && !showingMessage_ &&
        QApplication::activeModalWidget() == nullptr) {
        pauseAfterDelivery_ = true;
    }
}

bool MainWindow::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowDeactivate:
        keyboardLost();
        pauseOnceHandedOver();
        break;
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Resize:
        recentreOnceFramed();
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

// The load handler centred the window before it had a frame; once the window
// manager has framed it, centre it again by its real outer size.
void MainWindow::recentreOnceFramed() {
    if (recentred_ || !isVisible()) {
        return;
    }
    recentred_ = windowHandle() != nullptr && !windowHandle()->frameMargins().isNull();
    if (recentred_) {
        const QMargins frame = windowHandle()->frameMargins();
        fitToScreen({frame.left() + frame.right(), frame.top() + frame.bottom()});
    }
    const QSize used = centredFrameSize_;
    const TwipRect frame = windowOuterFrame();
    if (frame.width != twips(used.width()) || frame.height != twips(used.height())) {
        game().centreOnScreen();
    }
}

// Closing the window is the game's Exit: handed over at the next delivery
// point like any command, so a recording ends as the game did.
void MainWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (game().ended()) {
        return;
    }
    filter_.flush();
    post(GameEvent::menu(MenuId::mnuExit));
    setPaused(false);
}

void MainWindow::showMessage(std::string_view text) {
    {
        const QScopedValueRollback<bool> showing(showingMessage_, true);
        messageBox_(qstring(messages::title), qstring(text));
    }
    clockStoodStill();
}

void MainWindow::clockStoodStill() {
    pacer_.anchor(engine().nowMicros(), realClock_.nowMicros());
}

// The court at its written size, or as large as the screen takes the window
// with its menu bar and frame.
void MainWindow::fitToScreen(QSize frame) {
    const QScreen* shownOn = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    const QSize chrome = frame + QSize(0, menuBar()->sizeHint().height());
    court_->setPreferredScale(
        openingScale(shownOn->availableGeometry().size(), chrome, devicePixelRatioF()));
    resize(court_->sizeHint() + QSize(0, menuBar()->sizeHint().height()));
}

TwipRect MainWindow::availableScreen() {
    const QScreen* shownOn = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    const QRect area = shownOn->availableGeometry();
    return {twips(area.x()), twips(area.y()), twips(area.width()), twips(area.height())};
}

// Before the window manager has framed the window its margins are zero, and
// this is the bare window.
TwipRect MainWindow::windowOuterFrame() {
    QMargins margins;
    if (const QWindow* handle = windowHandle()) {
        margins = handle->frameMargins();
    }
    const QRect frame = geometry().marginsAdded(margins);
    centredFrameSize_ = frame.size();
    return {twips(frame.x()), twips(frame.y()), twips(frame.width()), twips(frame.height())};
}

void MainWindow::moveWindow(float leftTwips, float topTwips) {
    if (ignoreMoves_) {
        return;
    }
    // Qt places a top-level window by its frame, as the game means it.
    move(static_cast<int>(std::lround(leftTwips / twipsPerPixel)),
         static_cast<int>(std::lround(topTwips / twipsPerPixel)));
}

void MainWindow::endProgram() {
    session_->close();
    programEnd_();
}

bool MainWindow::startReplay(const QString& path) {
    if (online_) {
        return false;
    }
    std::ifstream file(path.toStdString(), std::ios::binary);
    std::variant<std::vector<ScriptEvent>, ScriptError> parsed =
        file ? parseScript(file) : ScriptError{0, "cannot be opened"};
    // gloob-sim plays an empty script; as a replay it would only show a still court.
    if (const auto* events = std::get_if<std::vector<ScriptEvent>>(&parsed);
        events != nullptr && events->empty()) {
        parsed = ScriptError{0, "it holds nothing to play"};
    }
    if (const auto* error = std::get_if<ScriptError>(&parsed)) {
        const QString where =
            error->line > 0 ? QStringLiteral(", line %1").arg(error->line) : QString();
        messageBox_(
            qstring(messages::title),
            QStringLiteral("This recording cannot be played.\n\n%1%2: %3")
                .arg(QFileInfo(path).fileName(), where, QString::fromStdString(error->message)));
        return false;
    }
    nextReplay_ = std::get<std::vector<ScriptEvent>>(std::move(parsed));
    stopSession();
    return true;
}

void MainWindow::stopReplay() {
    if (session_->isReplay()) {
        stopSession();
    }
}

void MainWindow::chooseReplay() {
    const bool wasPaused = paused();
    setPaused(true);
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Watch Replay"), replaysFolder(),
        QStringLiteral("Recordings (*.replay *.script);;All files (*)"));
    if (path.isEmpty() || !startReplay(path)) {
        setPaused(wasPaused);
    }
}

void MainWindow::setReplaySpeed(int speed) {
    replaySpeed_ = speed;
    for (std::size_t i = 0; i < replaySpeeds.size(); ++i) {
        speedActions_[i]->setChecked(replaySpeeds[i] == speed);
    }
    // A game of the players' always runs at the real pace.
    if (session_->isReplay()) {
        pacer_.setSpeed(speed, realClock_.nowMicros());
        armHeartbeat();
    }
    showReplayState();
}

void MainWindow::setPaused(bool paused) {
    // An online match never stops for one player alone.
    if (paused && inOnlineMatch()) {
        pauseAfterDelivery_ = false;
        return;
    }
    if (paused) {
        pacer_.pause(realClock_.nowMicros());
    } else {
        pacer_.resume(realClock_.nowMicros());
    }
    pauseAction_->setChecked(pacer_.paused());
    // Waiting for the other machine is no pause of the player's; the title says it.
    court_->setPaused(pacer_.paused() && !online_);
    pauseAfterDelivery_ = false;
    showReplayState();
    armHeartbeat();
}

// The title says what the window shows when it is not the game itself.
void MainWindow::showReplayState() {
    QString title = QString::fromStdString(game().scene.Caption);
    if (session_->isReplay()) {
        title += QStringLiteral(" - Replay");
        if (pacer_.speed() != 1) {
            title += QStringLiteral(" %1x").arg(pacer_.speed());
        }
    }
    if (pacer_.paused() && !online_) {
        title += QStringLiteral(" - Paused");
    }
    if (online_) {
        title += QStringLiteral(" - ") + online_->describe();
    }
    setWindowTitle(title);
    stopReplay_->setEnabled(session_->isReplay());
    // A replay watched faster than it was played would only chatter.
    if (sounds_) {
        sounds_->setMuted(pacer_.paused() || (session_->isReplay() && pacer_.speed() != 1));
    }
    showOnlineState();
}

// While connected, nothing that would set the two games apart is at hand:
// no pause, no replays, no computer players, and for the joining player none
// of the host's choices.
void MainWindow::showOnlineState() {
    const bool online = online_ != nullptr;
    hostOnline_->setEnabled(!online);
    joinOnline_->setEnabled(!online);
    leaveOnline_->setEnabled(online);
    pauseAction_->setEnabled(!online);
    watchReplay_->setEnabled(!online);
    for (QAction* speed : speedActions_) {
        speed->setEnabled(!online);
    }
    const bool joining = online && online_->localSide() == 2;
    menuAction(MenuId::mnuNumberBalls)->setEnabled(!joining);
    menuAction(MenuId::mnuBackround)->setEnabled(!joining);
    playersMenu_->menuAction()->setEnabled(!online);
}

bool MainWindow::hostOnline(std::uint16_t port) {
    QString error;
    auto online = OnlinePlay::host(
        port, *this, [this] { showReplayState(); }, error);
    return startOnline(std::move(online), error);
}

bool MainWindow::joinOnline(const QString& address) {
    const auto parsed = net::parseHostAddress(address.trimmed().toStdString());
    if (!parsed) {
        messageBox_(qstring(messages::title),
                    QStringLiteral("'%1' is no address to join: a host name or IPv4 address, "
                                   "then ':' and the port unless it is %2.")
                        .arg(address)
                        .arg(net::defaultPort));
        return false;
    }
    QString error;
    auto online = OnlinePlay::join(
        *parsed, *this, [this] { showReplayState(); }, error);
    return startOnline(std::move(online), error);
}

bool MainWindow::startOnline(std::unique_ptr<OnlinePlay> online, const QString& error) {
    if (!online || online_) {
        messageBox_(qstring(messages::title),
                    QStringLiteral("The online match cannot begin: %1.").arg(error));
        return false;
    }
    online_ = std::move(online);
    // The game here waits while the other machine is found.
    setPaused(true);
    onlineTimer_.start(10);
    showReplayState();
    return true;
}

// Between delivery points: the introductions, then the match's link.
void MainWindow::serviceOnline() {
    if (!online_) {
        onlineTimer_.stop();
        return;
    }
    if (online_->advance()) {
        // Agreed: the match begins on both machines with a new game.
        setPaused(false);
        stopSession();
        return;
    }
    // An online game's running handler is unwound at its next delivery point first.
    if (online_->over() && (!engine().insideHandler() || onlineGame_ != session_.get())) {
        endOnlineMatch();
    }
}

void MainWindow::leaveOnline() {
    if (!online_) {
        return;
    }
    if (online_->inMatch()) {
        online_->session().leave();
    }
    if (!engine().insideHandler() || onlineGame_ != session_.get()) {
        endOnlineMatch();
    }
}

// Back to a game of this machine's own, saying why the match ended.
void MainWindow::endOnlineMatch() {
    const QString why = online_ ? online_->endMessage() : QString();
    const bool wasPlaying = onlineGame_ != nullptr && onlineGame_ == session_.get();
    if (wasPlaying && online_) {
        online_->frontEnd().detach();
    }
    online_.reset();
    onlineGame_ = nullptr;
    onlineTimer_.stop();
    if (!why.isEmpty()) {
        std::fprintf(stderr, "gloob: online: %s\n", qPrintable(why));
    }
    if (wasPlaying) {
        startNextSession();
    } else {
        setPaused(false);
        showReplayState();
    }
    if (!why.isEmpty()) {
        QTimer::singleShot(0, this, [this, why] { messageBox_(qstring(messages::title), why); });
    }
}

} // namespace gloob
