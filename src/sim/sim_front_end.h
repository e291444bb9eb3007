// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/engine.h"
#include "script/script_source.h"

namespace gloob::sim {

// The window's surroundings in the simulator: input from a script, no real
// clock to keep pace with, message boxes that close at once, and a fixed
// screen.
class SimFrontEnd final : public FrontEnd {
public:
    explicit SimFrontEnd(ScriptSource& script) : script_(script) {}

    void collectInput(Engine& engine) override { script_.collectDue(engine.nowMicros(), engine); }
    void paceTo(std::int64_t) override {}
    void showMessage(std::string_view) override {}
    TwipRect availableScreen() override;
    TwipRect windowOuterFrame() override;
    void moveWindow(float, float) override {}
    void endProgram() override {}

private:
    ScriptSource& script_;
};

} // namespace gloob::sim
