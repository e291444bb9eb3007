// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "test_support.h"

#include "app/heartbeat.h"

#include <algorithm>

namespace gloob::testing {

GlyphMask BlockTextRasteriser::rasterise(std::string_view text, const Font&, int width,
                                         int height) const {
    GlyphMask mask{width, height,
                   std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height)};
    const int count = static_cast<int>(text.size());
    const int runWidth = count * blockWidth + std::max(count - 1, 0) * gap;
    const int x0 = (width - runWidth) / 2;
    for (int c = 0; c < count; ++c) {
        if (text[static_cast<std::size_t>(c)] == ' ') {
            continue;
        }
        for (int y = 0; y < std::min(blockHeight, height); ++y) {
            for (int x = 0; x < blockWidth; ++x) {
                const int px = x0 + c * (blockWidth + gap) + x;
                if (px >= 0 && px < width) {
                    mask.bits[static_cast<std::size_t>(y) * width + px] = 1;
                }
            }
        }
    }
    return mask;
}

void FakeHost::deliverPendingInput() {
    ++pumps;
    virtualClock.advanceTo(virtualClock.nowMicros() + pumpCostMicros);
    while (!pendingInput.empty() && pendingInput.front().first * 1000 <= virtualClock.nowMicros()) {
        auto event = std::move(pendingInput.front().second);
        pendingInput.pop_front();
        event();
    }
}

void FakeHost::showMessage(std::string_view text) {
    messagesShown.emplace_back(text);
    if (onMessage) {
        onMessage(text);
    }
}

void FakeHost::at(std::int64_t milliseconds, std::function<void()> event) {
    const auto later = std::find_if(pendingInput.begin(), pendingInput.end(),
                                    [&](const auto& e) { return e.first > milliseconds; });
    pendingInput.insert(later, {milliseconds, std::move(event)});
}

void TestWindow::runHeartbeats(int count) {
    for (int i = 0; i < count; ++i) {
        host.virtualClock.advanceTo(heartbeatAfter(host.virtualClock.nowMicros()));
        host.deliverPendingInput();
        frm.dispatchTimers(heartbeatAtOrBefore(host.virtualClock.nowMicros()));
    }
}

std::optional<RunEnded::Reason> runEndOf(const std::function<void()>& step) {
    try {
        step();
    } catch (const RunEnded& end) {
        return end.reason;
    }
    return std::nullopt;
}

} // namespace gloob::testing
