// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "pad_input.h"

#include "app/key_bindings.h"

#include <SDL.h>

#include <algorithm>
#include <optional>

namespace gloob {

namespace {

// Polls with no pad open between two looks for one plugged in: a quarter second of heartbeats.
constexpr unsigned idlePollsPerLook = 16;

// A quarter of the stick's travel does nothing: a stick at rest is rarely at 0.
constexpr Sint16 deadZone = 8192;

struct Pad {
    SDL_GameController* controller = nullptr;
    SDL_JoystickID id = -1;
    int direction = 0; // -1 left, 0 none, 1 right
    bool jump = false;
};

int directionOf(SDL_GameController* controller) {
    const bool left = SDL_GameControllerGetButton(controller, SDL_CONTROLLER_BUTTON_DPAD_LEFT) != 0;
    const bool right =
        SDL_GameControllerGetButton(controller, SDL_CONTROLLER_BUTTON_DPAD_RIGHT) != 0;
    if (left != right) {
        return left ? -1 : 1;
    }
    const Sint16 x = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX);
    if (x < -deadZone) {
        return -1;
    }
    return x > deadZone ? 1 : 0;
}

} // namespace

struct PadInput::Pads {
    bool available = false;
    bool swapped = false;
    std::array<std::optional<Pad>, 2> slots;
    std::vector<GameEvent> pending;
    unsigned idlePolls = 0;

    int playerOf(std::size_t slot) const { return static_cast<int>(swapped ? 2 - slot : slot + 1); }
    std::uint16_t code(std::size_t slot, PlayerAction action) const {
        return ruleKeyCode({playerOf(slot), action});
    }

    // What the pad in a slot now holds, as key events for its player.
    void update(std::size_t slot, int direction, bool jump, std::vector<GameEvent>& out) {
        Pad& pad = *slots[slot];
        if (direction != pad.direction) {
            if (pad.direction != 0) {
                out.push_back(GameEvent::keyUp(
                    code(slot, pad.direction < 0 ? PlayerAction::left : PlayerAction::right)));
            }
            if (direction != 0) {
                out.push_back(GameEvent::keyDown(
                    code(slot, direction < 0 ? PlayerAction::left : PlayerAction::right)));
            }
            pad.direction = direction;
        }
        if (jump != pad.jump) {
            const std::uint16_t jumpKey = code(slot, PlayerAction::jump);
            out.push_back(jump ? GameEvent::keyDown(jumpKey) : GameEvent::keyUp(jumpKey));
            pad.jump = jump;
        }
    }

    void added(int deviceIndex) {
        for (std::size_t slot = 0; slot < slots.size(); ++slot) {
            if (!slots[slot]) {
                SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
                if (controller == nullptr) {
                    return;
                }
                const SDL_JoystickID id =
                    SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
                for (const auto& other : slots) {
                    if (other && other->id == id) {
                        SDL_GameControllerClose(controller);
                        return;
                    }
                }
                slots[slot] = Pad{controller, id};
                return;
            }
        }
    }

    // A pad that goes lets go of everything, as a keyboard that leaves would.
    void removed(SDL_JoystickID id, std::vector<GameEvent>& out) {
        for (std::size_t slot = 0; slot < slots.size(); ++slot) {
            if (slots[slot] && slots[slot]->id == id) {
                update(slot, 0, false, out);
                SDL_GameControllerClose(slots[slot]->controller);
                slots[slot].reset();
            }
        }
    }
};

PadInput::PadInput() : pads_(std::make_unique<Pads>()) {
    // Only the pads: no window, no sound, and the program's own signal handling.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    pads_->available = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

PadInput::~PadInput() {
    if (pads_->available) {
        for (auto& slot : pads_->slots) {
            if (slot) {
                SDL_GameControllerClose(slot->controller);
            }
        }
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    }
}

bool PadInput::available() const {
    return pads_->available;
}

// Each pad lets go for the player it played before it plays the other one.
void PadInput::setSwapped(bool swapped) {
    if (swapped == pads_->swapped) {
        return;
    }
    for (std::size_t slot = 0; slot < pads_->slots.size(); ++slot) {
        if (pads_->slots[slot]) {
            pads_->update(slot, 0, false, pads_->pending);
        }
    }
    pads_->swapped = swapped;
}

std::vector<GameEvent> PadInput::poll() {
    std::vector<GameEvent> events = std::move(pads_->pending);
    pads_->pending.clear();
    if (!pads_->available) {
        return events;
    }
    // With no pad open, only a pad plugged in is news: looking four times a
    // second is soon enough, and spares the game most of SDL's polling.
    const bool anyOpen = std::any_of(pads_->slots.begin(), pads_->slots.end(),
                                     [](const auto& slot) { return slot.has_value(); });
    if (!anyOpen && pads_->idlePolls++ % idlePollsPerLook != 0) {
        return events;
    }
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        if (event.type == SDL_CONTROLLERDEVICEADDED) {
            pads_->added(event.cdevice.which);
        } else if (event.type == SDL_CONTROLLERDEVICEREMOVED) {
            pads_->removed(event.cdevice.which, events);
        }
    }
    for (std::size_t slot = 0; slot < pads_->slots.size(); ++slot) {
        if (const auto& pad = pads_->slots[slot]) {
            const bool jump =
                SDL_GameControllerGetButton(pad->controller, SDL_CONTROLLER_BUTTON_A) != 0;
            pads_->update(slot, directionOf(pad->controller), jump, events);
        }
    }
    return events;
}

} // namespace gloob
