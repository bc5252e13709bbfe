// SPDX-License-Identifier: MIT
#include "outsideaddress.h"

#include <QHostAddress>
#include <QNetworkInterface>
#include <QString>
#include <utility>

namespace {

// RFC 6890's special-purpose IPv4 blocks that are not forwarded on the internet.
constexpr std::pair<const char *, int> UnreachableIpv4[] = {
    {"0.0.0.0", 8},      {"10.0.0.0", 8},    {"100.64.0.0", 10},   {"127.0.0.0", 8},
    {"169.254.0.0", 16}, {"172.16.0.0", 12}, {"192.0.0.0", 24},    {"192.0.2.0", 24},
    {"192.168.0.0", 16}, {"198.18.0.0", 15}, {"198.51.100.0", 24}, {"203.0.113.0", 24},
    {"224.0.0.0", 4},    {"240.0.0.0", 4},
};

}  // namespace

bool OutsideAddress::isPublic(const QHostAddress &address)
{
    if (address.protocol() != QAbstractSocket::IPv4Protocol)
        return false;
    for (const auto &[network, length] : UnreachableIpv4) {
        if (address.isInSubnet(QHostAddress(QString::fromLatin1(network)), length))
            return false;
    }
    return true;
}

QHostAddress OutsideAddress::globalIpv6()
{
    const QHostAddress global(QStringLiteral("2000::"));
    const QHostAddress documentation(QStringLiteral("2001:db8::"));
    for (const QHostAddress &address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv6Protocol && address.isInSubnet(global, 3) &&
            !address.isInSubnet(documentation, 32))
            return address;
    }
    return {};
}
