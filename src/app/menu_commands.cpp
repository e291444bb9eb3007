// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "frm_gloob.h"
#include "messages.h"

namespace gloob {

namespace {
// Holds every timer while a message box is open; play goes on when it closes.
struct HeldTimers {
    TimerScheduler& scheduler;
    explicit HeldTimers(TimerScheduler& s) : scheduler(s) { scheduler.hold(); }
    ~HeldTimers() { scheduler.release(); }
    HeldTimers(const HeldTimers&) = delete;
    HeldTimers& operator=(const HeldTimers&) = delete;
};
} // namespace

// Marks the chosen item and clears the rest of its group, in the group's order.
void FrmGloob::check(MenuId chosen, const std::array<MenuId, 3>& group) {
    for (MenuId item : group) {
        scene.menu(item).Checked = item == chosen;
    }
}

void FrmGloob::mnu3_Click() {
    check(MenuId::mnu3, numberOfBallsGroup);
}
void FrmGloob::mnu5_Click() {
    check(MenuId::mnu5, numberOfBallsGroup);
}
void FrmGloob::mnu8_Click() {
    check(MenuId::mnu8, numberOfBallsGroup);
}
void FrmGloob::mnuMountain_Click() {
    check(MenuId::mnuMountain, backroundGroup);
}
void FrmGloob::mnuBeach_Click() {
    check(MenuId::mnuBeach, backroundGroup);
}
void FrmGloob::mnuNone_Click() {
    check(MenuId::mnuNone, backroundGroup);
}

void FrmGloob::mnuExit_Click() {
    endProgram();
}

void FrmGloob::mnuInstructions_Click() {
    showMessage(messages::instructions);
}

void FrmGloob::mnuAbout_Click() {
    showMessage(messages::about);
}

void FrmGloob::showMessage(std::string_view text) {
    const HeldTimers held(scheduler_);
    host_.showMessage(text);
}

void FrmGloob::menuClick(MenuId item) {
    if (ended_) {
        return;
    }
    switch (item) {
    case MenuId::mnu3:
        return mnu3_Click();
    case MenuId::mnu5:
        return mnu5_Click();
    case MenuId::mnu8:
        return mnu8_Click();
    case MenuId::mnuMountain:
        return mnuMountain_Click();
    case MenuId::mnuBeach:
        return mnuBeach_Click();
    case MenuId::mnuNone:
        return mnuNone_Click();
    case MenuId::mnuExit:
        return mnuExit_Click();
    case MenuId::mnuInstructions:
        return mnuInstructions_Click();
    case MenuId::mnuAbout:
        return mnuAbout_Click();
    case MenuId::mnuOptions:
    case MenuId::mnuNumberBalls:
    case MenuId::mnuBackround:
    case MenuId::mnuHelp:
        return; // these only open their submenus
    }
}

} // namespace gloob
