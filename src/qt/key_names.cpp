// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "key_names.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <array>
#include <string>

namespace gloob {

namespace {

// The US keyboard's names in words; a test keeps this list whole.
constexpr std::array names{
    QT_TRANSLATE_NOOP("KeyNames", "Esc"),          QT_TRANSLATE_NOOP("KeyNames", "Backspace"),
    QT_TRANSLATE_NOOP("KeyNames", "Tab"),          QT_TRANSLATE_NOOP("KeyNames", "Enter"),
    QT_TRANSLATE_NOOP("KeyNames", "Left Ctrl"),    QT_TRANSLATE_NOOP("KeyNames", "Left Shift"),
    QT_TRANSLATE_NOOP("KeyNames", "Right Shift"),  QT_TRANSLATE_NOOP("KeyNames", "Left Alt"),
    QT_TRANSLATE_NOOP("KeyNames", "Space"),        QT_TRANSLATE_NOOP("KeyNames", "Caps Lock"),
    QT_TRANSLATE_NOOP("KeyNames", "Keypad Enter"), QT_TRANSLATE_NOOP("KeyNames", "Right Ctrl"),
    QT_TRANSLATE_NOOP("KeyNames", "Right Alt"),    QT_TRANSLATE_NOOP("KeyNames", "Home"),
    QT_TRANSLATE_NOOP("KeyNames", "Up"),           QT_TRANSLATE_NOOP("KeyNames", "Page Up"),
    QT_TRANSLATE_NOOP("KeyNames", "Left"),         QT_TRANSLATE_NOOP("KeyNames", "Right"),
    QT_TRANSLATE_NOOP("KeyNames", "End"),          QT_TRANSLATE_NOOP("KeyNames", "Down"),
    QT_TRANSLATE_NOOP("KeyNames", "Page Down"),    QT_TRANSLATE_NOOP("KeyNames", "Insert"),
    QT_TRANSLATE_NOOP("KeyNames", "Delete"),       QT_TRANSLATE_NOOP("KeyNames", "Pause"),
};

} // namespace

QString shownKeyName(PhysicalKey key) {
    const std::string name = keyName(key);
    // A key beyond the US keyboard is known by its number alone.
    if (name == "Key " + std::to_string(key)) {
        return QCoreApplication::translate("KeyNames", "Key %1").arg(key);
    }
    return QCoreApplication::translate("KeyNames", name.c_str());
}

std::span<const char* const> translatedKeyNames() {
    return names;
}

} // namespace gloob
