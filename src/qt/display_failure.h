// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <QString>
#include <QtGlobal>

#include <string>
#include <vector>

namespace gloob {

// Held while the application object connects to the window system. Should no
// platform start (an X display that nobody serves, say), Qt would abort with
// a page about plugins; this ends the game with one sentence and status 1.
// Qt's messages of a start that succeeds are passed on once it is done.
class DisplayFailureGuard {
public:
    DisplayFailureGuard();
    ~DisplayFailureGuard();
    DisplayFailureGuard(const DisplayFailureGuard&) = delete;
    DisplayFailureGuard& operator=(const DisplayFailureGuard&) = delete;

private:
    struct HeldMessage {
        QtMsgType type;
        std::string category;
        QString text;
    };

    static void onMessage(QtMsgType type, const QMessageLogContext& context,
                          const QString& message);

    QtMessageHandler previous_;
    std::vector<HeldMessage> held_;
};

} // namespace gloob
