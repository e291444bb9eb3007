// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "pads/pad_input.h"

#include <SDL.h>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace gloob {
namespace {

// A pad made by SDL itself, with a game controller's buttons and axes.
class VirtualPad {
public:
    VirtualPad() {
        index_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                           SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
        joystick_ = index_ >= 0 ? SDL_JoystickOpen(index_) : nullptr;
    }
    ~VirtualPad() { unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool plugged() const { return joystick_ != nullptr; }
    void button(SDL_GameControllerButton b, bool down) {
        SDL_JoystickSetVirtualButton(joystick_, b, down ? 1 : 0);
    }
    void stickX(Sint16 x) { SDL_JoystickSetVirtualAxis(joystick_, SDL_CONTROLLER_AXIS_LEFTX, x); }
    void unplug() {
        if (joystick_ != nullptr) {
            const SDL_JoystickID id = SDL_JoystickInstanceID(joystick_);
            SDL_JoystickClose(joystick_);
            joystick_ = nullptr;
            for (int i = 0; i < SDL_NumJoysticks(); ++i) {
                if (SDL_JoystickGetDeviceInstanceID(i) == id) {
                    SDL_JoystickDetachVirtual(i);
                }
            }
        }
    }

private:
    int index_ = -1;
    SDL_Joystick* joystick_ = nullptr;
};

std::vector<std::string> names(const std::vector<GameEvent>& events) {
    std::vector<std::string> out;
    for (const GameEvent& event : events) {
        out.push_back(eventName(event));
    }
    return out;
}

struct PadCase {
    const char* name;
    std::function<void(VirtualPad&)> act;
    std::vector<std::string> events; // player 1's pad
};
void PrintTo(const PadCase& c, std::ostream* out) {
    *out << c.name;
}

class Pads : public ::testing::TestWithParam<PadCase> {};

// Each case starts with one pad plugged in and at rest.
TEST_P(Pads, BecomeTheirPlayersKeys) {
    PadInput input;
    ASSERT_TRUE(input.available());
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    ASSERT_TRUE(input.poll().empty()) << "a pad at rest presses nothing";
    GetParam().act(pad);
    EXPECT_EQ(names(input.poll()), GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Pads,
    ::testing::Values(
        PadCase{"DpadLeftWalksLeft",
                [](VirtualPad& p) { p.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true); },
                {"keydown 37"}},
        PadCase{"StickRightWalksRight", [](VirtualPad& p) { p.stickX(30000); }, {"keydown 39"}},
        PadCase{"StickInsideTheDeadZoneDoesNothing", [](VirtualPad& p) { p.stickX(-5000); }, {}},
        PadCase{"SouthButtonJumps",
                [](VirtualPad& p) { p.button(SDL_CONTROLLER_BUTTON_A, true); },
                {"keydown 38"}},
        PadCase{"OtherButtonsDoNothing",
                [](VirtualPad& p) { p.button(SDL_CONTROLLER_BUTTON_B, true); },
                {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Pads, WalkStopTurnAndJump) {
    PadInput input;
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    input.poll();
    pad.stickX(-30000);
    EXPECT_EQ(names(input.poll()), std::vector<std::string>{"keydown 37"});
    EXPECT_TRUE(input.poll().empty()) << "holding the stick presses once";
    pad.stickX(30000);
    EXPECT_EQ(names(input.poll()), (std::vector<std::string>{"keyup 37", "keydown 39"}));
    pad.stickX(0);
    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_EQ(names(input.poll()), (std::vector<std::string>{"keyup 39", "keydown 38"}));
    pad.button(SDL_CONTROLLER_BUTTON_A, false);
    EXPECT_EQ(names(input.poll()), std::vector<std::string>{"keyup 38"});
}

TEST(Pads, TheSecondPadPlaysPlayer2UnlessSwapped) {
    PadInput input;
    VirtualPad first;
    VirtualPad second;
    ASSERT_TRUE(second.plugged()) << SDL_GetError();
    input.poll();
    second.button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    first.button(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_EQ(names(input.poll()), (std::vector<std::string>{"keydown 38", "keydown 68"}));

    // Swapped while held, each pad lets go for its old player first.
    input.setSwapped(true);
    EXPECT_EQ(names(input.poll()),
              (std::vector<std::string>{"keyup 38", "keyup 68", "keydown 87", "keydown 39"}));
}

// Unplugged mid-walk, a pad lets go: its player stops as a released key stops it.
TEST(Pads, UnpluggedDuringAWalkLetsGo) {
    PadInput input;
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    input.poll();
    pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_EQ(names(input.poll()), (std::vector<std::string>{"keydown 37", "keydown 38"}));
    pad.unplug();
    EXPECT_EQ(names(input.poll()), (std::vector<std::string>{"keyup 37", "keyup 38"}));
    EXPECT_TRUE(input.poll().empty());
}

// With no pad open the game looks for one only now and then, but a pad
// plugged in plays within a quarter second of heartbeats.
TEST(Pads, PluggedInDuringAMatchPlaysSoon) {
    PadInput input;
    for (int heartbeat = 0; heartbeat < 5; ++heartbeat) {
        input.poll();
    }
    VirtualPad pad;
    ASSERT_TRUE(pad.plugged()) << SDL_GetError();
    pad.button(SDL_CONTROLLER_BUTTON_A, true);
    std::vector<std::string> seen;
    for (int heartbeat = 0; heartbeat < 16 && seen.empty(); ++heartbeat) {
        seen = names(input.poll());
    }
    EXPECT_EQ(seen, std::vector<std::string>{"keydown 38"});
}

} // namespace
} // namespace gloob
