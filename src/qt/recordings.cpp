// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "recordings.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace gloob {

namespace {
const QString extension = QStringLiteral(".replay");
}

QString replaysFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/replays");
}

QString newRecordingPath(const QString& folder, const QDateTime& now, int keep) {
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        return {};
    }
    // Names sort by the time they were made.
    QStringList kept = dir.entryList({QStringLiteral("*") + extension}, QDir::Files, QDir::Name);
    while (!kept.isEmpty() && kept.size() >= keep) {
        dir.remove(kept.takeFirst());
    }
    const QString stem = now.toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    QString name = stem + extension;
    for (int n = 2; dir.exists(name); ++n) {
        name = stem + QStringLiteral("_%1").arg(n) + extension;
    }
    return dir.filePath(name);
}

} // namespace gloob
