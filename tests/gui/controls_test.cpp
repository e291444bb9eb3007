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
// with whatever is chosen or refused: a row never moves from under the pointer.
TEST(ControlsDialog, FitsItsContentsAndNeverResizes) {
    DialogRun run;
    run.dialog.show();
    QCoreApplication::processEvents();
    const QSize opened = run.dialog.size();
    const QTableWidget* table = run.dialog.table();
    const auto fits = [&](const char* when) {
        QCoreApplication::processEvents();
        EXPECT_EQ(run.dialog.size(), opened) << when;
        EXPECT_GE(table->viewport()->height(), table->verticalHeader()->length()) << when;
        EXPECT_GE(table->viewport()->width(), table->horizontalHeader()->length()) << when;
        EXPECT_LT(table->fontMetrics().horizontalAdvance(table->item(5, 1)->text()),
                  table->columnWidth(1))
            << when;
        const auto* hint = run.dialog.findChild<QLabel*>();
        EXPECT_GE(hint->width(), hint->sizeHint().width()) << when;
    };
    fits("opened");
    run.dialog.chooseKeyFor({2, PlayerAction::right});
    fits("choosing");
    run.press({2, PlayerAction::right}, Qt::Key_Left, 113);
    fits("refused");
    run.press(player2Jump, Qt::Key_Enter, 104);
    fits("Keypad Enter");
    EXPECT_EQ(run.refusals.size(), 1u);
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

QAction* itemOf(QMenu* menu, const char* caption) {
    for (QAction* action : menu->actions()) {
        if (action->text() == QString::fromLatin1(caption)) {
            return action;
        }
    }
    return nullptr;
}
QAction* optionsItem(MainWindow& window, const char* caption) {
    return itemOf(window.menuAction(MenuId::mnuOptions)->menu(), caption);
}

// Runs `inside` on the modal dialog of this type that `item` opens, then accepts it.
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
    ASSERT_NE(item, nullptr);
    item->trigger();
}

// Options > Controls... moves player 2's jump to J: it plays at once, and
// again after a restart.
TEST(Controls, ANewKeyPlaysAtOnceAndAfterARestart) {
    auto window = openGame();
    whileOpen<ControlsDialog>(optionsItem(*window, "Controls..."), [](ControlsDialog& dialog) {
        dialog.chooseKeyFor(player2Jump);
        sendKey(dialog.table(), QEvent::KeyPress, Qt::Key_J, keyJ);
    });
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

// Help > Keys and Options shows the keys and choices of now, in a box of the
// window's own that the game never hears of.
TEST(Controls, KeysAndOptionsShowTheChoicesOfNow) {
    MainWindow window;
    int gameBoxes = 0;
    window.setMessageBox([&](const QString&, const QString&) { ++gameBoxes; });
    window.show();
    const auto shows = [&](const std::vector<std::string>& parts) {
        std::string shown;
        whileOpen<QMessageBox>(
            itemOf(window.menuAction(MenuId::mnuHelp)->menu(), "Keys and Options"),
            [&](QMessageBox& box) { shown = box.text().toStdString(); });
        for (const std::string& part : parts) {
            EXPECT_NE(shown.find(part), std::string::npos) << part << " in " << shown;
        }
    };
    shows({"<td>Walk left</td><td>Left</td><td>A</td>", "<td>Jump</td><td>Up</td><td>W</td>",
           "the first plays player 1", "P pauses", "F11", "F10 or Alt", "5 points",
           "Player 1 serves every rally"});
    whileOpen<ControlsDialog>(optionsItem(window, "Controls..."), [](ControlsDialog& dialog) {
        dialog.chooseKeyFor(player2Jump);
        sendKey(dialog.table(), QEvent::KeyPress, Qt::Key_J, keyJ);
        dialog.findChild<QCheckBox*>()->setChecked(true);
    });
    window.menuAction(MenuId::mnu8)->trigger();
    itemOf(optionsItem(window, "Serve")->menu(), "Player Who Lost the Point")->trigger();
    window.runNextHeartbeatNow();
    shows({"<td>Jump</td><td>Up</td><td>J</td>", "the first plays player 2", "8 points",
           "The player who lost the point serves"});
    EXPECT_EQ(window.game().serve.rule, ServeRule::loser) << "the game under way serves so too";
    EXPECT_EQ(gameBoxes, 0);
}

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
