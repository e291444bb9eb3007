// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "language_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace gloob {

namespace {

QString codeAt(std::size_t index) {
    if (index == 0) {
        return {};
    }
    const std::string_view code = gameLanguages[index - 1].code;
    return QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size()));
}

} // namespace

LanguageMenu::LanguageMenu(QMenu& menu, const QString& shown, Chosen chosen)
    : chosen_(std::move(chosen)) {
    menu_ = menu.addMenu(QCoreApplication::translate("LanguageMenu", "Language"));
    menu_->setToolTipsVisible(true);
    const QString atNextStart =
        QCoreApplication::translate("LanguageMenu", "Takes effect at the next start.");
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        const QString caption =
            i == 0 ? QCoreApplication::translate("LanguageMenu", "System Default")
                   : QString::fromUtf8(gameLanguages[i - 1].name.data(),
                                       static_cast<qsizetype>(gameLanguages[i - 1].name.size()));
        QAction* item = menu_->addAction(caption);
        item->setCheckable(true);
        item->setStatusTip(atNextStart);
        item->setToolTip(atNextStart);
        QObject::connect(item, &QAction::triggered, item, [this, code = codeAt(i)] {
            show(code);
            chosen_(code);
        });
        actions_[i] = item;
    }
    show(shown);
}

void LanguageMenu::show(const QString& language) {
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        actions_[i]->setChecked(codeAt(i) == language);
    }
}

QAction* LanguageMenu::languageAction(const QString& language) const {
    for (std::size_t i = 0; i < actions_.size(); ++i) {
        if (codeAt(i) == language) {
            return actions_[i];
        }
    }
    return nullptr;
}

} // namespace gloob
