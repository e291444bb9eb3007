// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "display_failure.h"

#include <cstdio>
#include <cstdlib>

namespace gloob {

namespace {

DisplayFailureGuard* activeGuard = nullptr;

// Names what Qt tried to open, from the same variables Qt reads.
QString whatCouldNotBeOpened() {
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    const QString x11 = qEnvironmentVariable("DISPLAY");
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    const bool tryingX11 = platform.isEmpty() || platform.startsWith(QStringLiteral("xcb"));
    if (tryingX11 && !x11.isEmpty()) {
        return QStringLiteral("the X display '%1'").arg(x11);
    }
    if (platform.isEmpty() || platform.startsWith(QStringLiteral("wayland"))) {
        return QStringLiteral("the Wayland display '%1'")
            .arg(wayland.isEmpty() ? QStringLiteral("wayland-0") : wayland);
    }
    return QStringLiteral("the Qt platform '%1'").arg(platform);
}

} // namespace

DisplayFailureGuard::DisplayFailureGuard() : previous_(qInstallMessageHandler(onMessage)) {
    activeGuard = this;
}

DisplayFailureGuard::~DisplayFailureGuard() {
    qInstallMessageHandler(previous_);
    activeGuard = nullptr;
    for (const HeldMessage& message : held_) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
        previous_(message.type, context, message.text);
    }
}

void DisplayFailureGuard::onMessage(QtMsgType type, const QMessageLogContext& context,
                                    const QString& message) {
    if (type != QtFatalMsg) {
        // Kept until the start is known to succeed: a failed one explains
        // itself in its own sentence.
        activeGuard->held_.push_back(
            {type, context.category != nullptr ? context.category : "default", message});
        return;
    }
    std::fprintf(stderr,
                 "gloob cannot open %s: start it from a desktop session, or under a virtual X "
                 "server with `xvfb-run gloob`.\n",
                 qPrintable(whatCouldNotBeOpened()));
    std::fflush(stderr);
    // Qt would abort after this handler; nothing of the game has run yet.
    std::_Exit(1);
}

} // namespace gloob
