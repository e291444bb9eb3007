// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "keys_and_options.h"

#include "key_names.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace gloob {

namespace {

QString keyCell(const KeyBindings& keys, PlayerControl control) {
    return QStringLiteral("<td>%1</td>").arg(shownKeyName(keys.key(control)).toHtmlEscaped());
}

} // namespace

QString keysAndOptionsText(const KeyBindings& keys, bool padsSwapped, const QString& points,
                           ServeRule serve) {
    constexpr std::array<std::pair<PlayerAction, const char*>, 3> actions{
        {{PlayerAction::left, QT_TRANSLATE_NOOP("KeysAndOptions", "Walk left")},
         {PlayerAction::right, QT_TRANSLATE_NOOP("KeysAndOptions", "Walk right")},
         {PlayerAction::jump, QT_TRANSLATE_NOOP("KeysAndOptions", "Jump")}}};
    QString rows;
    for (const auto& [action, caption] : actions) {
        rows += QStringLiteral("<tr><td>%1</td>")
                    .arg(QCoreApplication::translate("KeysAndOptions", caption)) +
                keyCell(keys, {1, action}) + keyCell(keys, {2, action}) + QStringLiteral("</tr>");
    }
    const QString pads =
        padsSwapped ? QCoreApplication::translate("KeysAndOptions",
                                                  "the first plays player 2, the second player 1")
                    : QCoreApplication::translate("KeysAndOptions",
                                                  "the first plays player 1, the second player 2");
    const QString server =
        serve == ServeRule::loser
            ? QCoreApplication::translate("KeysAndOptions", "The player who lost the point serves.")
        : serve == ServeRule::alternate
            ? QCoreApplication::translate("KeysAndOptions", "The players take turns to serve.")
            : QCoreApplication::translate("KeysAndOptions", "Player 1 serves every rally.");
    return QCoreApplication::translate(
               "KeysAndOptions",
               "<table cellspacing=\"0\" cellpadding=\"3\">"
               "<tr><th></th><th>Player 1 (right)</th><th>Player 2 (left)</th></tr>%1</table>"
               "<p>Game pads: %2. The d-pad or the left stick walks, the south button jumps."
               "</p>"
               "<p>P pauses a match or a replay.<br>"
               "F11 switches full screen; Esc leaves it.<br>"
               "F10 or Alt shows the menu bar in full screen.</p>"
               "<p>A match is won with %3 points. %4</p>"
               "<p>Options &gt; Controls... changes the keys and Options &gt; Number of Balls "
               "the match length.</p>")
        .arg(rows, pads, points.toHtmlEscaped(), server);
}

} // namespace gloob
