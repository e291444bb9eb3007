// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "window_title.h"

#include "written_texts.h"

#include <QCoreApplication>

#include <algorithm>

namespace gloob {

namespace {

// Minutes and seconds, as a player reads a clock.
QString clock(std::int64_t micros) {
    const std::int64_t seconds = std::max<std::int64_t>(0, micros) / 1'000'000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

QString windowTitle(const std::string& caption, const WindowState& state) {
    QString title = shownText(caption);
    if (state.replay) {
        title += QCoreApplication::translate("WindowTitle", " - Replay %1 / %2")
                     .arg(clock(std::min(state.replayMicros, state.replayLengthMicros)),
                          clock(state.replayLengthMicros));
        if (state.speed != 1) {
            title += QStringLiteral(" %1x").arg(state.speed);
        }
    }
    // Waiting for the other machine is no pause of the player's; online play says it.
    if (state.paused && !state.online) {
        title += QCoreApplication::translate("WindowTitle", " - Paused");
    }
    if (!state.onlineText.isEmpty()) {
        title += QStringLiteral(" - ") + state.onlineText;
    }
    return title;
}

} // namespace gloob
