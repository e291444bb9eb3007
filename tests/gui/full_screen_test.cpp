// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "app/auto_repeat_filter.h"
#include "qt/court_view.h"
#include "qt/full_screen.h"
#include "qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace gloob {
namespace {

constexpr auto press = QEvent::KeyPress;
constexpr auto release = QEvent::KeyRelease;

struct KeyStep {
    QEvent::Type type;
    int key;
    bool autoRepeat = false;
};

class FullScreenWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<MainWindow>();
        window->setProgramEnd([] {});
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        // Everything the window hands to the game, instead of to the game.
        window->engine().setInputTap([this](const GameEvent& event) { posted.push_back(event); });
    }

public:
    void key(const KeyStep& step) {
        QKeyEvent event(step.type, step.key, Qt::NoModifier, QString(), step.autoRepeat);
        QApplication::sendEvent(window->windowHandle(), &event);
    }
    QMenuBar* bar() const { return window->menuBar(); }
    // The keys handed to the game, once a release held back for a repeat is too.
    int keysPosted() {
        std::this_thread::sleep_for(std::chrono::microseconds(AutoRepeatFilter::repeatGapMicros));
        window->runNextHeartbeatNow();
        int keys = 0;
        for (const GameEvent& event : posted) {
            keys += event.kind == EventKind::keyDown || event.kind == EventKind::keyUp;
        }
        return keys;
    }
    // The court fills the screen but for the bar, at the largest whole scale,
    // centred.
    void expectCourtFillsTheWindow() {
        QCoreApplication::processEvents();
        const int barHeight = bar()->isVisible() ? bar()->height() : 0;
        EXPECT_EQ(window->court()->size(), window->size() - QSize(0, barHeight));
        const CourtPlacement place = window->court()->placement();
        const QRect court = place.court();
        EXPECT_LE(std::abs(court.left() - (window->court()->width() - court.right() - 1)), 1);
        EXPECT_LE(std::abs(court.top() - (window->court()->height() - court.bottom() - 1)), 1);
    }

    std::unique_ptr<MainWindow> window;
    std::vector<GameEvent> posted;
};

struct LeaveCase {
    const char* name;
    std::function<void(FullScreenWindow&)> leave;
};
void PrintTo(const LeaveCase& c, std::ostream* os) {
    *os << c.name;
}

class LeavingFullScreen : public FullScreenWindow,
                          public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeavingFullScreen, BringsTheMenuBarBack) {
    key({press, Qt::Key_F11});
    key({release, Qt::Key_F11});
    ASSERT_TRUE(window->isFullScreen());
    EXPECT_FALSE(bar()->isVisible());
    expectCourtFillsTheWindow();
    GetParam().leave(*this);
    EXPECT_FALSE(window->isFullScreen());
    EXPECT_TRUE(bar()->isVisible());
    EXPECT_EQ(keysPosted(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, LeavingFullScreen,
                         ::testing::Values(LeaveCase{"F11",
                                                     [](FullScreenWindow& w) {
                                                         w.key({press, Qt::Key_F11});
                                                         w.key({release, Qt::Key_F11});
                                                     }},
                                           LeaveCase{"Escape",
                                                     [](FullScreenWindow& w) {
                                                         w.key({press, Qt::Key_Escape});
                                                         w.key({release, Qt::Key_Escape});
                                                     }},
                                           LeaveCase{"MenuItem",
                                                     [](FullScreenWindow& w) {
                                                         w.window->fullScreen().action()->trigger();
                                                     }},
                                           LeaveCase{"WindowManager",
                                                     [](FullScreenWindow& w) {
                                                         w.window->showNormal();
                                                     }}),
                         [](const auto& info) { return std::string(info.param.name); });

struct MenuKeyCase {
    const char* name;
    std::vector<KeyStep> steps;
    bool opens;
    int keysToTheGame;
};
void PrintTo(const MenuKeyCase& c, std::ostream* os) {
    *os << c.name;
}

class MenuKeys : public FullScreenWindow, public ::testing::WithParamInterface<MenuKeyCase> {};

// In full screen F10, or Alt on its own, opens the first menu with the bar
// above it; the bar goes again once the menu closes. Neither key reaches the
// game.
TEST_P(MenuKeys, OpenTheMenuBarInFullScreen) {
    window->fullScreen().set(true);
    ASSERT_FALSE(bar()->isVisible());
    for (const KeyStep& step : GetParam().steps) {
        key(step);
    }
    EXPECT_EQ(keysPosted(), GetParam().keysToTheGame);
    QWidget* popup = QApplication::activePopupWidget();
    EXPECT_EQ(bar()->isVisible(), GetParam().opens);
    if (!GetParam().opens) {
        EXPECT_EQ(popup, nullptr);
        return;
    }
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup, window->menuAction(MenuId::mnuOptions)->menu());
    expectCourtFillsTheWindow();
    popup->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(bar()->isVisible());
    EXPECT_TRUE(window->isFullScreen());
    expectCourtFillsTheWindow();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MenuKeys,
    ::testing::Values(
        MenuKeyCase{"F10", {{press, Qt::Key_F10}}, true, 0},
        MenuKeyCase{"AltAlone",
                    {{press, Qt::Key_Alt}, {press, Qt::Key_Alt, true}, {release, Qt::Key_Alt}},
                    true,
                    0},
        // Alt with another key opens nothing; the other key is the game's.
        MenuKeyCase{"AltWithAKey",
                    {{press, Qt::Key_Alt},
                     {press, Qt::Key_Left},
                     {release, Qt::Key_Left},
                     {release, Qt::Key_Alt}},
                    false,
                    2}),
    [](const auto& info) { return std::string(info.param.name); });

// In a window F10 and Alt are keys like any other, as the game was written.
TEST_F(FullScreenWindow, MenuKeysInAWindowAreTheGames) {
    for (const int qtKey : {Qt::Key_F10, Qt::Key_Alt}) {
        key({press, qtKey});
        key({release, qtKey});
    }
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(keysPosted(), 4);
}

} // namespace
} // namespace gloob
