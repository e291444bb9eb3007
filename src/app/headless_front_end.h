// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "front_end.h"

#include <functional>

namespace gloob {

// The window's surroundings without a desktop, for the simulator and the
// computer players' ladder: input from its source (a script, or none), no
// real clock to keep pace with, message boxes that close at once, and a
// fixed screen on which the window never moves.
class HeadlessFrontEnd final : public FrontEnd {
public:
    // Posts the input due by the engine's time.
    using InputSource = std::function<void(Engine&)>;

    explicit HeadlessFrontEnd(InputSource input = {}) : input_(std::move(input)) {}

    void collectInput(Engine& engine) override {
        if (input_) {
            input_(engine);
        }
    }
    void paceTo(std::int64_t) override {}
    void showMessage(std::string_view) override {}
    TwipRect availableScreen() override;
    TwipRect windowOuterFrame() override;
    void moveWindow(float, float) override {}
    void endProgram() override {}

private:
    InputSource input_;
};

} // namespace gloob
