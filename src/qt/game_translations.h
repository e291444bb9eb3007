// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace gloob {

// The language the window speaks: the one chosen in Options > Language, or
// else the system's (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
QLocale gameLocale(const QString& chosen);

// The game's catalogue and Qt's own for its dialogs, installed in the
// application for as long as this lives. Only the window's texts change: what
// the game writes, records and sends stays as it was written.
class GameTranslations {
public:
    GameTranslations() = default;
    GameTranslations(const GameTranslations&) = delete;
    GameTranslations& operator=(const GameTranslations&) = delete;
    ~GameTranslations();

    // Replaces what an earlier call installed. Returns the language of the
    // game's catalogue, or empty when none fits and the window speaks English.
    QString install(const QLocale& locale);

private:
    void remove();

    QTranslator game_;
    QTranslator qt_;
};

} // namespace gloob
