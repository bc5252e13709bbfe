// SPDX-License-Identifier: MIT
#include "routersearch.h"

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

// PCP, or NAT-PMP where the router speaks only that.
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

RouterMapping RouterSearch::open(quint16 port, quint32 lifetime) const
{
    RouterMapping mapping;
    mapping.port = port;
    const QHostAddress router =
        portControlRouter.isNull() ? NatPmpGateway::defaultRouter() : portControlRouter;
    if ((bothFound() || !portControlRouter.isNull()) && !router.isNull()) {
        mapping = askPortControl(router, port, lifetime, newNonce(), pcp);
        if (mapping.outcome != Outcome::NoAnswer)
            return mapping;
    }
    if (bothFound() || !upnpDescription.isEmpty())
        mapping = UpnpGateway(upnpDescription).map(port, lifetime, QDeadlineTimer::Forever);
    return mapping;
}

RouterMapping RouterSearch::renew(const RouterMapping &mapping, quint32 lifetime) const
{
    if (mapping.protocol == Protocol::Pcp || mapping.protocol == Protocol::NatPmp) {
        RouterMapping renewed = askPortControl(mapping.gateway, mapping.port, lifetime,
                                               mapping.nonce, mapping.protocol == Protocol::Pcp);
        if (renewed.isOpen())
            return renewed;
    } else if (mapping.protocol == Protocol::Upnp && UpnpGateway::renew(mapping)) {
        return mapping;
    }
    return open(mapping.port, lifetime);
}

void RouterSearch::close(const RouterMapping &mapping)
{
    if (mapping.protocol == Protocol::Pcp)
        PcpGateway(mapping.gateway).map(mapping.port, 0, mapping.nonce, portControlDeadline());
    else if (mapping.protocol == Protocol::NatPmp)
        NatPmpGateway(mapping.gateway).map(mapping.port, 0, portControlDeadline());
    else if (mapping.protocol == Protocol::Upnp)
        UpnpGateway::unmap(mapping);
}
