// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "window_title.h"

namespace gloob {

QString windowTitle(const std::string& caption, const WindowState& state) {
    QString title = QString::fromStdString(caption);
    if (state.replay) {
        title += QStringLiteral(" - Replay");
        if (state.speed != 1) {
            title += QStringLiteral(" %1x").arg(state.speed);
        }
    }
    // Waiting for the other machine is no pause of the player's; online play says it.
    if (state.paused && !state.online) {
        title += QStringLiteral(" - Paused");
    }
    if (!state.onlineText.isEmpty()) {
        title += QStringLiteral(" - ") + state.onlineText;
    }
    return title;
}

} // namespace gloob
