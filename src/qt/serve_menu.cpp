// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "serve_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace gloob {

namespace {
constexpr std::array<std::pair<ServeRule, const char*>, 3> captions{{
    {ServeRule::player1, QT_TRANSLATE_NOOP("ServeMenu", "Player 1 Always")},
    {ServeRule::loser, QT_TRANSLATE_NOOP("ServeMenu", "Player Who Lost the Point")},
    {ServeRule::alternate, QT_TRANSLATE_NOOP("ServeMenu", "Alternating")},
}};
} // namespace

ServeMenu::ServeMenu(QMenu& menu, ServeRule shown, Chosen chosen) : chosen_(std::move(chosen)) {
    menu_ = menu.addMenu(QCoreApplication::translate("ServeMenu", "Serve"));
    for (const auto& entry : captions) {
        const ServeRule rule = entry.first;
        QAction* item = menu_->addAction(QCoreApplication::translate("ServeMenu", entry.second));
        item->setCheckable(true);
        QObject::connect(item, &QAction::triggered, item, [this, rule] {
            show(rule);
            chosen_(rule);
        });
        actions_[static_cast<std::size_t>(rule)] = item;
    }
    show(shown);
}

void ServeMenu::show(ServeRule rule) {
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        actions_[i]->setChecked(static_cast<std::size_t>(rule) == i);
    }
}

} // namespace gloob
