// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "host_addresses.h"

#include <QCoreApplication>
#include <QNetworkInterface>

namespace gloob {

QList<QHostAddress> thisMachinesAddresses() {
    QList<QHostAddress> found;
    for (const QNetworkInterface& card : QNetworkInterface::allInterfaces()) {
        const auto flags = card.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            !flags.testFlag(QNetworkInterface::IsRunning) ||
            flags.testFlag(QNetworkInterface::IsLoopBack)) {
            continue;
        }
        for (const QNetworkAddressEntry& entry : card.addressEntries()) {
            found << entry.ip();
        }
    }
    return found;
}

QString hostPrompt(const QList<QHostAddress>& addresses) {
    QStringList joinable;
    for (const QHostAddress& address : addresses) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback() &&
            !joinable.contains(address.toString())) {
            joinable << address.toString();
        }
    }
    if (joinable.isEmpty()) {
        return QCoreApplication::translate("HostAddresses",
                                           "You play player 1. This machine is on no network the "
                                           "other player could join it by.\n\nThe UDP port to "
                                           "play at:");
    }
    return QCoreApplication::translate(
               "HostAddresses",
               "You play player 1. The other player joins %1:\n\n    %2\n\nat this "
               "UDP port:")
        .arg(joinable.size() == 1
                 ? QCoreApplication::translate("HostAddresses", "this machine's address")
                 : QCoreApplication::translate("HostAddresses", "one of this machine's addresses"),
             joinable.join(QStringLiteral("\n    ")));
}

} // namespace gloob
