// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <QDateTime>
#include <QString>

class QFileDialog;

namespace gloob {

// How many recordings the replays folder keeps; the oldest go first.
constexpr int recordingsKept = 20;

// The folder where every match is recorded unless the command line names a
// file: replays/ in the user's data folder.
QString replaysFolder();

// The file for a recording started at `now`, named by date and time. Makes
// room first: older recordings are removed until, with the new one, `keep`
// remain. Empty when the folder cannot be made.
QString newRecordingPath(const QString& folder, const QDateTime& now, int keep = recordingsKept);

// Qt's own file dialog opens too narrow for a recording's name and date: it
// is sized to show them whole. A desktop's own dialog sizes itself.
void showRecordingsWhole(QFileDialog& dialog);

} // namespace gloob
