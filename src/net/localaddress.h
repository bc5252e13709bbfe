// SPDX-License-Identifier: MIT
#pragma once

#include <QHostAddress>
#include <QList>
#include <QNetworkInterface>
#include <QString>

// The IPv4 address a partner on the network would reach this machine at: on an interface that
// is up and running, Ethernet or Wi-Fi before any other kind, never a container's or virtual
// machine's bridge; loopback only when there is nothing else.
class LocalAddress
{
public:
    struct Interface
    {
        QString name;
        QNetworkInterface::InterfaceType type = QNetworkInterface::Unknown;
        bool running = false;  // up and running
        QList<QHostAddress> addresses;
    };

    static QString choose(const QList<Interface> &interfaces);
    static QList<Interface> ofThisMachine();
};
