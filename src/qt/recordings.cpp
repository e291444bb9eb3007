// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "recordings.h"

#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLayout>
#include <QLocale>
#include <QMimeDatabase>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QStyle>
#include <QTreeView>

#include <algorithm>
#include <array>

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

// Each column gets the width of the longest it shows here, and the view room
// for them all.
void showRecordingsWhole(QFileDialog& dialog) {
    auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (view == nullptr) {
        return;
    }
    const QFontMetrics metrics = view->fontMetrics();
    const QDir folder = dialog.directory();
    QStringList names =
        folder.entryList({QStringLiteral("*.replay"), QStringLiteral("*.script")}, QDir::Files);
    // The longest name a recording gets.
    names << QStringLiteral("2026-12-31_23-59-59_99.replay");
    QStringList types;
    const QMimeDatabase mimes;
    for (const QString& name : names) {
        types << mimes.mimeTypeForFile(folder.filePath(name)).comment();
    }
    const auto widest = [&](const QStringList& texts) {
        int width = 0;
        for (const QString& text : texts) {
            width = std::max(width, metrics.horizontalAdvance(text));
        }
        return width;
    };
    // Room for the icon and the cell's margins beside the text.
    const int padding = metrics.horizontalAdvance(QStringLiteral("MMM"));
    const QDateTime longDate(QDate(2026, 12, 28), QTime(23, 59, 59));
    const std::array columns{widest(names) + view->iconSize().width() + padding,
                             widest({QLocale::system().formattedDataSize(999'999'999)}) + padding,
                             widest(types) + padding,
                             widest({QLocale::system().toString(longDate, QLocale::ShortFormat)}) +
                                 padding};
    QHeaderView* header = view->header();
    int total = 0;
    for (std::size_t i = 0; i < columns.size() && static_cast<int>(i) < header->count(); ++i) {
        header->resizeSection(static_cast<int>(i), columns[i]);
        total += columns[i];
    }
    const int viewWidth =
        total + 2 * view->frameWidth() + view->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    auto* splitter = dialog.findChild<QSplitter*>(QStringLiteral("splitter"));
    auto* sidebar = dialog.findChild<QWidget*>(QStringLiteral("sidebar"));
    if (splitter == nullptr || sidebar == nullptr) {
        return;
    }
    const int sidebarWidth = sidebar->sizeHint().width();
    splitter->setSizes({sidebarWidth, viewWidth});
    dialog.layout()->activate();
    const int around = dialog.sizeHint().width() - splitter->sizeHint().width();
    const QRect screen = dialog.screen()->availableGeometry();
    dialog.resize(std::min(around + sidebarWidth + splitter->handleWidth() + viewWidth,
                           screen.width() * 9 / 10),
                  dialog.sizeHint().height());
}

} // namespace gloob
