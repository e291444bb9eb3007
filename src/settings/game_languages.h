// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <array>
#include <string_view>

namespace gloob {

// A language the game has a catalogue for, and its name in itself, as the
// Language menu shows it to someone who may read nothing else.
struct GameLanguage {
    std::string_view code; // as the catalogue's file and the settings name it
    std::string_view name; // UTF-8
};

inline constexpr std::array gameLanguages{
    GameLanguage{"de", "Deutsch"},  GameLanguage{"fr", "Français"},
    GameLanguage{"es", "Español"},  GameLanguage{"pt_BR", "Português (Brasil)"},
    GameLanguage{"it", "Italiano"}, GameLanguage{"pl", "Polski"},
    GameLanguage{"ru", "Русский"},
};

} // namespace gloob
