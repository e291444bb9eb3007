// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "match/serve.h"

#include <array>
#include <functional>

class QAction;
class QMenu;

namespace gloob {

// Options > Serve: who serves each rally. Choosing a rule hands it on; what is
// marked follows the settings shown.
class ServeMenu {
public:
    using Chosen = std::function<void(ServeRule)>;

    ServeMenu(QMenu& menu, ServeRule shown, Chosen chosen);

    void show(ServeRule rule);
    QMenu* menu() const { return menu_; }
    QAction* ruleAction(ServeRule rule) const { return actions_[static_cast<std::size_t>(rule)]; }

private:
    QMenu* menu_ = nullptr;
    std::array<QAction*, 3> actions_{};
    Chosen chosen_;
};

} // namespace gloob
