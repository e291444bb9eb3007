#include "key_codes.h"

#include "match/keys.h"

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
    default:
        break;
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

bool isPlayerKey(std::int16_t virtualKey) {
    switch (virtualKey) {
    case keys::left:
    case keys::up:
    case keys::right:
    case keys::a:
    case keys::d:
    case keys::w:
        return true;
    default:
        return false;
    }
}

} // namespace gloob
