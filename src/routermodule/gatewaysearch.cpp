// SPDX-License-Identifier: MIT
#include "gatewaysearch.h"

#include "natpmpgateway.h"
#include "pcpgateway.h"
#include "upnpgateway.h"

#include <QRandomGenerator>

namespace {

using Outcome = RouterMapping::Outcome;
using Protocol = RouterMapping::Protocol;

QDeadlineTimer portControlDeadline()
{
    return QDeadlineTimer(RouterSearch::PortControlMs);
}

// PCP, or NAT-PMP where the router speaks only that; a mapping NAT-PMP made is renewed through
// NAT-PMP alone (pcp false).
RouterMapping askPortControl(const QHostAddress &router, quint16 port, quint32 lifetime,
                             const QByteArray &nonce, bool pcp)
{
    const QDeadlineTimer deadline = portControlDeadline();
    RouterMapping mapping;
    mapping.outcome = Outcome::Refused;
    mapping.code = PcpGateway::UnsupportedVersion;
    if (pcp)
        mapping = PcpGateway(router).map(port, lifetime, nonce, deadline);
    if (mapping.outcome == Outcome::Refused && mapping.code == PcpGateway::UnsupportedVersion)
        mapping = NatPmpGateway(router).map(port, lifetime, deadline);
    return mapping;
}

QByteArray newNonce()
{
    QByteArray nonce(12, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(nonce.data()), 3);
    return nonce;
}

}  // namespace

RouterMapping GatewaySearch::open(const RouterSearch &search, quint16 port, quint32 lifetime) const
{
    RouterMapping mapping;
    mapping.port = port;
    const QHostAddress router = search.portControlRouter.isNull() ? NatPmpGateway::defaultRouter()
                                                                  : search.portControlRouter;
    if ((search.findsBoth() || !search.portControlRouter.isNull()) && !router.isNull()) {
        mapping = askPortControl(router, port, lifetime, newNonce(), true);
        if (mapping.outcome != Outcome::NoAnswer)
            return mapping;
    }
    if (search.findsBoth() || !search.upnpDescription.isEmpty())
        mapping = UpnpGateway(search.upnpDescription).map(port, lifetime, QDeadlineTimer::Forever);
    return mapping;
}

RouterMapping GatewaySearch::renew(const RouterSearch &search, const RouterMapping &mapping,
                                   quint32 lifetime) const
{
    RouterMapping renewed = forwardAgain(search, mapping, lifetime);
    if (!renewed.isOpen() || mapping.pinhole.isEmpty())
        return renewed;
    if (!UpnpGateway::renewPinhole(mapping, lifetime))
        return openPinhole(search, renewed, lifetime);
    renewed.ipv6 = mapping.ipv6;
    renewed.pinholeControlUrl = mapping.pinholeControlUrl;
    renewed.pinholeServiceType = mapping.pinholeServiceType;
    renewed.pinhole = mapping.pinhole;
    return renewed;
}

RouterMapping GatewaySearch::forwardAgain(const RouterSearch &search, const RouterMapping &mapping,
                                          quint32 lifetime) const
{
    if (mapping.protocol == Protocol::Pcp || mapping.protocol == Protocol::NatPmp) {
        RouterMapping renewed = askPortControl(mapping.gateway, mapping.port, lifetime,
                                               mapping.nonce, mapping.protocol == Protocol::Pcp);
        if (renewed.isOpen())
            return renewed;
    } else if (mapping.protocol == Protocol::Upnp && UpnpGateway::renew(mapping)) {
        RouterMapping renewed = mapping;
        renewed.pinhole.clear();
        return renewed;
    }
    return open(search, mapping.port, lifetime);
}

RouterMapping GatewaySearch::openPinhole(const RouterSearch &search, const RouterMapping &mapping,
                                         quint32 lifetime) const
{
    return UpnpGateway::openPinhole(search.ipv6, mapping, lifetime);
}

void GatewaySearch::close(const RouterMapping &mapping) const
{
    UpnpGateway::closePinhole(mapping);
    if (mapping.protocol == Protocol::Pcp)
        PcpGateway(mapping.gateway).map(mapping.port, 0, mapping.nonce, portControlDeadline());
    else if (mapping.protocol == Protocol::NatPmp)
        NatPmpGateway(mapping.gateway).map(mapping.port, 0, portControlDeadline());
    else if (mapping.protocol == Protocol::Upnp)
        UpnpGateway::unmap(mapping);
}
