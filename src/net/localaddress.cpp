// SPDX-License-Identifier: MIT
#include "localaddress.h"

#include <QStringList>

namespace {

// Bridges and links that containers and virtual machines make; no partner reaches them.
bool isVirtualBridge(const QString &name)
{
    static const QStringList prefixes = {QStringLiteral("docker"),  QStringLiteral("virbr"),
                                         QStringLiteral("br-"),     QStringLiteral("veth"),
                                         QStringLiteral("lxcbr"),   QStringLiteral("lxdbr"),
                                         QStringLiteral("podman"),  QStringLiteral("cni"),
                                         QStringLiteral("vboxnet"), QStringLiteral("vmnet")};
    for (const QString &prefix : prefixes) {
        if (name.startsWith(prefix))
            return true;
    }
    return false;
}

// Lower is better; -1 for an interface not to be used at all.
int rank(const LocalAddress::Interface &interface)
{
    if (!interface.running || interface.type == QNetworkInterface::Loopback ||
        isVirtualBridge(interface.name))
        return -1;
    const bool wired =
        interface.type == QNetworkInterface::Ethernet || interface.type == QNetworkInterface::Wifi;
    return wired ? 0 : 1;
}

}  // namespace

QString LocalAddress::choose(const QList<Interface> &interfaces)
{
    QString best;
    int bestRank = 4;
    for (const Interface &interface : interfaces) {
        const int interfaceRank = rank(interface);
        if (interfaceRank < 0)
            continue;
        for (const QHostAddress &address : interface.addresses) {
            if (address.protocol() != QAbstractSocket::IPv4Protocol || address.isLoopback())
                continue;
            // A link-local address (169.254.x.x) only when nothing better is there.
            const int addressRank = interfaceRank + (address.isLinkLocal() ? 2 : 0);
            if (addressRank < bestRank) {
                bestRank = addressRank;
                best = address.toString();
            }
        }
    }
    return best.isEmpty() ? QHostAddress(QHostAddress::LocalHost).toString() : best;
}

QList<LocalAddress::Interface> LocalAddress::ofThisMachine()
{
    QList<Interface> interfaces;
    const QList<QNetworkInterface> all = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &network : all) {
        Interface interface {
            network.name(), network.type(),
                network.flags().testFlags(QNetworkInterface::IsUp | QNetworkInterface::IsRunning),
            {
            }
        };
        const QList<QNetworkAddressEntry> entries = network.addressEntries();
        for (const QNetworkAddressEntry &entry : entries) interface.addresses.append(entry.ip());
        interfaces.append(interface);
    }
    return interfaces;
}
