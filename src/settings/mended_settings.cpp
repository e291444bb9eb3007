// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "mended_settings.h"

#include <QFile>
#include <QSettings>

namespace gloob {

GameSettings loadAndMendSettings(QSettings& store, const SettingsWarning& warn) {
    int warnings = 0;
    const GameSettings settings = loadSettings(store, [&](const QString& warning) {
        ++warnings;
        warn(warning);
    });
    if (warnings == 0 || store.status() == QSettings::AccessError) {
        return settings;
    }
    const QString path = store.fileName();
    const QString kept = path + QStringLiteral(".bad");
    QFile::remove(kept);
    if (!QFile::copy(path, kept) || !QFile::remove(path)) {
        warn(QStringLiteral("cannot keep %1 aside; it stays as it is").arg(path));
        return settings;
    }
    store.clear();
    saveSettings(store, settings);
    store.sync();
    warn(QStringLiteral("the file is kept as %1 and written anew").arg(kept));
    return settings;
}

} // namespace gloob
