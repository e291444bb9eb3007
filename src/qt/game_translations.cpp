// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "game_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace gloob {

QLocale gameLocale(const QString& chosen) {
    return chosen.isEmpty() ? QLocale::system() : QLocale(chosen);
}

GameTranslations::~GameTranslations() {
    remove();
}

void GameTranslations::remove() {
    QCoreApplication::removeTranslator(&game_);
    QCoreApplication::removeTranslator(&qt_);
}

QString GameTranslations::install(const QLocale& locale) {
    remove();
    // The player's languages in the order they prefer them. English is the
    // one the texts are written in: it has no catalogue, and a language
    // listed after it is not wanted.
    for (const QString& preferred : locale.uiLanguages()) {
        const QLocale language(preferred);
        if (language.language() == QLocale::English || language.language() == QLocale::C) {
            return {};
        }
        // de_DE finds gloob_de_DE, else gloob_de: a country's own catalogue
        // where there is one (pt_BR), the language's where not.
        const QString name = language.name();
        if (!game_.load(QStringLiteral("gloob_") + name, QStringLiteral(":/i18n"))) {
            continue;
        }
        QCoreApplication::installTranslator(&game_);
        // Without Qt's catalogues (qt6-translations-l10n) its buttons stay in English.
        if (qt_.load(QStringLiteral("qtbase_") + name,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&qt_);
        }
        return game_.language();
    }
    return {};
}

} // namespace gloob
