// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "key_codes.h"

#include "match/keys.h"

#include <QKeyEvent>

namespace gloob {

std::int16_t virtualKeyOf(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Left:
        return keys::left;
    case Qt::Key_Up:
        return keys::up;
    case Qt::Key_Right:
        return keys::right;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Pause:
        return 19;
    default:
        break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) {
        return static_cast<std::int16_t>(112 + (qtKey - Qt::Key_F1));
    }
    // Qt reports letters as their upper-case key whatever the modifiers, and
    // letter and digit keys share their codes with ASCII.
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) {
        return static_cast<std::int16_t>(qtKey);
    }
    return 0;
}

std::int16_t shiftStateOf(Qt::KeyboardModifiers modifiers) {
    std::int16_t shift = 0;
    if (modifiers & Qt::ShiftModifier) {
        shift |= 1;
    }
    if (modifiers & Qt::ControlModifier) {
        shift |= 2;
    }
    if (modifiers & Qt::AltModifier) {
        shift |= 4;
    }
    return shift;
}

PhysicalKey physicalKeyOf(const QKeyEvent& event) {
    if (event.nativeScanCode() != 0) {
        return event.nativeScanCode();
    }
    if (const std::int16_t virtualKey = virtualKeyOf(event.key()); virtualKey != 0) {
        if (const auto key = usPhysicalKey(static_cast<std::uint16_t>(virtualKey))) {
            return *key;
        }
    }
    // Beyond every real key number.
    return 0x10000u | (static_cast<PhysicalKey>(event.key()) & 0xFFFFu);
}

bool keepFromButtons(int qtKey, std::uint16_t gameKeyCode) {
    switch (qtKey) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return controlOfRuleKey(gameKeyCode).has_value();
    }
}

} // namespace gloob
