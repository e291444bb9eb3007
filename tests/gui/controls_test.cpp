// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "qt/controls_dialog.h"
#include "qt/court_view.h"
#include "qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gloob {
namespace {

constexpr PlayerControl player2Jump{2, PlayerAction::jump};
constexpr quint32 keyJ = 44;

// A key where the desktop reports it: its key number and what it types.
void sendKey(QObject* to, QEvent::Type type, int qtKey, quint32 scanCode) {
    QKeyEvent event(type, qtKey, Qt::NoModifier, scanCode, 0, 0);
    QApplication::sendEvent(to, &event);
}

struct DialogRun {
    ControlsDialog dialog{KeyBindings{}, false};
    std::vector<std::string> refusals;
    DialogRun() {
        dialog.setRefusal([this](const QString& text) { refusals.push_back(text.toStdString()); });
    }
    void press(PlayerControl control, int qtKey, quint32 scanCode) {
        dialog.chooseKeyFor(control);
        sendKey(dialog.table(), QEvent::KeyPress, qtKey, scanCode);
    }
};

TEST(ControlsDialog, MovesAControlToTheKeyPressed) {
    DialogRun run;
    run.press(player2Jump, Qt::Key_J, keyJ);
    EXPECT_EQ(run.dialog.keys().key(player2Jump), keyJ);
    EXPECT_EQ(run.dialog.table()->item(5, 1)->text().toStdString(), "J");
    EXPECT_TRUE(run.refusals.empty());
}

struct RefusedCase {
    const char* name;
    int qtKey;
    quint32 scanCode;
    std::string says;
};
void PrintTo(const RefusedCase& c, std::ostream* out) {
    *out << c.name;
}

class RefusedKeys : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedKeys, SayWhyAndChangeNothing) {
    DialogRun run;
    run.press({1, PlayerAction::left}, GetParam().qtKey, GetParam().scanCode);
    EXPECT_EQ(run.dialog.keys(), KeyBindings{});
    ASSERT_EQ(run.refusals.size(), 1u);
    EXPECT_NE(run.refusals[0].find(GetParam().says), std::string::npos) << run.refusals[0];
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedKeys,
    ::testing::Values(RefusedCase{"BoundElsewhere", Qt::Key_A, 38, "A already plays Player 2 Left"},
                      RefusedCase{"Pause", Qt::Key_P, 33, "P pauses the game"},
                      RefusedCase{"FullScreen", Qt::Key_F11, 95, "F11 switches full screen"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ControlsDialog, EscapeKeepsTheOldKeyAndDefaultsComeBack) {
    DialogRun run;
    run.press(player2Jump, Qt::Key_Escape, 9);
    EXPECT_EQ(run.dialog.keys(), KeyBindings{});
    run.press(player2Jump, Qt::Key_J, keyJ);
    ASSERT_NE(run.dialog.keys(), KeyBindings{});
    run.dialog.restoreDefaults();
    EXPECT_EQ(run.dialog.keys(), KeyBindings{});
}

// The dialog shows every row and column whole, and keeps the size it opened
// with whatever is chosen, refused or restored: a row never moves from under
// the pointer.
TEST(ControlsDialog, FitsItsContentsAndNeverResizes) {
    DialogRun run;
    run.dialog.show();
    QCoreApplication::processEvents();
    const QSize opened = run.dialog.size();
    const QTableWidget* table = run.dialog.table();
    const auto* hint = run.dialog.findChild<QLabel*>();
    const std::vector<std::pair<const char*, std::function<void()>>> steps{
        {"opened", [] {}},
        {"choosing",
         [&] {
             run.dialog.chooseKeyFor({2, PlayerAction::right});
         }},
        {"refused",
         [&] {
             run.press({2, PlayerAction::right}, Qt::Key_Left, 113);
         }},
        {"long key name",
         [&] {
             run.press({2, PlayerAction::right}, Qt::Key_Enter, 104);
         }},
        {"defaults", [&] { run.dialog.restoreDefaults(); }},
    };
    for (const auto& [name, step] : steps) {
        step();
        QCoreApplication::processEvents();
        EXPECT_EQ(run.dialog.size(), opened) << name;
        EXPECT_FALSE(table->verticalScrollBar()->isVisible()) << name;
        EXPECT_FALSE(table->horizontalScrollBar()->isVisible()) << name;
        EXPECT_GE(table->viewport()->height(), table->verticalHeader()->length()) << name;
        EXPECT_GE(table->viewport()->width(), table->horizontalHeader()->length()) << name;
        for (int row = 0; row < table->rowCount(); ++row) {
            EXPECT_LT(table->fontMetrics().horizontalAdvance(table->item(row, 1)->text()),
                      table->columnWidth(1))
                << name;
        }
        EXPECT_GE(hint->width(), hint->sizeHint().width()) << name;
    }
    EXPECT_EQ(run.refusals.size(), 1u);
    run.dialog.hide();
}

std::unique_ptr<MainWindow> openGame() {
    LaunchOptions options;
    options.useSettings = true;
    auto window = std::make_unique<MainWindow>(options);
    window->setProgramEnd([] {});
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
}

// Options > Controls... moves player 2's jump to J: it plays at once, and
// again after a restart.
TEST(Controls, ANewKeyPlaysAtOnceAndAfterARestart) {
    auto window = openGame();
    QTimer chooser;
    QObject::connect(&chooser, &QTimer::timeout, [&] {
        if (auto* dialog = dynamic_cast<ControlsDialog*>(QApplication::activeModalWidget())) {
            dialog->chooseKeyFor(player2Jump);
            sendKey(dialog->table(), QEvent::KeyPress, Qt::Key_J, keyJ);
            dialog->accept();
        }
    });
    chooser.start(5);
    QAction* controls = nullptr;
    for (QAction* action : window->menuAction(MenuId::mnuOptions)->menu()->actions()) {
        if (action->text() == QStringLiteral("Controls...")) {
            controls = action;
        }
    }
    ASSERT_NE(controls, nullptr);
    controls->trigger();
    chooser.stop();
    ASSERT_EQ(window->settings().keys.key(player2Jump), keyJ);

    sendKey(window->windowHandle(), QEvent::KeyPress, Qt::Key_J, keyJ);
    window->runNextHeartbeatNow();
    EXPECT_EQ(window->game().state.player2Jumping, -1);
    window.reset();

    auto again = openGame();
    EXPECT_EQ(again->settings().keys.key(player2Jump), keyJ);
    sendKey(again->windowHandle(), QEvent::KeyPress, Qt::Key_W, 25);
    again->runNextHeartbeatNow();
    EXPECT_EQ(again->game().state.player2Jumping, 0) << "W no longer jumps";
    sendKey(again->windowHandle(), QEvent::KeyPress, Qt::Key_J, keyJ);
    again->runNextHeartbeatNow();
    EXPECT_EQ(again->game().state.player2Jumping, -1);

    // Leave the defaults for the tests that follow.
    QSettings(QSettings::IniFormat, QSettings::UserScope, QCoreApplication::organizationName(),
              QCoreApplication::applicationName())
        .clear();
}

QAction* itemOf(QMenu* menu, const QString& caption) {
    for (QAction* action : menu->actions()) {
        if (action->text() == caption) {
            return action;
        }
    }
    return nullptr;
}

// Runs `inside` on the modal dialog of this type that `item` opens, then closes it.
template <typename Dialog>
void whileOpen(QAction* item, const std::function<void(Dialog&)>& inside) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = dynamic_cast<Dialog*>(QApplication::activeModalWidget())) {
            inside(*dialog);
            dialog->accept();
        }
    });
    poll.start(5);
    item->trigger();
}

