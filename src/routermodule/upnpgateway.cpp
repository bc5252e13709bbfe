// SPDX-License-Identifier: MIT
#include "upnpgateway.h"

#include "routersearch.h"

#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>

#include <algorithm>

namespace {

using Outcome = RouterMapping::Outcome;

// A router that keeps no mapping for a limited time answers with this error.
constexpr int OnlyPermanentLeasesSupported = 725;
// The port is forwarded to another computer.
constexpr int ConflictInMappingEntry = 718;
constexpr char Description[] = "Parlino";
constexpr char Tcp[] = "TCP";

// The router's control point, found or named, and this computer's address towards it.
struct Igd
{
    UPNPUrls urls{};
    IGDdatas data{};
    char lanAddress[64] = {};
    bool found = false;

    Igd(const QByteArray &description, const QDeadlineTimer &deadline, bool ipv6 = false)
    {
        if (!description.isEmpty()) {
            found = UPNP_GetIGDFromUrl(description.constData(), &urls, &data, lanAddress,
                                       sizeof lanAddress) == 1;
            return;
        }
        int error = 0;
        const int wait = int(std::min<qint64>(RouterSearch::DiscoveryMs, deadline.remainingTime()));
        UPNPDev *devices =
            upnpDiscover(std::max(wait, 1), nullptr, nullptr, 0, ipv6 ? 1 : 0, 2, &error);
        // 1: a connected IGD; 2: an IGD that says it is not connected, whose outside address
        // still tells why.
        const int kind = UPNP_GetValidIGD(devices, &urls, &data, lanAddress, sizeof lanAddress);
        freeUPNPDevlist(devices);
        found = kind == 1 || kind == 2;
    }
    ~Igd() { FreeUPNPUrls(&urls); }
    Igd(const Igd &) = delete;
    Igd &operator=(const Igd &) = delete;
};

int addMapping(const RouterMapping &mapping, quint32 lifetime)
{
    const QByteArray port = QByteArray::number(mapping.port);
    return UPNP_AddPortMapping(mapping.controlUrl.constData(), mapping.serviceType.constData(),
                               port.constData(), port.constData(),
                               mapping.internalClient.constData(), Description, Tcp, nullptr,
                               QByteArray::number(lifetime).constData());
}

// The outcome of an AddPortMapping's result, other than success.
Outcome failure(int result)
{
    if (result == ConflictInMappingEntry)
        return Outcome::InUse;
    if (result > 0)
        return Outcome::Refused;
    return result == UPNPCOMMAND_HTTP_ERROR ? Outcome::NoAnswer : Outcome::Unreadable;
}

}  // namespace

RouterMapping UpnpGateway::map(quint16 port, quint32 lifetime, QDeadlineTimer deadline) const
{
    RouterMapping mapping;
    mapping.protocol = RouterMapping::Protocol::Upnp;
    mapping.port = port;
    const Igd igd(m_description, deadline);
    if (!igd.found)
        return mapping;
    mapping.controlUrl = igd.urls.controlURL;
    mapping.serviceType = igd.data.first.servicetype;
    mapping.internalClient = igd.lanAddress;

    char outside[40] = {};
    int result = UPNP_GetExternalIPAddress(mapping.controlUrl.constData(),
                                           mapping.serviceType.constData(), outside);
    if (result != UPNPCOMMAND_SUCCESS) {
        mapping.outcome = failure(result);
        mapping.code = result;
        return mapping;
    }
    result = addMapping(mapping, lifetime);
    if (result == OnlyPermanentLeasesSupported) {
        // Kept until deleted, or the router restarts.
        lifetime = 0;
        result = addMapping(mapping, lifetime);
    }
    if (result != UPNPCOMMAND_SUCCESS) {
        mapping.outcome = failure(result);
        mapping.code = result;
        return mapping;
    }
    mapping.lifetime = lifetime;
    mapping.outside = QHostAddress(QString::fromLatin1(outside));
    mapping.outcome = mapping.outside.protocol() == QAbstractSocket::IPv4Protocol
                          ? Outcome::Open
                          : Outcome::BadOutside;
    if (mapping.outcome == Outcome::BadOutside)
        unmap(mapping);
    return mapping;
}

bool UpnpGateway::renew(const RouterMapping &mapping)
{
    return addMapping(mapping, mapping.lifetime) == UPNPCOMMAND_SUCCESS;
}

void UpnpGateway::unmap(const RouterMapping &mapping)
{
    UPNP_DeletePortMapping(mapping.controlUrl.constData(), mapping.serviceType.constData(),
                           QByteArray::number(mapping.port).constData(), Tcp, nullptr);
}

RouterMapping UpnpGateway::openPinhole(const QHostAddress &ipv6, RouterMapping mapping,
                                       quint32 lifetime)
{
    const Igd igd({}, QDeadlineTimer(RouterSearch::DiscoveryMs), true);
    const QByteArray client = ipv6.toString().toLatin1();
    // The router must see the request come from the address the hole is for.
    if (!igd.found || igd.data.IPv6FC.servicetype[0] == '\0' || client != igd.lanAddress)
        return mapping;
    char id[8] = {};
    const QByteArray port = QByteArray::number(mapping.port);
    // From any address and port outside, to this computer's port, over TCP (protocol 6).
    if (UPNP_AddPinhole(igd.urls.controlURL_6FC, igd.data.IPv6FC.servicetype, "", "0",
                        client.constData(), port.constData(), "6",
                        QByteArray::number(lifetime).constData(), id) != UPNPCOMMAND_SUCCESS ||
        id[0] == '\0')
        return mapping;
    mapping.ipv6 = ipv6;
    mapping.pinholeControlUrl = igd.urls.controlURL_6FC;
    mapping.pinholeServiceType = igd.data.IPv6FC.servicetype;
    mapping.pinhole = id;
    return mapping;
}

bool UpnpGateway::renewPinhole(const RouterMapping &mapping, quint32 lifetime)
{
    return UPNP_UpdatePinhole(mapping.pinholeControlUrl.constData(),
                              mapping.pinholeServiceType.constData(), mapping.pinhole.constData(),
                              QByteArray::number(lifetime).constData()) == UPNPCOMMAND_SUCCESS;
}

void UpnpGateway::closePinhole(const RouterMapping &mapping)
{
    if (!mapping.pinhole.isEmpty())
        UPNP_DeletePinhole(mapping.pinholeControlUrl.constData(),
                           mapping.pinholeServiceType.constData(), mapping.pinhole.constData());
}
