// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "scene/raster.h"

#include "qtgui/qt_text_rasteriser.h"

#include <QString>

#include <span>
#include <string_view>

namespace gloob {

// The written game's own texts (its captions, menus, labels and messages)
// as the window shows them: exactly as written in English, translated in
// the player's language. The game, its recordings and traces keep them as
// written.
QString shownText(std::string_view written);

// Every written text a catalogue translates, where lupdate finds them.
std::span<const char* const> writtenTexts();

// The court's labels drawn in the player's language (GAME OVER).
class ShownTextRasteriser final : public TextRasteriser {
public:
    GlyphMask rasterise(std::string_view text, const Font& font, int width,
                        int height) const override;

private:
    QtTextRasteriser drawn_;
};

} // namespace gloob
