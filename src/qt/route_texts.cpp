// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "route_texts.h"

#include <QCoreApplication>

#include <set>

namespace gloob {

namespace {

std::set<traversal::Path> pathsOf(const std::vector<traversal::Candidate>& tried) {
    std::set<traversal::Path> paths;
    for (const traversal::Candidate& c : tried) {
        paths.insert(c.path);
    }
    return paths;
}

} // namespace

QString pathTrying(traversal::Path path) {
    switch (path) {
    case traversal::Path::localNetwork:
        return QCoreApplication::translate("LobbyRoute", "Trying the local network...");
    case traversal::Path::directPublic:
        return QCoreApplication::translate("LobbyRoute", "Trying the public address...");
    case traversal::Path::upnp:
        return QCoreApplication::translate("LobbyRoute", "Trying the router's forwarded port...");
    case traversal::Path::relay:
        return QCoreApplication::translate("LobbyRoute", "Trying the relay...");
    }
    return {};
}

QString pathTaken(traversal::Path path) {
    switch (path) {
    case traversal::Path::localNetwork:
        return QCoreApplication::translate("LobbyRoute", "via local network");
    case traversal::Path::directPublic:
        return QCoreApplication::translate("LobbyRoute", "direct");
    case traversal::Path::upnp:
        return QCoreApplication::translate("LobbyRoute", "via forwarded port");
    case traversal::Path::relay:
        return QCoreApplication::translate("LobbyRoute", "via relay");
    }
    return {};
}

QString tryingLines(const std::vector<traversal::Candidate>& tried) {
    QStringList lines;
    for (const traversal::Path path : pathsOf(tried)) {
        lines.append(pathTrying(path));
    }
    return lines.join(QLatin1Char('\n'));
}

QString nothingReached(const QString& other, const std::vector<traversal::Candidate>& tried,
                       int seconds) {
    QStringList ways;
    for (const traversal::Candidate& c : tried) {
        const QString where = QString::fromStdString(traversal::toString(c.where));
        switch (c.path) {
        case traversal::Path::localNetwork:
            ways.append(
                QCoreApplication::translate("LobbyRoute", "the local network (%1)").arg(where));
            break;
        case traversal::Path::directPublic:
            ways.append(
                QCoreApplication::translate("LobbyRoute", "the public address (%1)").arg(where));
            break;
        case traversal::Path::upnp:
            ways.append(
                QCoreApplication::translate("LobbyRoute", "the router's forwarded port (%1)")
                    .arg(where));
            break;
        case traversal::Path::relay:
            ways.append(QCoreApplication::translate("LobbyRoute", "the relay (%1)").arg(where));
            break;
        }
    }
    if (ways.isEmpty()) {
        ways.append(QCoreApplication::translate("LobbyRoute", "nothing: no address was given"));
    }
    return QCoreApplication::translate(
               "LobbyRoute",
               "No way to %1's machine answered within %2 s. Tried: %3.\n\n"
               "Their router or yours lets nothing in. The host can forward a UDP port on "
               "their router to their machine (or turn on UPnP there), or both of you can "
               "meet in a lobby that offers a relay.")
        .arg(other)
        .arg(seconds)
        .arg(ways.join(QStringLiteral(", ")));
}

} // namespace gloob
