// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "pad_input.h"

namespace gloob {

// Built without SDL: no pads, and the game plays as before.
struct PadInput::Pads {};

PadInput::PadInput() = default;
PadInput::~PadInput() = default;

bool PadInput::available() const {
    return false;
}

void PadInput::setSwapped(bool) {}

std::vector<GameEvent> PadInput::poll() {
    return {};
}

} // namespace gloob
