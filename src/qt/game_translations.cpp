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
        const QString code = QLocale::languageToCode(language.language());
        if (!game_.load(QStringLiteral("gloob_") + code, QStringLiteral(":/i18n"))) {
            continue;
        }
        QCoreApplication::installTranslator(&game_);
        // Without Qt's catalogues (qt6-translations-l10n) its buttons stay in English.
        if (qt_.load(QStringLiteral("qtbase_") + code,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(&qt_);
        }
        return code;
    }
    return {};
}

} // namespace gloob
