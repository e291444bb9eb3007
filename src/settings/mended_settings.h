// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "game_settings.h"

namespace gloob {

// Reads the player's choices as loadSettings does. A file holding values that
// make no sense (or no settings at all) is warned about this once: it is kept
// beside as NAME.bad, and written anew with what was sound in it, so that the
// next start is quiet. A file that cannot be read for want of rights is left
// as it is.
GameSettings loadAndMendSettings(QSettings& store, const SettingsWarning& warn);

} // namespace gloob
