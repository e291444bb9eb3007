// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "settings/game_settings.h"

#include <array>
#include <functional>

class QAction;
class QMenu;

namespace gloob {

// Sound (on or off) and its Volume submenu, added to a menu. Choosing an item
// hands the new choices on; what is marked follows the settings shown.
class SoundMenu {
public:
    using Chosen = std::function<void(bool sound, int volume)>;

    SoundMenu(QMenu& menu, const GameSettings& settings, Chosen chosen);

    void show(const GameSettings& settings);
    QAction* soundAction() const { return sound_; }
    // Nothing for a volume the menu does not offer.
    QAction* volumeAction(int percent) const;

private:
    QAction* sound_ = nullptr;
    std::array<QAction*, soundVolumes.size()> volumes_{};
    Chosen chosen_;
    GameSettings shown_;
};

} // namespace gloob
