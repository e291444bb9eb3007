// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "app/heartbeat.h"
#include "app/messages.h"
#include "qt/court_placement.h"
#include "qt/court_view.h"
#include "qt/full_screen.h"
#include "qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QBackingStore>
#include <QFocusEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <ostream>

#include <chrono>
#include <cmath>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace gloob {
namespace {

using namespace std::chrono_literals;

std::string text(const QString& s) {
    return s.toStdString();
}

// More than one heartbeat and more than a jump timer's interval.
void sleepPastNextHeartbeat() {
    std::this_thread::sleep_for(32ms);
}

// Pixels of the court as shown, in 0x00RRGGBB.
QImage grabCourt(CourtView* court) {
    return court->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

std::uint32_t rgbAt(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFFu;
}

QPoint centreOf(const PixelBox& box) {
    return {(box.x0 + box.x1) / 2, (box.y0 + box.y1) / 2};
}

class GameWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>();
        window->setMessageBox([this](const QString& title, const QString& message) {
            titles.push_back(text(title));
            messages.push_back(text(message));
            if (whileMessageOpen) {
                whileMessageOpen();
            }
        });
        window->setProgramEnd([this] { ++programEnds; });
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // A plain release waits this long for the press that would show it a repeat.
    static void waitOutRepeatGap() {
        std::this_thread::sleep_for(std::chrono::microseconds(AutoRepeatFilter::repeatGapMicros));
    }
    void key(QEvent::Type type, int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
             bool autoRepeat = false) {
        // Into the window the way the platform delivers it: at its QWindow.
        QKeyEvent event(type, qtKey, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(window->windowHandle(), &event);
    }

    Scene& scene() { return window->game().scene; }
    MatchState& state() { return window->game().state; }

    // Every pixel of the shown court matches the compositor's frame, except
    // under the two push buttons, which are widgets above it.
    void expectCourtShowsScene() {
        const QImage shown = grabCourt(window->court());
        ASSERT_EQ(shown.size(), QSize(751, 473));
        RgbImage frame;
        window->game().compositor().render(frame);
        int mismatches = 0;
        for (int y = 0; y < frame.height; ++y) {
            for (int x = 0; x < frame.width; ++x) {
                const QPoint p(x, y);
                const bool underButton = (window->playButton()->isVisible() &&
                                          window->playButton()->geometry().contains(p)) ||
                                         (window->exitButton()->isVisible() &&
                                          window->exitButton()->geometry().contains(p));
                if (!underButton && rgbAt(shown, x, y) != frame.at(x, y)) {
                    ++mismatches;
                }
            }
        }
        EXPECT_EQ(mismatches, 0);
    }

    std::unique_ptr<MainWindow> window;
    std::vector<std::string> titles;
    std::vector<std::string> messages;
    std::function<void()> whileMessageOpen;
    int programEnds = 0;
};

TEST_F(GameWindow, TitleAndClientSize) {
    EXPECT_EQ(text(window->windowTitle()), "Gloob Volleyballl");
    EXPECT_EQ(window->centralWidget(), window->court());
    EXPECT_EQ(window->court()->size(), QSize(751, 473));
    EXPECT_EQ(window->court()->y(), window->menuBar()->height());
    EXPECT_EQ(window->height(), window->menuBar()->height() + 473);
    EXPECT_EQ(window->width(), 751);
    EXPECT_FALSE(window->windowIcon().isNull()) << "the window shows the game's icon";
    EXPECT_EQ(window->court()->minimumSizeHint(), QSize(751, 473)) << "never below one to one";
    EXPECT_GT(window->maximumWidth(), 751) << "it can be resized and maximised";
}

TEST_F(GameWindow, OpensCentredOnTheScreen) {
    const QRect area = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    EXPECT_TRUE(area.contains(frame));
    const QPointF offCentre = QRectF(frame).center() - QRectF(area).center();
    EXPECT_LE(std::abs(offCentre.x()), 1.0);
    EXPECT_LE(std::abs(offCentre.y()), 1.0);
}

// Every item as a path from the menu bar, in order.
void walkMenu(const QList<QAction*>& actions, const std::string& prefix,
              std::vector<std::string>& paths) {
    for (const QAction* action : actions) {
        const std::string path = prefix + text(action->text());
        paths.push_back(path);
        if (action->menu() != nullptr) {
            walkMenu(action->menu()->actions(), path + " > ", paths);
        }
    }
}

TEST_F(GameWindow, MenuCaptionsAreTheGamesOwn) {
    std::vector<std::string> paths;
    walkMenu(window->menuBar()->actions(), "", paths);
    const std::vector<std::string> expected{
        "Options",
        "Options > Number of Balls",
        "Options > Number of Balls > 3",
        "Options > Number of Balls > 5",
        "Options > Number of Balls > 8",
        "Options > Backround",
        "Options > Backround > Mountain",
        "Options > Backround > Beach",
        "Options > Backround > None",
        "Options > Exit",
        "Options > ",
        "Options > Held Keys Keep Walking",
        "Options > Controls...",
        "Options > Players",
        "Options > Players > Player 1",
        "Options > Players > Player 1 > Human",
        "Options > Players > Player 1 > Computer (Easy)",
        "Options > Players > Player 1 > Computer (Normal)",
        "Options > Players > Player 1 > Computer (Hard)",
        "Options > Players > Player 2",
        "Options > Players > Player 2 > Human",
        "Options > Players > Player 2 > Computer (Easy)",
        "Options > Players > Player 2 > Computer (Normal)",
        "Options > Players > Player 2 > Computer (Hard)",
        "Options > Players > Program...",
        "Options > Serve",
        "Options > Serve > Player 1 Always",
        "Options > Serve > Player Who Lost the Point",
        "Options > Serve > Alternating",
        "Options > Sound",
        "Options > Volume",
        "Options > Volume > 25 %",
        "Options > Volume > 50 %",
        "Options > Volume > 75 %",
        "Options > Volume > 100 %",
        "Options > Language",
        "Options > Language > System Default",
        "Options > Language > Deutsch",
        "Options > Language > Français",
        "Options > Language > Español",
        "Options > Language > Português (Brasil)",
        "Options > Language > Italiano",
        "Options > Language > Polski",
        "Options > Language > Русский",
        "Game",
        "Game > New Match",
        "Game > Pause\tP",
        "Game > Full Screen\tF11",
        "Game > ",
        "Game > Watch Replay...",
        "Game > Replay Speed",
        "Game > Replay Speed > 1x",
        "Game > Replay Speed > 2x",
        "Game > Replay Speed > 4x",
        "Game > Stop Replay",
        "Game > ",
        "Game > Host Online Match...",
        "Game > Join Online Match...",
        "Game > Leave Online Match",
        "Game > Online Lobby...",
        "Game > Input Delay",
        "Game > Input Delay > Automatic",
        "Game > Input Delay > 0 heartbeats (0 ms)",
        "Game > Input Delay > 1 heartbeat (15 ms)",
        "Game > Input Delay > 2 heartbeats (31 ms)",
        "Game > Input Delay > 3 heartbeats (46 ms)",
        "Game > Input Delay > 4 heartbeats (62 ms)",
        "Game > Input Delay > 5 heartbeats (78 ms)",
        "Game > Input Delay > 6 heartbeats (93 ms)",
        "Game > Input Delay > 7 heartbeats (109 ms)",
        "Game > Input Delay > 8 heartbeats (125 ms)",
        "Help ",
        "Help  > Instructions",
        "Help  > About",
        "Help  > ",
        "Help  > Keys and Options",
    };
    EXPECT_EQ(paths, expected);
}

TEST_F(GameWindow, MenusHaveNoMnemonicsShortcutsOrRadioGroups) {
    for (const MenuEntry& entry : menuTree) {
        const QAction* action = window->menuAction(entry.id);
        ASSERT_NE(action, nullptr) << entry.name;
        EXPECT_FALSE(action->text().contains(u'&')) << entry.name;
        EXPECT_TRUE(action->shortcut().isEmpty()) << entry.name;
        EXPECT_EQ(action->actionGroup(), nullptr) << entry.name;
    }
}

struct CheckCase {
    const char* name;
    std::vector<MenuId> clicks;
    std::vector<MenuId> checked;
};
void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.name;
}

class MenuChecks : public GameWindow, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(MenuChecks, FollowTheGame) {
    const CheckCase& c = GetParam();
    for (MenuId item : c.clicks) {
        window->menuAction(item)->trigger();
    }
    window->runNextHeartbeatNow();
    const std::vector<MenuId> checkable{MenuId::mnu3,        MenuId::mnu5,     MenuId::mnu8,
                                        MenuId::mnuMountain, MenuId::mnuBeach, MenuId::mnuNone};
    for (const MenuEntry& entry : menuTree) {
        const QAction* action = window->menuAction(entry.id);
        const bool mayCheck =
            std::find(checkable.begin(), checkable.end(), entry.id) != checkable.end();
        const bool wanted =
            std::find(c.checked.begin(), c.checked.end(), entry.id) != c.checked.end();
        EXPECT_EQ(action->isCheckable(), mayCheck) << entry.name;
        EXPECT_EQ(action->isChecked(), wanted) << entry.name;
        EXPECT_EQ(scene().menu(entry.id).Checked, wanted) << entry.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MenuChecks,
    ::testing::Values(
        CheckCase{"AtStart", {}, {MenuId::mnu5, MenuId::mnuNone}},
        CheckCase{"ThreeMovesTheMark", {MenuId::mnu3}, {MenuId::mnu3, MenuId::mnuNone}},
        CheckCase{"CheckedItemAgainStaysChecked", {MenuId::mnu5}, {MenuId::mnu5, MenuId::mnuNone}},
        CheckCase{"ThreeTwice", {MenuId::mnu3, MenuId::mnu3}, {MenuId::mnu3, MenuId::mnuNone}},
        CheckCase{"BothGroups", {MenuId::mnu8, MenuId::mnuBeach}, {MenuId::mnu8, MenuId::mnuBeach}},
        CheckCase{"BackAgain",
                  {MenuId::mnuMountain, MenuId::mnu8, MenuId::mnuNone, MenuId::mnu5},
                  {MenuId::mnu5, MenuId::mnuNone}},
        CheckCase{
            "SubmenuItemsDoNothing",
            {MenuId::mnuOptions, MenuId::mnuNumberBalls, MenuId::mnuBackround, MenuId::mnuHelp},
            {MenuId::mnu5, MenuId::mnuNone}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameWindow, PushButtonsSitOnTheCourtAndPlayHasTheFocus) {
    struct ButtonCase {
        QPushButton* button;
        const char* caption;
        QRect box;
    };
    for (const ButtonCase& c :
         {ButtonCase{window->playButton(), "Play!", QRect(296, 432, 81, 25)},
          ButtonCase{window->exitButton(), "Exit", QRect(392, 432, 73, 25)}}) {
        EXPECT_EQ(text(c.button->text()), c.caption);
        EXPECT_EQ(QRect(c.button->mapTo(window->court(), QPoint(0, 0)), c.button->size()), c.box)
            << c.caption;
        EXPECT_TRUE(c.button->isVisible()) << c.caption;
    }
    EXPECT_EQ(QApplication::focusWidget(), window->playButton());
    EXPECT_EQ(window->court()->focusPolicy(), Qt::StrongFocus);
}

TEST_F(GameWindow, ButtonsFollowTheScenesVisibility) {
    scene().cmdPlay.Visible = false;
    scene().cmdExit.Visible = false;
    window->runNextHeartbeatNow();
    EXPECT_FALSE(window->playButton()->isVisible());
    EXPECT_FALSE(window->exitButton()->isVisible());
    scene().cmdExit.Visible = true;
    window->runNextHeartbeatNow();
    EXPECT_FALSE(window->playButton()->isVisible());
    EXPECT_TRUE(window->exitButton()->isVisible());
}

TEST_F(GameWindow, CourtShowsTheFirstScreen) {
    const QImage shown = grabCourt(window->court());
    ASSERT_EQ(shown.size(), QSize(751, 473));
    const PixelBox body1 = scene().shpGloob1.pixelBox();
    const PixelBox body2 = scene().shpGloob2.pixelBox();
    struct Probe {
        const char* what;
        QPoint at;
        std::uint32_t rgb;
    };
    const std::vector<Probe> probes{
        {"ball centre", centreOf(scene().shpBall.pixelBox()), 0xFF0000},
        {"player 1 top half", {(body1.x0 + body1.x1) / 2, body1.y0 + body1.height() / 4}, 0x0000FF},
        {"player 2 top half", {(body2.x0 + body2.x1) / 2, body2.y0 + body2.height() / 4}, 0x00C000},
        {"player 1 lower half behind its base",
         {(body1.x0 + body1.x1) / 2, body1.y1 - 3},
         0xFFFFFF},
        {"left floor strip", {20, centreOf(scene().shpBottom2.pixelBox()).y()}, 0x008000},
        {"right floor strip", {730, centreOf(scene().shpBottom1.pixelBox()).y()}, 0x0000C0},
        {"left net post", centreOf(scene().shpWallLeft.pixelBox()), 0x008080},
        {"right net post", centreOf(scene().shpWallRight.pixelBox()), 0x000080},
        {"open court", {200, 150}, 0xFFFFFF},
    };
    for (const Probe& probe : probes) {
        EXPECT_EQ(rgbAt(shown, probe.at.x(), probe.at.y()), probe.rgb) << probe.what;
        EXPECT_EQ(toRgb(window->game().compositor().Point(static_cast<float>(probe.at.x() * 15),
                                                          static_cast<float>(probe.at.y() * 15))),
                  probe.rgb)
            << probe.what;
    }
    expectCourtShowsScene();
}

TEST_F(GameWindow, CourtRepaintsWhenTheSceneChanges) {
    grabCourt(window->court());
    EXPECT_FALSE(window->court()->stale());
    const QPoint before = centreOf(scene().shpBall.pixelBox());
    scene().shpBall.Left = 3000;
    scene().shpBall.Top = 3000;
    EXPECT_TRUE(window->court()->stale());
    const QImage shown = grabCourt(window->court());
    const QPoint after = centreOf(scene().shpBall.pixelBox());
    EXPECT_EQ(rgbAt(shown, after.x(), after.y()), 0xFF0000u);
    EXPECT_EQ(rgbAt(shown, before.x(), before.y()), 0xFFFFFFu);
    expectCourtShowsScene();
}

TEST_F(GameWindow, ScaledCourtKeepsWholePixels) {
    QImage doubled(751 * 2, 473 * 2, QImage::Format_RGB32);
    doubled.setDevicePixelRatio(2);
    doubled.fill(Qt::black);
    window->court()->render(&doubled, QPoint(), QRegion(), QWidget::RenderFlags());
    RgbImage frame;
    window->game().compositor().render(frame);
    int mismatches = 0;
    for (int y = 0; y < doubled.height(); ++y) {
        for (int x = 0; x < doubled.width(); ++x) {
            if (rgbAt(doubled, x, y) != frame.at(x / 2, y / 2)) {
                ++mismatches;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

struct KeyStep {
    QEvent::Type type;
    int key;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    bool autoRepeat = false;
};
constexpr auto press = QEvent::KeyPress;
constexpr auto release = QEvent::KeyRelease;

struct KeyCase {
    const char* name;
    std::vector<KeyStep> steps;
    // Steps once the keys have been handed over at the next heartbeat.
    std::int16_t player1, player2;
};
void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class Keys : public GameWindow, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(Keys, ReachThePlayersAtTheNextHeartbeat) {
    const KeyCase& c = GetParam();
    for (const KeyStep& step : c.steps) {
        key(step.type, step.key, step.modifiers, step.autoRepeat);
    }
    EXPECT_EQ(state().player1SpeedX, 0) << "nothing is handed over between heartbeats";
    EXPECT_EQ(state().player2SpeedX, 0);
    waitOutRepeatGap();
    window->runNextHeartbeatNow();
    EXPECT_EQ(state().player1SpeedX, c.player1);
    EXPECT_EQ(state().player1BaseSpeedX, c.player1);
    EXPECT_EQ(state().player2SpeedX, c.player2);
    EXPECT_EQ(state().player2BaseSpeedX, c.player2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Keys,
    ::testing::Values(
        KeyCase{"LeftWalksLeft", {{press, Qt::Key_Left}}, -150, 0},
        KeyCase{"RightWalksRight", {{press, Qt::Key_Right}}, 150, 0},
        KeyCase{"MarkedRepeatKeepsWalking",
                {{press, Qt::Key_Left},
                 {release, Qt::Key_Left, Qt::NoModifier, true},
                 {press, Qt::Key_Left, Qt::NoModifier, true}},
                -150,
                0},
        KeyCase{"UnmarkedRepeatPairKeepsWalking",
                {{press, Qt::Key_Left}, {release, Qt::Key_Left}, {press, Qt::Key_Left}},
                -150,
                0},
        KeyCase{"ReleaseStops", {{press, Qt::Key_Left}, {release, Qt::Key_Left}}, 0, 0},
        KeyCase{"ShiftAWalksPlayer2Left",
                {{press, Qt::Key_Shift, Qt::ShiftModifier}, {press, Qt::Key_A, Qt::ShiftModifier}},
                0,
                -150},
        KeyCase{"DWalksPlayer2Right", {{press, Qt::Key_D}}, 0, 150},
        KeyCase{
            "ReleaseOfAnUnknownKeyStopsBoth",
            {{press, Qt::Key_Left}, {press, Qt::Key_D}, {press, Qt::Key_F1}, {release, Qt::Key_F1}},
            0,
            0},
        KeyCase{"ReleaseOfTheOtherPlayersKeyStopsBoth",
                {{press, Qt::Key_Right}, {press, Qt::Key_A}, {release, Qt::Key_A}},
                0,
                0},
        KeyCase{"NextKeyDeliversAHeldRelease",
                {{press, Qt::Key_Left}, {release, Qt::Key_Left}, {press, Qt::Key_A}},
                0,
                -150},
        // The pause keys belong to the window: their release stops no one.
        KeyCase{"PauseKeysNeverReachTheGame",
                {{press, Qt::Key_Left},
                 {press, Qt::Key_P},
                 {release, Qt::Key_P},
                 {press, Qt::Key_P},
                 {release, Qt::Key_P}},
                -150,
                0},
        KeyCase{"FullScreenKeysNeverReachTheGame",
                {{press, Qt::Key_Left},
                 {press, Qt::Key_F11},
                 {release, Qt::Key_F11},
                 {press, Qt::Key_Escape},
                 {press, Qt::Key_Escape, Qt::NoModifier, true},
                 {release, Qt::Key_Escape}},
                -150,
                0},
        KeyCase{"EscapeInAWindowIsTheGamesKey",
                {{press, Qt::Key_Left}, {press, Qt::Key_Escape}, {release, Qt::Key_Escape}},
                0,
                0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameWindow, JumpKeysStartJumps) {
    key(press, Qt::Key_Up);
    window->runNextHeartbeatNow();
    EXPECT_EQ(state().player1Jumping, -1);
    EXPECT_EQ(state().player2Jumping, 0);
    key(press, Qt::Key_W);
    window->runNextHeartbeatNow();
    EXPECT_EQ(state().player2Jumping, -1);
}

TEST_F(GameWindow, HeartbeatRunsTheTimersAndShowsTheResult) {
    const float home = scene().shpGloob1.Top;
    key(press, Qt::Key_Up);
    window->runNextHeartbeatNow();
    EXPECT_EQ(scene().shpGloob1.Top, home - 150);
    EXPECT_EQ(state().player1JumpSpeed, -140);
    EXPECT_FALSE(window->court()->stale()) << "composed at the heartbeat";
    expectCourtShowsScene();
}

TEST_F(GameWindow, ArrowKeysReachTheGameButDoNotMoveTheFocus) {
    ASSERT_EQ(QApplication::focusWidget(), window->playButton());
    key(press, Qt::Key_Right);
    window->runNextHeartbeatNow();
    EXPECT_EQ(state().player1SpeedX, 150);
    EXPECT_EQ(QApplication::focusWidget(), window->playButton());
    key(release, Qt::Key_Right);
    key(press, Qt::Key_Left);
    window->runNextHeartbeatNow();
    EXPECT_EQ(state().player1SpeedX, -150);
    EXPECT_EQ(QApplication::focusWidget(), window->playButton());
    key(release, Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), window->playButton());
}

TEST_F(GameWindow, OtherKeysReachBothTheGameAndTheFocusedButton) {
    key(press, Qt::Key_Left);
    key(press, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->exitButton());
    key(release, Qt::Key_Tab);
    waitOutRepeatGap();
    window->runNextHeartbeatNow();
    EXPECT_EQ(state().player1SpeedX, 0);

    // Space clicks the focused button, as it always does.
    key(press, Qt::Key_Space);
    key(release, Qt::Key_Space);
    EXPECT_EQ(programEnds, 0);
    window->runNextHeartbeatNow();
    EXPECT_EQ(programEnds, 1);
    EXPECT_TRUE(window->game().ended());
}

struct FocusCase {
    const char* name;
    bool deactivateWindow;
    Qt::FocusReason reason;
    std::int16_t player1;
};
void PrintTo(const FocusCase& c, std::ostream* os) {
    *os << c.name;
}

class FocusLoss : public GameWindow, public ::testing::WithParamInterface<FocusCase> {};

TEST_P(FocusLoss, StopsBothPlayersWhenTheKeyboardGoesElsewhere) {
    const FocusCase& c = GetParam();
    key(press, Qt::Key_Left);
    key(press, Qt::Key_D);
    if (c.deactivateWindow) {
        QEvent event(QEvent::WindowDeactivate);
        QApplication::sendEvent(window.get(), &event);
    } else {
        QFocusEvent event(QEvent::FocusOut, c.reason);
        QApplication::sendEvent(window->playButton(), &event);
    }
    window->runNextHeartbeatNow();
    EXPECT_EQ(state().player1SpeedX, c.player1);
    EXPECT_EQ(state().player2SpeedX, c.player1 == 0 ? 0 : 150);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FocusLoss,
    ::testing::Values(FocusCase{"WindowDeactivated", true, Qt::OtherFocusReason, 0},
                      FocusCase{"AnotherWindowTookTheKeyboard", false, Qt::ActiveWindowFocusReason,
                                0},
                      FocusCase{"AMenuOpened", false, Qt::PopupFocusReason, 0},
                      FocusCase{"FocusStaysInTheWindow", false, Qt::TabFocusReason, -150}),
    [](const auto& info) { return std::string(info.param.name); });

struct MessageCase {
    const char* name;
    MenuId item;
    std::string_view text;
};
void PrintTo(const MessageCase& c, std::ostream* os) {
    *os << c.name;
}

class Messages : public GameWindow, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(Messages, HelpItemsShowTheirText) {
    window->menuAction(GetParam().item)->trigger();
    window->runNextHeartbeatNow();
    EXPECT_EQ(titles, std::vector<std::string>{"Gloob Volleyball"});
    EXPECT_EQ(messages, std::vector<std::string>{std::string(GetParam().text)});
}

INSTANTIATE_TEST_SUITE_P(Cases, Messages,
                         ::testing::Values(MessageCase{"Instructions", MenuId::mnuInstructions,
                                                       messages::instructions},
                                           MessageCase{"About", MenuId::mnuAbout, messages::about}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameWindow, AboutTextIsExact) {
    window->menuAction(MenuId::mnuAbout)->trigger();
    window->runNextHeartbeatNow();
    EXPECT_EQ(messages,
              std::vector<std::string>{
                  "Gloob Volleyball\nA volleyball game for two players at one keyboard."});
}

TEST_F(GameWindow, NoTimerFiresWhileAMessageIsOpen) {
    const float top = scene().shpGloob1.Top;
    int firedWhileOpen = -1;
    float topWhileOpen = 0;
    whileMessageOpen = [&] {
        firedWhileOpen = 0;
        for (int i = 0; i < 3; ++i) {
            sleepPastNextHeartbeat();
            firedWhileOpen += window->game().heartbeat();
            window->beat();
            QCoreApplication::processEvents();
        }
        topWhileOpen = scene().shpGloob1.Top;
    };
    key(press, Qt::Key_Up);
    window->menuAction(MenuId::mnuAbout)->trigger();
    const std::int64_t openedAt = window->engine().nextHeartbeatMicros();
    window->runNextHeartbeatNow();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(firedWhileOpen, 0);
    EXPECT_EQ(topWhileOpen, top) << "the jump waits for the box";

    // Time stood still: the heartbeat's timers run once the box is closed.
    EXPECT_EQ(window->engine().nowMicros(), openedAt);
    EXPECT_EQ(scene().shpGloob1.Top, top - 150);
}

struct EndCase {
    const char* name;
    std::function<void(MainWindow&)> act;
};
void PrintTo(const EndCase& c, std::ostream* os) {
    *os << c.name;
}

class ProgramEnd : public GameWindow, public ::testing::WithParamInterface<EndCase> {};

TEST_P(ProgramEnd, EndsTheProgramOnce) {
    GetParam().act(*window);
    EXPECT_EQ(programEnds, 0) << "handed over at the next heartbeat";
    window->runNextHeartbeatNow();
    EXPECT_EQ(programEnds, 1);
    EXPECT_TRUE(window->game().ended());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramEnd,
    ::testing::Values(
        EndCase{"ExitButton", [](MainWindow& w) { w.exitButton()->click(); }},
        EndCase{"ExitButtonByMouse",
                [](MainWindow& w) { QTest::mouseClick(w.exitButton(), Qt::LeftButton); }},
        EndCase{"ExitMenuItem", [](MainWindow& w) { w.menuAction(MenuId::mnuExit)->trigger(); }},
        EndCase{"WindowClosed", [](MainWindow& w) { w.close(); }},
        // A paused match holds no command back: Exit ends it as at any time.
        EndCase{"ExitButtonWhilePaused",
                [](MainWindow& w) {
                    w.game().scene.cmdPlay.Visible = false;
                    w.setPaused(true);
                    w.exitButton()->click();
                }},
        EndCase{"ExitMenuItemWhilePaused",
                [](MainWindow& w) {
                    w.game().scene.cmdPlay.Visible = false;
                    w.setPaused(true);
                    w.menuAction(MenuId::mnuExit)->trigger();
                }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MessageBox, IsAPlainModalBoxWithOneOkButton) {
    MainWindow window;
    int programEnds = 0;
    window.setProgramEnd([&] { ++programEnds; });
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    struct Seen {
        bool shown = false;
        bool modal = false;
        std::string title, text;
        QMessageBox::Icon icon = QMessageBox::Warning;
        std::vector<QMessageBox::StandardButton> buttons;
    } seen;
    // Looks for the box from inside its own event loop, and closes it.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen.shown = true;
        seen.modal = box->isModal();
        seen.title = text(box->windowTitle());
        seen.text = text(box->text());
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons.push_back(box->standardButton(button));
        }
        box->accept();
    });
    closer.start(5);
    window.menuAction(MenuId::mnuAbout)->trigger();
    window.runNextHeartbeatNow();
    ASSERT_TRUE(seen.shown);
    EXPECT_TRUE(seen.modal);
    EXPECT_EQ(seen.title, "Gloob Volleyball");
    EXPECT_EQ(seen.text, std::string(messages::about));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, std::vector<QMessageBox::StandardButton>{QMessageBox::Ok});
    EXPECT_EQ(programEnds, 0);
}

// A recording on disk, for the window to watch.
class RecordingFile {
public:
    explicit RecordingFile(const std::string& text) {
        file_.open();
        file_.write(text.data(), static_cast<qint64>(text.size()));
        file_.flush();
    }
    QString path() const { return file_.fileName(); }

private:
    QTemporaryFile file_;
};

TEST_F(GameWindow, ReplayPlaysARecordingThenComesBackToTheFirstScreen) {
    const RecordingFile recording("# script format 1\n0 menu 8\n0 keydown 38\n300 menu exit\n");
    ASSERT_TRUE(window->startReplay(recording.path()));
    EXPECT_TRUE(window->replaying());
    EXPECT_EQ(text(window->windowTitle()), "Gloob Volleyballl - Replay 0:00 / 0:00");

    window->runNextHeartbeatNow();
    EXPECT_TRUE(scene().mnu8.Checked);
    EXPECT_EQ(state().player1Jumping, -1);
    // The players' keys do nothing while a recording plays.
    key(press, Qt::Key_Left);
    window->runNextHeartbeatNow();
    EXPECT_EQ(state().player1SpeedX, 0);

    // Its Exit ends the replay, not the program.
    for (int beat = 0; beat < 40 && window->replaying(); ++beat) {
        window->runNextHeartbeatNow();
    }
    EXPECT_FALSE(window->replaying());
    EXPECT_EQ(programEnds, 0);
    EXPECT_TRUE(scene().mnu5.Checked) << "a new game, as at start";
    EXPECT_EQ(state().player1Jumping, 0);
    EXPECT_EQ(text(window->windowTitle()), "Gloob Volleyballl");
}

// The first screen before Play! is only the time the player took to start:
// played through unseen, so that watching begins with the match.
TEST_F(GameWindow, ReplayBeginsAtTheFirstPlayAndShowsItsClock) {
    const RecordingFile recording(
        "# script format 1\n30000 menu 8\n60000 click play\n135000 menu exit\n");
    ASSERT_TRUE(window->startReplay(recording.path()));
    window->runNextHeartbeatNow();
    // Play!'s own pause is part of the match, and is watched.
    const std::int64_t now = window->engine().nowMicros();
    EXPECT_GE(now, 60'000'000);
    EXPECT_LT(now, 65'000'000);
    EXPECT_TRUE(scene().mnu8.Checked) << "what came before is played all the same";
    EXPECT_EQ(text(window->windowTitle()), "Gloob Volleyballl - Replay 0:0" +
                                               std::to_string((now - 60'000'000) / 1'000'000) +
                                               " / 1:15");
}

// A game stopped between heartbeats stops at the next delivery point, and its
// recording says so: a replay goes no further than the game did.
TEST(StoppedGame, EndsItsRecordingAtTheDeliveryPointItStoppedAt) {
    QTemporaryDir folder;
    LaunchOptions options;
    options.recordPath = folder.filePath(QStringLiteral("live.replay")).toStdString();
    MainWindow window(options);
    window.setProgramEnd([] {});
    window.setMessageBox([](const QString&, const QString&) {});
    for (int beat = 0; beat < 10; ++beat) {
        window.runNextHeartbeatNow();
    }
    const std::int64_t lastBeat = window.engine().nowMicros();
    const RecordingFile other("# script format 1\n0 keydown 37\n");
    ASSERT_TRUE(window.startReplay(other.path()));
    std::ifstream recording(options.recordPath);
    std::string line, last;
    while (std::getline(recording, line)) {
        last = line;
    }
    EXPECT_EQ(last, std::to_string((lastBeat + heartbeatMicros) / 1000) + " end");
}

struct BadFileCase {
    const char* name;
    std::string text;
    std::string message;
};
void PrintTo(const BadFileCase& c, std::ostream* os) {
    *os << c.name;
}

class BadRecordingFiles : public GameWindow, public ::testing::WithParamInterface<BadFileCase> {};

TEST_P(BadRecordingFiles, AreShownInAMessageAndTheGameGoesOn) {
    window->menuAction(MenuId::mnu3)->trigger();
    window->runNextHeartbeatNow();
    const RecordingFile recording(GetParam().text);
    EXPECT_FALSE(window->startReplay(recording.path()));
    EXPECT_FALSE(window->replaying());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find(GetParam().message), std::string::npos) << messages[0];
    window->runNextHeartbeatNow();
    EXPECT_TRUE(scene().mnu3.Checked) << "the same game goes on";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadRecordingFiles,
    ::testing::Values(
        BadFileCase{"NewerFormat", "# script format 7\n",
                    "line 1: written by a newer version of the game"},
        BadFileCase{"Truncated", "# script format 1\n0 menu 3\n20 key", "line 3: truncated"},
        BadFileCase{"NotAScript", "\x89PNG\r\n", "line 1: bad time"},
        BadFileCase{"Empty", "", "it holds nothing to play"},
        BadFileCase{"OnlyComments", "# script format 1\n", "it holds nothing to play"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameWindow, PauseStopsTheGamesClock) {
    window->game().scene.cmdPlay.Visible = false; // a match is on
    key(press, Qt::Key_P);
    key(release, Qt::Key_P);
    EXPECT_TRUE(window->paused());
    EXPECT_EQ(text(window->windowTitle()), "Gloob Volleyballl - Paused");
    const std::int64_t before = window->engine().nowMicros();
    sleepPastNextHeartbeat();
    window->beat();
    EXPECT_EQ(window->engine().nowMicros(), before);
    key(press, Qt::Key_P);
    EXPECT_FALSE(window->paused());
    window->runNextHeartbeatNow();
    EXPECT_GT(window->engine().nowMicros(), before);
}

// New Match goes straight into a new match: a fresh game whose first
// heartbeat presses Play!.
TEST_F(GameWindow, NewMatchStartsAFreshGameWithPlayPressed) {
    window->game().scene.cmdPlay.Visible = false; // a match is on
    window->runNextHeartbeatNow();
    window->newMatchAction()->trigger();
    EXPECT_EQ(window->engine().nowMicros(), 0);
    const std::vector<GameEvent> pending = window->engine().snapshot().pending;
    ASSERT_FALSE(pending.empty());
    EXPECT_EQ(pending.back().kind, EventKind::clickPlay);
}

// A command made while paused takes effect at once, and the pause holds.
TEST_F(GameWindow, MenuCommandsWhilePausedTakeEffectAtOnce) {
    window->game().scene.cmdPlay.Visible = false; // a match is on
    window->setPaused(true);
    window->menuAction(MenuId::mnuBeach)->trigger();
    EXPECT_TRUE(scene().mnuBeach.Checked);
    EXPECT_TRUE(window->menuAction(MenuId::mnuBeach)->isChecked());
    EXPECT_FALSE(window->menuAction(MenuId::mnuNone)->isChecked());
    EXPECT_TRUE(window->paused());
}

// The first screen and GAME OVER have nothing to pause.
TEST_F(GameWindow, PauseKeyOutsideAMatchDoesNothing) {
    key(press, Qt::Key_P);
    key(release, Qt::Key_P);
    EXPECT_FALSE(window->paused());
    EXPECT_FALSE(window->court()->showsPaused());
    window->pauseAction()->trigger();
    EXPECT_FALSE(window->paused());
    EXPECT_FALSE(window->pauseAction()->isChecked());
}

TEST_F(GameWindow, F11SwitchesFullScreenAndEscapeLeavesIt) {
    QAction* item = window->fullScreen().action();
    EXPECT_TRUE(item->shortcut().isEmpty()) << "the key is the window's, not the item's";
    for (const auto& [qtKey, wanted] : {std::pair{Qt::Key_F11, true},
                                        {Qt::Key_F11, false},
                                        {Qt::Key_F11, true},
                                        {Qt::Key_Escape, false},
                                        {Qt::Key_Escape, false}}) {
        key(press, qtKey);
        key(release, qtKey);
        EXPECT_EQ(window->isFullScreen(), wanted);
        EXPECT_EQ(item->isChecked(), wanted);
        EXPECT_EQ(window->menuBar()->isVisible(), !wanted) << "the bar only in the window";
    }
    item->trigger();
    EXPECT_TRUE(window->isFullScreen());
}

struct MenuKeyCase {
    const char* name;
    bool fullScreen;
    std::vector<KeyStep> steps;
    bool opens;
    int keysToTheGame;
};
void PrintTo(const MenuKeyCase& c, std::ostream* os) {
    *os << c.name;
}

class MenuKeys : public GameWindow, public ::testing::WithParamInterface<MenuKeyCase> {};

// In full screen F10, or Alt on its own, opens the first menu with the bar
// above it, and the bar goes again once the menu closes; in a window they are
// the game's keys, as written.
TEST_P(MenuKeys, OpenTheMenusInFullScreenOnly) {
    int keys = 0;
    window->engine().setInputTap([&](const GameEvent& event) {
        keys += event.kind == EventKind::keyDown || event.kind == EventKind::keyUp;
    });
    window->fullScreen().set(GetParam().fullScreen);
    for (const KeyStep& step : GetParam().steps) {
        key(step.type, step.key, step.modifiers, step.autoRepeat);
    }
    waitOutRepeatGap();
    window->runNextHeartbeatNow();
    EXPECT_EQ(keys, GetParam().keysToTheGame);
    QWidget* popup = QApplication::activePopupWidget();
    EXPECT_EQ(window->menuBar()->isVisible(), GetParam().opens || !GetParam().fullScreen);
    if (!GetParam().opens) {
        EXPECT_EQ(popup, nullptr);
        return;
    }
    ASSERT_EQ(popup, window->menuAction(MenuId::mnuOptions)->menu());
    popup->close();
    // The bar goes at the next pass of the event loop, the court is laid out at the one after.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->menuBar()->isVisible());
    EXPECT_EQ(window->court()->size(), window->size());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MenuKeys,
    ::testing::Values(MenuKeyCase{"F10", true, {{press, Qt::Key_F10}}, true, 0},
                      MenuKeyCase{"AltAlone",
                                  true,
                                  {{press, Qt::Key_Alt},
                                   {press, Qt::Key_Alt, Qt::AltModifier, true},
                                   {release, Qt::Key_Alt}},
                                  true,
                                  0},
                      MenuKeyCase{"AltWithAKeyIsAShortcut",
                                  true,
                                  {{press, Qt::Key_Alt},
                                   {press, Qt::Key_Left},
                                   {release, Qt::Key_Left},
                                   {release, Qt::Key_Alt}},
                                  false,
                                  2},
                      MenuKeyCase{"InAWindowTheGamesKeys",
                                  false,
                                  {{press, Qt::Key_F10},
                                   {release, Qt::Key_F10},
                                   {press, Qt::Key_Alt},
                                   {release, Qt::Key_Alt}},
                                  false,
                                  4}),
    [](const auto& info) { return std::string(info.param.name); });

// Every pixel shown is the court pixel under it, or the margin colour.
void expectShownAt(const QImage& shown, const CourtPlacement& place, const RgbImage& frame,
                   std::uint32_t margin) {
    int mismatches = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const bool inside = place.court().contains(x, y);
            const std::uint32_t wanted = inside ? frame.at((x - place.offset.x()) / place.scale,
                                                           (y - place.offset.y()) / place.scale)
                                                : margin;
            mismatches += rgbAt(shown, x, y) != wanted;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST_F(GameWindow, LargerWindowShowsTheCourtScaledCentredAndButtonsFollow) {
    const qreal points = window->exitButton()->font().pointSizeF();
    for (const auto& [size, place] : {std::pair{QSize(1600, 1000), CourtPlacement{2, {49, 27}}},
                                      {QSize(2300, 1420), CourtPlacement{3, {23, 0}}}}) {
        window->resize(size + QSize(0, window->menuBar()->height()));
        ASSERT_EQ(window->court()->size(), size);
        EXPECT_EQ(window->court()->placement(), place);
        window->playButton()->hide();
        window->exitButton()->hide();
        RgbImage frame;
        window->game().compositor().render(frame);
        expectShownAt(grabCourt(window->court()), place, frame, 0xFFFFFF);
        EXPECT_EQ(window->playButton()->geometry(), place.onDevice({296, 432, 81, 25}));
        EXPECT_EQ(window->exitButton()->font().pointSizeF(), points * place.scale);
        window->playButton()->show();
    }
}

// At the written size and scaled up, whose pixels are copied differently:
// the screen shows every pixel that changed, and outside the ball's old and
// new box still what was there before, here a colour the game never draws.
TEST_F(GameWindow, RepaintsOnlyWhatChanged) {
    const float homeLeft = scene().shpBall.Left;
    const float homeTop = scene().shpBall.Top;
    constexpr QRgb untouched = 0xFF123456;
    for (const QSize size : {QSize(751, 473), QSize(1600, 1000)}) {
        SCOPED_TRACE(size.width());
        window->resize(size + QSize(0, window->menuBar()->height()));
        scene().shpBall.Left = homeLeft;
        scene().shpBall.Top = homeTop;
        window->court()->showChanges();
        QCoreApplication::processEvents();
        const CourtPlacement place = window->court()->placement();
        const QPoint origin = window->court()->mapTo(window.get(), QPoint());
        auto* buffer = static_cast<QImage*>(window->backingStore()->paintDevice());
        buffer->fill(untouched);
        RgbImage before;
        window->game().compositor().render(before);

        scene().shpBall.Left -= 150;
        scene().shpBall.Top += 150;
        window->court()->showChanges();
        QCoreApplication::processEvents();

        const QImage shown = window->screen()
                                 ->grabWindow(window->winId())
                                 .toImage()
                                 .convertToFormat(QImage::Format_RGB32)
                                 .copy(QRect(origin, window->court()->size()));
        RgbImage after;
        window->game().compositor().render(after);
        const QRect ballBoxes = place.onDevice({606, 72, 35, 35});
        // Buttons aside: they repaint themselves when they like.
        const QRect aboveButtons = place.onDevice({0, 0, 751, 420});
        int wrong = 0;
        QPoint firstWrong;
        for (int y = aboveButtons.top(); y <= aboveButtons.bottom(); ++y) {
            for (int x = aboveButtons.left(); x <= aboveButtons.right(); ++x) {
                const QRgb seen = shown.pixel(x, y) | 0xFF000000u;
                const bool outside = !ballBoxes.contains(x, y);
                const int courtX = (x - place.offset.x()) / place.scale;
                const int courtY = (y - place.offset.y()) / place.scale;
                const bool changed = before.at(courtX, courtY) != after.at(courtX, courtY);
                const bool shows = (seen & 0xFFFFFFu) == after.at(courtX, courtY);
                const bool bad = outside   ? seen != untouched
                                 : changed ? !shows
                                           : !shows && seen != untouched;
                if (bad && wrong++ == 0) {
                    firstWrong = {x, y};
                }
            }
        }
        EXPECT_EQ(wrong, 0) << "first at " << firstWrong.x() << "," << firstWrong.y();
    }
}

// The ball flying behind Play! stays behind it on the screen.
TEST_F(GameWindow, ButtonsStayOverTheCourtWhereItChanges) {
    QCoreApplication::processEvents();
    const QRect button = window->playButton()->geometry();
    ASSERT_TRUE(window->playButton()->isVisible());
    scene().shpBall.Left = static_cast<float>(button.center().x() * 15 - 180);
    scene().shpBall.Top = static_cast<float>(button.center().y() * 15 - 180);
    window->court()->showChanges();
    QCoreApplication::processEvents();
    const QPoint origin = window->court()->mapTo(window.get(), QPoint());
    const QImage shown = window->screen()
                             ->grabWindow(window->winId())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32)
                             .copy(QRect(origin, window->court()->size()));
    EXPECT_EQ(window->game().compositor().Point(static_cast<float>(button.center().x() * 15),
                                                static_cast<float>(button.center().y() * 15)),
              colours::red);
    EXPECT_NE(rgbAt(shown, button.center().x(), button.center().y()), 0xFF0000u);
}

TEST_F(GameWindow, PausedShowsOverTheCourtButNotInTheGame) {
    window->game().scene.cmdPlay.Visible = false; // a match is on
    const Colour centre = window->game().compositor().Point(375 * 15, 236 * 15);
    key(press, Qt::Key_P);
    EXPECT_TRUE(window->court()->showsPaused());
    const QImage shown = grabCourt(window->court());
    EXPECT_NE(rgbAt(shown, 375, 236), toRgb(centre)) << "the band darkens the court";
    EXPECT_EQ(rgbAt(shown, 375, 150), 0xFFFFFFu) << "above the band the court is as it was";
    EXPECT_EQ(rgbAt(shown, 748, 236), 0xFFFFFFu) << "the band ends at the right wall";
    EXPECT_EQ(window->game().compositor().Point(375 * 15, 236 * 15), centre);
    key(press, Qt::Key_P);
    EXPECT_FALSE(window->court()->showsPaused());
    expectCourtShowsScene();
}

struct FocusPauseCase {
    const char* name;
    bool matchOn;
    bool replay;
    bool whileMessageOpen;
    bool paused;
};
void PrintTo(const FocusPauseCase& c, std::ostream* os) {
    *os << c.name;
}

class FocusPause : public GameWindow, public ::testing::WithParamInterface<FocusPauseCase> {};

TEST_P(FocusPause, PausesAMatchOnceThePlayersAreStopped) {
    const FocusPauseCase& c = GetParam();
    const RecordingFile recording("# script format 1\n0 keydown 37\n");
    if (c.replay) {
        ASSERT_TRUE(window->startReplay(recording.path()));
    }
    scene().cmdPlay.Visible = !c.matchOn;
    key(press, Qt::Key_Left);
    window->runNextHeartbeatNow();
    ASSERT_EQ(state().player1SpeedX, -150);
    const auto deactivate = [this] {
        QEvent event(QEvent::WindowDeactivate);
        QApplication::sendEvent(window.get(), &event);
    };
    if (c.whileMessageOpen) {
        whileMessageOpen = deactivate;
        window->menuAction(MenuId::mnuAbout)->trigger();
    } else {
        deactivate();
    }
    EXPECT_FALSE(window->paused()) << "not before the game has been told";
    window->runNextHeartbeatNow();
    EXPECT_EQ(state().player1SpeedX, c.replay ? -150 : 0);
    EXPECT_EQ(window->paused(), c.paused);
    const std::int64_t stoppedAt = window->engine().nowMicros();
    sleepPastNextHeartbeat();
    window->beat();
    EXPECT_EQ(window->engine().nowMicros() == stoppedAt, c.paused);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FocusPause,
    ::testing::Values(FocusPauseCase{"DuringAMatch", true, false, false, true},
                      FocusPauseCase{"OnTheFirstScreen", false, false, false, false},
                      FocusPauseCase{"ToTheGamesOwnMessage", true, false, true, false},
                      FocusPauseCase{"WatchingAReplay", true, true, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob
