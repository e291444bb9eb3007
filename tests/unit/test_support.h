// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/frm_gloob.h"
#include "app/host.h"

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace gloob::testing {

// Each character a solid block 6 pixels wide and 10 high with 2 pixels between,
// the row of blocks centred at the top of the box: a font whose pixels the
// tests can name.
class BlockTextRasteriser final : public TextRasteriser {
public:
    static constexpr int blockWidth = 6;
    static constexpr int blockHeight = 10;
    static constexpr int gap = 2;
    GlyphMask rasterise(std::string_view text, const Font& font, int width,
                        int height) const override;
};

// A front end on a virtual clock: input is queued by the test and delivered at
// the next pump, message boxes close at once and are remembered.
class FakeHost final : public Host {
public:
    VirtualClock virtualClock;
    std::deque<std::pair<std::int64_t, std::function<void()>>> pendingInput;
    std::vector<std::string> messagesShown;
    std::vector<TimerId> timersHandled;
    std::vector<std::pair<float, float>> moves;
    TwipRect screen{0, 0, 1280 * 15, 1024 * 15};
    TwipRect frame{0, 0, 11265 + 2 * 15, 7095 + 45 * 15};
    bool programEnded = false;
    int pumps = 0;
    // Time a pump takes; 0 by default, so that only sleeps move the clock.
    std::int64_t pumpCostMicros = 0;
    std::function<void(std::string_view)> onMessage;

    Clock& clock() override { return virtualClock; }
    void deliverPendingInput() override;
    void showMessage(std::string_view text) override;
    TwipRect availableScreen() override { return screen; }
    TwipRect windowOuterFrame() override { return frame; }
    void moveWindow(float left, float top) override { moves.emplace_back(left, top); }
    void endProgram() override { programEnded = true; }
    void timerHandled(TimerId timer) override { timersHandled.push_back(timer); }

    // Input that becomes pending at a virtual time (milliseconds).
    void at(std::int64_t milliseconds, std::function<void()> event);
};

// The window made and loaded, as at start-up, with no pictures.
struct TestWindow {
    FakeHost host;
    BlockTextRasteriser text;
    Pictures pictures;
    FrmGloob frm{host, text, pictures};

    TestWindow() { frm.Form_Load(); }
    Scene& scene() { return frm.scene; }
    MatchState& state() { return frm.state; }
    Match& match() { return frm.match(); }
    // Steps the virtual clock heartbeat by heartbeat, dispatching at each one.
    void runHeartbeats(int count);
};

// How a step ended the run, or nothing when it returned.
std::optional<RunEnded::Reason> runEndOf(const std::function<void()>& step);

namespace {
// Table rows show by their name in GoogleTest's messages. The test files' own
// unnamed namespaces are this one, so the rows find it.
template <typename Row>
requires requires(const Row& row) {
    std::string_view(row.name);
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}
} // namespace

} // namespace gloob::testing
