// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The settings file, as the game reads it at start-up.
#include "fuzz_check.h"
#include "settings/game_settings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <set>

using namespace gloob;

namespace {

// The settings file and the one it is saved to again, in memory where
// there is some, since saving waits for the disk.
const QString& folder() {
    static const QString path = [] {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm")
                                                                       : QDir::tempPath();
        QString dir = base + QStringLiteral("/gloob-settings-fuzz-") +
                      QString::number(QCoreApplication::applicationPid());
        QDir().mkpath(dir);
        std::atexit([] { QDir(folder()).removeRecursively(); });
        return dir;
    }();
    return path;
}

// QSettings reads a file again only when its size or time changed: every
// run's file gets a time of its own.
void write(const QString& path, const std::uint8_t* data, std::size_t size) {
    static qint64 runs = 0;
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.setFileTime(QDateTime::fromSecsSinceEpoch(++runs), QFileDevice::FileModificationTime);
}

bool valid(const GameSettings& s) {
    const auto in = [](MenuId item, std::initializer_list<MenuId> items) {
        return std::find(items.begin(), items.end(), item) != items.end();
    };
    std::set<PhysicalKey> keys;
    for (const PlayerControl control : allControls) {
        keys.insert(s.keys.key(control));
    }
    return in(s.matchLength, {MenuId::mnu3, MenuId::mnu5, MenuId::mnu8}) &&
           in(s.background, {MenuId::mnuMountain, MenuId::mnuBeach, MenuId::mnuNone}) &&
           std::find(soundVolumes.begin(), soundVolumes.end(), s.volume) != soundVolumes.end() &&
           keys.size() == allControls.size() && keys.count(0) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = folder() + QStringLiteral("/gloob.ini");
    write(path, data, size);
    GameSettings read;
    {
        QSettings store(path, QSettings::IniFormat);
        read = loadSettings(store, [](const QString& warning) {
            // One short line: a value is shown cut, and nothing in it breaks
            // the line or steers the terminal.
            FUZZ_CHECK(warning.size() < 400);
            for (const QChar c : warning) {
                FUZZ_CHECK(c.category() != QChar::Other_Control);
            }
        });
    }
    QFile::remove(path);
    const QString saved = folder() + QStringLiteral("/saved.ini");
    // Whatever the file held, the game starts with choices its menus offer,
    // and keeps them as they are from one run to the next.
    FUZZ_CHECK(valid(read));
    // Most files come to the same few choices, and saving waits for the
    // disk: each choice already saved and read back is not saved again.
    static std::deque<GameSettings> roundTripped;
    if (std::find(roundTripped.begin(), roundTripped.end(), read) != roundTripped.end()) {
        return 0;
    }
    {
        QSettings store(saved, QSettings::IniFormat);
        saveSettings(store, read);
    }
    {
        QSettings store(saved, QSettings::IniFormat);
        FUZZ_CHECK(loadSettings(store, [](const QString&) { FUZZ_CHECK(false); }) == read);
    }
    QFile::remove(saved);
    roundTripped.push_front(read);
    if (roundTripped.size() > 64) {
        roundTripped.pop_back();
    }
    return 0;
}
