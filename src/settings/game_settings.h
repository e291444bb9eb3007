// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/autopilot.h"
#include "app/game_event.h"
#include "app/key_bindings.h"
#include "scene/scene.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

class QSettings;

namespace gloob {

// The loudness of the effects the Volume menu offers, in percent.
inline constexpr std::array soundVolumes{25, 50, 75, 100};

// The player's choices, kept from one run to the next. A fresh profile holds
// nothing, and then everything is as the game was written.
struct GameSettings {
    MenuId matchLength = MenuId::mnu5;   // mnu3, mnu5 or mnu8
    MenuId background = MenuId::mnuNone; // mnuMountain, mnuBeach or mnuNone
    bool heldKeys = false;
    KeyBindings keys;
    bool padsSwapped = false; // the first pad plays player 2
    // Who plays each side: a person (none) or the computer at a strength.
    std::array<std::optional<BotStrength>, 2> computer{};
    bool sound = true;
    int volume = 100; // one of soundVolumes
    ServeRule serve = ServeRule::player1;
    // The lobby: the name the player goes by there, and the server.
    QString lobbyName;
    QString lobbyServer = QStringLiteral("localhost");
    // An account on a lobby that asks for one (none: anonymous), and its
    // password, kept only when the player asks for it.
    QString lobbyAccount;
    QString lobbyPassword;
    // A player who asks to join is put to the host first, not let in at once.
    bool lobbyAskFirst = false;
    // The STUN server a lobby match asks from the match's socket
    // (ADDRESS[:PORT]); empty: the one the lobby names, if any.
    QString lobbyStun;
    // The code of one of gameLanguages, or empty for the system's language.
    QString language;

    bool operator==(const GameSettings&) const = default;
};

// The points that win a match of the chosen length.
inline int pointsToWin(MenuId matchLength) {
    return matchLength == MenuId::mnu3 ? 3 : matchLength == MenuId::mnu8 ? 8 : 5;
}

// Reports a value that was ignored, in one line.
using SettingsWarning = std::function<void(const QString&)>;

// Reads every value on its own: one that is missing keeps its default, one
// that cannot be read or makes no sense keeps it too and is reported. A file
// that cannot be read at all is reported once. The game always starts.
GameSettings loadSettings(QSettings& store, const SettingsWarning& warn);
void saveSettings(QSettings& store, const GameSettings& settings);

// The language alone, read quietly before the window exists: the catalogues
// must be in place before its first text. Empty for the system's language.
QString chosenLanguage(QSettings& store);

} // namespace gloob
