// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "display_check.h"

namespace gloob {

bool hasGraphicalDisplay(const std::function<const char*(const char*)>& variable) {
    // An empty value means as little as an unset one, to Qt as to us.
    const auto isSet = [&](const char* name) {
        const char* value = variable(name);
        return value != nullptr && *value != '\0';
    };
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
}

} // namespace gloob
