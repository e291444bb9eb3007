// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "auto_repeat_filter.h"

namespace gloob {

void AutoRepeatFilter::press(std::int16_t keyCode, std::int16_t shift) {
    if (heldRelease_ && heldRelease_->keyCode == keyCode) {
        heldRelease_.reset();
    }
    flush();
    sink_({true, keyCode, shift});
}

void AutoRepeatFilter::release(std::int16_t keyCode, std::int16_t shift, bool markedAutoRepeat,
                               std::int64_t realMicros) {
    if (markedAutoRepeat) {
        return;
    }
    flush();
    heldRelease_ = KeyEvent{false, keyCode, shift};
    heldSince_ = realMicros;
}

void AutoRepeatFilter::deliveryPoint(std::int64_t realMicros) {
    if (heldRelease_ && realMicros - heldSince_ >= repeatGapMicros) {
        flush();
    }
}

void AutoRepeatFilter::flush() {
    if (heldRelease_) {
        const KeyEvent release = *heldRelease_;
        heldRelease_.reset();
        sink_(release);
    }
}

} // namespace gloob
