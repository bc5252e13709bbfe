// SPDX-License-Identifier: MIT
// UPnP IGD through libminiupnpc: the router is found by SSDP (or named by the address of its
// description), asked for its outside address, then for a TCP port mapping of the port to the
// same port outside. Blocking: runs off the GUI thread. Discovery waits its whole time for
// answers; each SOAP request waits for its answer as libminiupnpc does.
#pragma once

#include "routermapping.h"

#include <QDeadlineTimer>

class UpnpGateway
{
public:
    // description: the router's root description URL; empty finds the router by SSDP.
    explicit UpnpGateway(const QByteArray &description) : m_description(description) {}

    RouterMapping map(quint16 port, quint32 lifetime, QDeadlineTimer deadline) const;
    // Asks the router that made the mapping for it again; false when it did not answer yes.
    static bool renew(const RouterMapping &mapping);
    static void unmap(const RouterMapping &mapping);
    // The router found by SSDP over IPv6 is asked to let callers from anywhere through its IPv6
    // firewall to this computer's port: the mapping with the pinhole, or as it was. A router
    // takes this only from the address the hole is for, so it is asked over IPv6.
    static RouterMapping openPinhole(const QHostAddress &ipv6, RouterMapping mapping,
                                     quint32 lifetime);
    static bool renewPinhole(const RouterMapping &mapping, quint32 lifetime);
    static void closePinhole(const RouterMapping &mapping);

private:
    QByteArray m_description;
};
