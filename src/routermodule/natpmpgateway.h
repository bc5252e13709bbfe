// SPDX-License-Identifier: MIT
// NAT-PMP (RFC 6886) through libnatpmp: the router's outside address, then a TCP mapping of the
// port to the same port outside. Blocking: runs off the GUI thread, and waits no longer than it
// is given. libnatpmp asks again after 250 ms, then doubling.
#pragma once

#include "routermapping.h"

#include <QDeadlineTimer>

class NatPmpGateway
{
public:
    // gateway: the router to ask; a null address asks the default route's.
    explicit NatPmpGateway(const QHostAddress &gateway) : m_gateway(gateway) {}

    // Asks for the port for lifetime seconds (0 deletes the mapping).
    RouterMapping map(quint16 port, quint32 lifetime, QDeadlineTimer deadline) const;
    // The default route's router, as libnatpmp finds it; null when there is none.
    static QHostAddress defaultRouter();

private:
    QHostAddress m_gateway;
};
