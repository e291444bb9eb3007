#pragma once

#include "app/clock.h"
#include "app/frm_gloob.h"
#include "app/host.h"
#include "script/script.h"
#include "script/trace_writer.h"

#include <cstddef>
#include <vector>

namespace gloob::sim {

// Thrown through every running handler when the script's `end` is delivered.
struct ScriptEnded {};

// The window's surroundings in the simulator: a virtual clock, input from the
// script, message boxes that close at once and a trace of every handler.
class SimHost final : public Host {
public:
    // Events in file order; they are delivered by time, ties in file order.
    SimHost(std::vector<ScriptEvent> events, TraceWriter& trace);

    // The window whose handlers receive the script's input.
    void attach(FrmGloob& frm) { frm_ = &frm; }

    VirtualClock& virtualClock() { return clock_; }

    Clock& clock() override { return clock_; }
    void deliverPendingInput() override;
    void showMessage(std::string_view text) override;
    TwipRect availableScreen() override;
    TwipRect windowOuterFrame() override;
    void moveWindow(float, float) override {}
    void endProgram() override;
    void timerHandled(TimerId timer) override;

private:
    void deliver(const ScriptEvent& event);

    VirtualClock clock_;
    std::vector<ScriptEvent> events_;
    std::size_t next_ = 0;
    TraceWriter& trace_;
    FrmGloob* frm_ = nullptr;
};

} // namespace gloob::sim
