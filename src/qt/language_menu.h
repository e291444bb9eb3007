// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "settings/game_languages.h"

#include <QString>

#include <array>
#include <functional>

class QAction;
class QMenu;

namespace gloob {

// Options > Language: the system's language, or each the game speaks, by its
// own name. The window's texts are made once, so a choice takes effect at the
// next start; what is marked follows the settings shown.
class LanguageMenu {
public:
    // The language's code, or empty for the system's.
    using Chosen = std::function<void(const QString&)>;

    LanguageMenu(QMenu& menu, const QString& shown, Chosen chosen);

    void show(const QString& language);
    QMenu* menu() const { return menu_; }
    // Empty for System Default; nullptr for a language the game does not speak.
    QAction* languageAction(const QString& language) const;

private:
    QMenu* menu_ = nullptr;
    std::array<QAction*, gameLanguages.size() + 1> actions_{}; // System Default first
    Chosen chosen_;
};

} // namespace gloob
