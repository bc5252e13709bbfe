// SPDX-License-Identifier: MIT
#include "routersearch.h"

#include "natpmpgateway.h"
#include "upnpgateway.h"

namespace {

using Outcome = RouterMapping::Outcome;
using Protocol = RouterMapping::Protocol;

QDeadlineTimer portControlDeadline()
{
    return QDeadlineTimer(RouterSearch::PortControlMs);
}

}  // namespace

RouterMapping RouterSearch::open(quint16 port, quint32 lifetime) const
{
    RouterMapping mapping;
    mapping.port = port;
    if (bothFound() || !portControlRouter.isNull()) {
        mapping = NatPmpGateway(portControlRouter).map(port, lifetime, portControlDeadline());
        if (mapping.outcome != Outcome::NoAnswer)
            return mapping;
    }
    if (bothFound() || !upnpDescription.isEmpty())
        mapping = UpnpGateway(upnpDescription).map(port, lifetime, QDeadlineTimer::Forever);
    return mapping;
}

RouterMapping RouterSearch::renew(const RouterMapping &mapping, quint32 lifetime) const
{
    if (mapping.protocol == Protocol::NatPmp) {
        RouterMapping renewed =
            NatPmpGateway(mapping.gateway).map(mapping.port, lifetime, portControlDeadline());
        if (renewed.isOpen())
            return renewed;
    } else if (mapping.protocol == Protocol::Upnp && UpnpGateway::renew(mapping)) {
        return mapping;
    }
    return open(mapping.port, lifetime);
}

void RouterSearch::close(const RouterMapping &mapping)
{
    if (mapping.protocol == Protocol::NatPmp)
        NatPmpGateway(mapping.gateway).map(mapping.port, 0, portControlDeadline());
    else if (mapping.protocol == Protocol::Upnp)
        UpnpGateway::unmap(mapping);
}
