// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "game_menus.h"

#include "controls_dialog.h"
#include "full_screen.h"
#include "keys_and_options.h"
#include "language_menu.h"
#include "program_menu.h"
#include "recordings.h"
#include "serve_menu.h"
#include "sound_menu.h"
#include "written_texts.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include <algorithm>
#include <optional>

namespace gloob {

namespace {

// The items that show a check mark. Which one of a group is checked is the
// game's business, so these are plain checkable actions, not an exclusive
// group that Qt would keep on its own (and draw with radio dots).
constexpr std::array checkableItems{numberOfBallsGroup[0], numberOfBallsGroup[1],
                                    numberOfBallsGroup[2], backroundGroup[0],
                                    backroundGroup[1],     backroundGroup[2]};

constexpr std::array replaySpeeds{1, 2, 4};

// Each side a person, or the computer at one of three strengths.
constexpr std::array<std::optional<BotStrength>, 4> playerChoices{
    std::nullopt, BotStrength::easy, BotStrength::normal, BotStrength::hard};
constexpr std::array<const char*, 4> playerCaptions{
    QT_TRANSLATE_NOOP("GameMenus", "Human"), QT_TRANSLATE_NOOP("GameMenus", "Computer (Easy)"),
    QT_TRANSLATE_NOOP("GameMenus", "Computer (Normal)"),
    QT_TRANSLATE_NOOP("GameMenus", "Computer (Hard)")};

bool opensSubmenu(MenuId item) {
    return std::any_of(menuTree.begin(), menuTree.end(),
                       [&](const MenuEntry& entry) { return entry.parent == item; });
}

} // namespace

GameMenus::GameMenus(QMainWindow& window, const Scene& scene, const GameSettings& settings,
                     Commands commands)
    : window_(window), commands_(std::move(commands)), shown_(settings) {
    buildWritten(scene);
    buildOptionsExtras();
    buildGameMenu();
    buildHelpExtras();
}

GameMenus::~GameMenus() = default;

void GameMenus::buildWritten(const Scene& scene) {
    std::array<QMenu*, menuItemCount> menus{};
    QMenuBar* bar = window_.menuBar();
    for (const MenuEntry& entry : menuTree) {
        const QString caption = shownText(scene.menu(entry.id).Caption);
        QMenu* parentMenu = entry.parent ? menus[static_cast<std::size_t>(*entry.parent)] : nullptr;
        if (opensSubmenu(entry.id)) {
            QMenu* menu = parentMenu ? parentMenu->addMenu(caption) : bar->addMenu(caption);
            menus[static_cast<std::size_t>(entry.id)] = menu;
            actions_[static_cast<std::size_t>(entry.id)] = menu->menuAction();
            continue;
        }
        QAction* item = parentMenu ? parentMenu->addAction(caption) : bar->addAction(caption);
        actions_[static_cast<std::size_t>(entry.id)] = item;
        if (std::find(checkableItems.begin(), checkableItems.end(), entry.id) !=
            checkableItems.end()) {
            item->setCheckable(true);
            item->setChecked(scene.menu(entry.id).Checked);
        }
        // Qt has already flipped a checkable action by now; the window shows
        // the game's check marks again once the command is handed over.
        QObject::connect(item, &QAction::triggered, &window_,
                         [this, id = entry.id] { commands_.command(GameEvent::menu(id)); });
    }
}

// What goes beyond the written game: a new match, pausing and replays, in a
// menu of its own between Options and Help. Online play adds its items below.
void GameMenus::buildGameMenu() {
    gameMenu_ = new QMenu(QCoreApplication::translate("GameMenus", "Game"), &window_);
    window_.menuBar()->insertMenu(action(MenuId::mnuHelp), gameMenu_);

    // Straight into a new match, without the way through GAME OVER.
    newMatch_ = gameMenu_->addAction(QCoreApplication::translate("GameMenus", "New Match"));
    QObject::connect(newMatch_, &QAction::triggered, &window_, [this] { commands_.newMatch(); });
    // The key is shown, not bound: the window's key routing owns P.
    pauseAction_ = gameMenu_->addAction(QCoreApplication::translate("GameMenus", "Pause\tP"));
    pauseAction_->setCheckable(true);
    QObject::connect(pauseAction_, &QAction::triggered, &window_,
                     [this](bool on) { commands_.pauseChosen(on); });
    fullScreen_ = new FullScreen(window_, *gameMenu_, *window_.menuBar());
    gameMenu_->addSeparator();

    watchReplay_ =
        gameMenu_->addAction(QCoreApplication::translate("GameMenus", "Watch Replay..."));
    QObject::connect(watchReplay_, &QAction::triggered, &window_, [this] { chooseReplay(); });
    QMenu* speeds = gameMenu_->addMenu(QCoreApplication::translate("GameMenus", "Replay Speed"));
    for (std::size_t i = 0; i < replaySpeeds.size(); ++i) {
        const int speed = replaySpeeds[i];
        QAction* item = speeds->addAction(QStringLiteral("%1x").arg(speed));
        item->setCheckable(true);
        item->setChecked(speed == 1);
        QObject::connect(item, &QAction::triggered, &window_,
                         [this, speed] { commands_.replaySpeed(speed); });
        speedActions_[i] = item;
    }
    stopReplay_ = gameMenu_->addAction(QCoreApplication::translate("GameMenus", "Stop Replay"));
    QObject::connect(stopReplay_, &QAction::triggered, &window_,
                     [this] { commands_.stopReplay(); });
    gameMenu_->addSeparator();
}

// Below the written items in Help: the window's own box, which the game
// never hears of.
void GameMenus::buildHelpExtras() {
    QMenu* help = action(MenuId::mnuHelp)->menu();
    help->addSeparator();
    QAction* keys = help->addAction(QCoreApplication::translate("GameMenus", "Keys and Options"));
    QObject::connect(keys, &QAction::triggered, &window_, [this] { showKeysAndOptions(); });
}

void GameMenus::showKeysAndOptions() {
    QString points;
    for (MenuId item : numberOfBallsGroup) {
        if (action(item)->isChecked()) {
            points = action(item)->text();
        }
    }
    const bool wasPaused = commands_.paused();
    commands_.hold(true);
    QMessageBox box(QMessageBox::NoIcon,
                    QCoreApplication::translate("GameMenus", "Keys and Options"),
                    keysAndOptionsText(shown_.keys, shown_.padsSwapped, points, shown_.serve),
                    QMessageBox::Ok, &window_);
    box.setTextFormat(Qt::RichText);
    box.exec();
    commands_.hold(wasPaused);
}

GameSettings GameMenus::changed(const std::function<void(GameSettings&)>& change) const {
    GameSettings settings = shown_;
    change(settings);
    return settings;
}

// What goes beyond the written game and is kept between runs, below the
// written items.
void GameMenus::buildOptionsExtras() {
    QMenu* options = action(MenuId::mnuOptions)->menu();
    options->addSeparator();
    heldKeysAction_ =
        options->addAction(QCoreApplication::translate("GameMenus", "Held Keys Keep Walking"));
    heldKeysAction_->setCheckable(true);
    QObject::connect(heldKeysAction_, &QAction::triggered, &window_, [this](bool on) {
        commands_.settingsChosen(changed([on](GameSettings& s) { s.heldKeys = on; }));
    });
    QAction* controls = options->addAction(QCoreApplication::translate("GameMenus", "Controls..."));
    QObject::connect(controls, &QAction::triggered, &window_, [this] { editControls(); });

    playersMenu_ = options->addMenu(QCoreApplication::translate("GameMenus", "Players"));
    for (int player : {1, 2}) {
        QMenu* side = playersMenu_->addMenu(
            QCoreApplication::translate("GameMenus", "Player %1").arg(player));
        for (std::size_t i = 0; i < playerChoices.size(); ++i) {
            QAction* item =
                side->addAction(QCoreApplication::translate("GameMenus", playerCaptions[i]));
            item->setCheckable(true);
            playerActions_[static_cast<std::size_t>(player - 1)][i] = item;
            QObject::connect(item, &QAction::triggered, &window_,
                             [this, player, choice = playerChoices[i]] {
                                 programs_->forget(player);
                                 commands_.settingsChosen(changed([&](GameSettings& s) {
                                     s.computer[static_cast<std::size_t>(player - 1)] = choice;
                                 }));
                                 // Takes effect at once; the next Play! seeds it afresh.
                                 commands_.playersChosen();
                             });
        }
    }
    programs_ = std::make_unique<ProgramMenu>(*playersMenu_, window_, [this] {
        showPlayers();
        commands_.playersChosen();
    });
    serveMenu_ = std::make_unique<ServeMenu>(*options, shown_.serve, [this](ServeRule rule) {
        commands_.settingsChosen(changed([rule](GameSettings& s) { s.serve = rule; }));
        commands_.command(GameEvent::serve(rule));
    });
    soundMenu_ = std::make_unique<SoundMenu>(*options, shown_, [this](bool on, int volume) {
        commands_.settingsChosen(changed([&](GameSettings& s) {
            s.sound = on;
            s.volume = volume;
        }));
    });
    languageMenu_ =
        std::make_unique<LanguageMenu>(*options, shown_.language, [this](const QString& code) {
            commands_.settingsChosen(changed([&](GameSettings& s) { s.language = code; }));
        });
    showSettings(shown_);
}

void GameMenus::showSettings(const GameSettings& settings) {
    shown_ = settings;
    heldKeysAction_->setChecked(settings.heldKeys);
    serveMenu_->show(settings.serve);
    showPlayers();
    soundMenu_->show(settings);
    languageMenu_->show(settings.language);
}

void GameMenus::showPlayers() {
    for (std::size_t side = 0; side < 2; ++side) {
        const bool program = !programs_->commandOf(static_cast<int>(side) + 1).empty();
        for (std::size_t i = 0; i < playerChoices.size(); ++i) {
            playerActions_[side][i]->setChecked(!program &&
                                                shown_.computer[side] == playerChoices[i]);
        }
    }
}

void GameMenus::showChecks(const Scene& scene) {
    for (MenuId item : checkableItems) {
        if (action(item)->isChecked() != scene.menu(item).Checked) {
            action(item)->setChecked(scene.menu(item).Checked);
        }
    }
}

void GameMenus::showPaused(bool paused) {
    pauseAction_->setChecked(paused);
}

QAction* GameMenus::replaySpeedAction(int speed) const {
    for (std::size_t i = 0; i < replaySpeeds.size(); ++i) {
        if (replaySpeeds[i] == speed) {
            return speedActions_[i];
        }
    }
    return nullptr;
}

void GameMenus::showReplaySpeed(int speed) {
    for (std::size_t i = 0; i < replaySpeeds.size(); ++i) {
        speedActions_[i]->setChecked(replaySpeeds[i] == speed);
    }
}

// While connected, nothing that would set the two games apart is at hand:
// no pause, no replays, no computer players, and for the joining player none
// of the host's choices.
void GameMenus::showState(const State& state) {
    stopReplay_->setEnabled(state.replay);
    newMatch_->setEnabled(!state.replay && !state.linked);
    pauseAction_->setEnabled(!state.linked);
    watchReplay_->setEnabled(!state.linked);
    for (QAction* speed : speedActions_) {
        speed->setEnabled(!state.linked);
    }
    action(MenuId::mnuNumberBalls)->setEnabled(!state.othersChoices);
    action(MenuId::mnuBackround)->setEnabled(!state.othersChoices);
    serveMenu_->menu()->menuAction()->setEnabled(!state.othersChoices);
    playersMenu_->menuAction()->setEnabled(!state.linked);
}

void GameMenus::editControls() {
    const bool wasPaused = commands_.paused();
    commands_.hold(true);
    ControlsDialog dialog(shown_.keys, shown_.padsSwapped, &window_);
    if (dialog.exec() == QDialog::Accepted) {
        commands_.settingsChosen(changed([&](GameSettings& s) {
            s.keys = dialog.keys();
            s.padsSwapped = dialog.padsSwapped();
        }));
    }
    commands_.hold(wasPaused);
}

void GameMenus::chooseReplay() {
    const bool wasPaused = commands_.paused();
    commands_.hold(true);
    QFileDialog dialog(
        &window_, QCoreApplication::translate("GameMenus", "Watch Replay"), replaysFolder(),
        QCoreApplication::translate("GameMenus", "Recordings (*.replay *.script);;All files (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    showRecordingsWhole(dialog);
    const QString path = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                             ? dialog.selectedFiles().constFirst()
                             : QString();
    if (path.isEmpty() || !commands_.watchReplay(path)) {
        commands_.hold(wasPaused);
    }
}

} // namespace gloob
