// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>

namespace gloob {

// This machine's addresses on the networks it is on now, loopback left out.
QList<QHostAddress> thisMachinesAddresses();

// What the host is asked above the port: the addresses the other player can
// join, or that there are none. Joining takes an IPv4 address or a name, so
// IPv6 addresses would only send the other player astray.
QString hostPrompt(const QList<QHostAddress>& addresses);

} // namespace gloob
