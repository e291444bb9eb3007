// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "written_texts.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <array>
#include <string>

namespace gloob {

namespace {

// The game holds these in its scene and messages; they are repeated here for
// lupdate, and a test keeps the two lists the same.
constexpr std::array texts{
    QT_TRANSLATE_NOOP("WrittenGame", "Gloob Volleyballl"),
    QT_TRANSLATE_NOOP("WrittenGame", "Gloob Volleyball"),
    QT_TRANSLATE_NOOP("WrittenGame", "Play!"),
    QT_TRANSLATE_NOOP("WrittenGame", "Exit"),
    QT_TRANSLATE_NOOP("WrittenGame", "GAME OVER"),
    QT_TRANSLATE_NOOP("WrittenGame", "Options"),
    QT_TRANSLATE_NOOP("WrittenGame", "Number of Balls"),
    QT_TRANSLATE_NOOP("WrittenGame", "Backround"),
    QT_TRANSLATE_NOOP("WrittenGame", "Mountain"),
    QT_TRANSLATE_NOOP("WrittenGame", "Beach"),
    QT_TRANSLATE_NOOP("WrittenGame", "None"),
    QT_TRANSLATE_NOOP("WrittenGame", "Help "),
    QT_TRANSLATE_NOOP("WrittenGame", "Instructions"),
    QT_TRANSLATE_NOOP("WrittenGame", "About"),
    QT_TRANSLATE_NOOP(
        "WrittenGame",
        "Try to hit the ball so your opponent cannot return it! Each time your opponent misses it, "
        "you will receive a point; first person to 5 points wins. Player 1 use the arrow keys to "
        "control his gloob. Player 2 use W,A,S, and D to control his gloob"),
    QT_TRANSLATE_NOOP("WrittenGame",
                      "Gloob Volleyball\nA volleyball game for two players at one keyboard."),
};

} // namespace

QString shownText(std::string_view written) {
    const std::string source(written);
    return QCoreApplication::translate("WrittenGame", source.c_str());
}

std::span<const char* const> writtenTexts() {
    return texts;
}

GlyphMask ShownTextRasteriser::rasterise(std::string_view text, const Font& font, int width,
                                         int height) const {
    return drawn_.rasterise(shownText(text).toStdString(), font, width, height);
}

} // namespace gloob