struct HelpCase {
    const char* name;
    std::function<void(MainWindow&)> choose;
    std::vector<std::string> shown;
};
void PrintTo(const HelpCase& c, std::ostream* os) {
    *os << c.name;
}

class KeysAndOptions : public ::testing::TestWithParam<HelpCase> {};

// Help > Keys and Options shows the keys and choices as they are now, in a
// box of the window's own that the game never hears of.
TEST_P(KeysAndOptions, ShowTheChoicesOfNow) {
    MainWindow window;
    int gameBoxes = 0;
    window.setMessageBox([&](const QString&, const QString&) { ++gameBoxes; });
    window.setProgramEnd([] {});
    window.show();
    GetParam().choose(window);
    std::string shown;
    whileOpen<QMessageBox>(
        itemOf(window.menuAction(MenuId::mnuHelp)->menu(), QStringLiteral("Keys and Options")),
        [&](QMessageBox& box) { shown = box.text().toStdString(); });
    for (const std::string& part : GetParam().shown) {
        EXPECT_NE(shown.find(part), std::string::npos) << part << " in " << shown;
    }
    window.runNextHeartbeatNow();
    EXPECT_EQ(gameBoxes, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeysAndOptions,
    ::testing::Values(
        HelpCase{"AsWritten",
                 [](MainWindow&) {},
                 {"<td>Walk left</td><td>Left</td><td>A</td>", "<td>Jump</td><td>Up</td><td>W</td>",
                  "the first plays player 1", "P pauses", "F11", "F10 or Alt", "5 points"}},
        HelpCase{"Remapped",
                 [](MainWindow& window) {
                     whileOpen<ControlsDialog>(
                         itemOf(window.menuAction(MenuId::mnuOptions)->menu(),
                                QStringLiteral("Controls...")),
                         [](ControlsDialog& dialog) {
                             dialog.chooseKeyFor(player2Jump);
                             sendKey(dialog.table(), QEvent::KeyPress, Qt::Key_J, keyJ);
                             dialog.chooseKeyFor({1, PlayerAction::left});
                             sendKey(dialog.table(), QEvent::KeyPress, Qt::Key_Comma, 59);
                             dialog.findChild<QCheckBox*>()->setChecked(true);
                         });
                 },
                 {"<td>Walk left</td><td>,</td><td>A</td>", "<td>Jump</td><td>Up</td><td>J</td>",
                  "the first plays player 2"}},
        HelpCase{"EightPoints",
                 [](MainWindow& window) {
                     window.menuAction(MenuId::mnu8)->trigger();
                     window.runNextHeartbeatNow();
                 },
                 {"8 points"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Controls, DownThenEnterOnTheFirstScreenDoesNotQuit) {
    auto window = openGame();
    int ends = 0;
    window->setProgramEnd([&] { ++ends; });
    ASSERT_EQ(QApplication::focusWidget(), window->playButton());
    sendKey(window->windowHandle(), QEvent::KeyPress, Qt::Key_Down, 116);
    sendKey(window->windowHandle(), QEvent::KeyRelease, Qt::Key_Down, 116);
    EXPECT_EQ(QApplication::focusWidget(), window->playButton());
    QTest::keyClick(window->windowHandle(), Qt::Key_Return);
    window->runNextHeartbeatNow();
    EXPECT_EQ(ends, 0);
    EXPECT_FALSE(window->game().scene.cmdPlay.Visible) << "Enter pressed Play!";
}

// At game over the buttons come back and Play! takes the keyboard.
TEST(Controls, PlayHasTheFocusWhenTheButtonsComeBack) {
    auto window = openGame();
    Scene& scene = window->game().scene;
    scene.cmdPlay.Visible = scene.cmdExit.Visible = false;
    window->runNextHeartbeatNow();
    window->court()->setFocus();
    scene.cmdPlay.Visible = scene.cmdExit.Visible = true;
    window->runNextHeartbeatNow();
    EXPECT_EQ(QApplication::focusWidget(), window->playButton());
}

// Options > Players: a side under the computer no longer hears its keys.
TEST(Controls, ASideUnderTheComputerIgnoresItsKeys) {
    auto window = openGame();
    window->playerAction(2, 3)->trigger(); // Computer (Hard)
    EXPECT_TRUE(window->playerAction(2, 3)->isChecked());
    EXPECT_FALSE(window->playerAction(2, 0)->isChecked());
    EXPECT_EQ(window->settings().computer[1], BotStrength::hard);
    window->runNextHeartbeatNow();
    ASSERT_TRUE(window->engine().underComputer(2));
    sendKey(window->windowHandle(), QEvent::KeyPress, Qt::Key_A, 38);
    sendKey(window->windowHandle(), QEvent::KeyPress, Qt::Key_Left, 113);
    window->runNextHeartbeatNow();
    EXPECT_EQ(window->game().state.player2SpeedX, 0);
    EXPECT_EQ(window->game().state.player1SpeedX, -150) << "player 1 is still a person";

    window->playerAction(2, 0)->trigger(); // Human
    window->runNextHeartbeatNow();
    sendKey(window->windowHandle(), QEvent::KeyPress, Qt::Key_A, 38);
    window->runNextHeartbeatNow();
    EXPECT_EQ(window->game().state.player2SpeedX, -150);
    QSettings(QSettings::IniFormat, QSettings::UserScope, QCoreApplication::organizationName(),
              QCoreApplication::applicationName())
        .clear();
}

} // namespace
} // namespace gloob
