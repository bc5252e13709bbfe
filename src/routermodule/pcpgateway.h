// SPDX-License-Identifier: MIT
// PCP (RFC 6887), the successor of NAT-PMP on the same UDP port 5351: one MAP request for the
// port over TCP, the same port outside, which a PCP router answers with the mapping and its own
// outside address at once. A NAT-PMP router answers it with version 0 and "unsupported version".
// Blocking: runs off the GUI thread. Asked again after 250 ms, then doubling, as libnatpmp does.
//
// MAP request, 60 bytes:  2 | 1 | 0 0 | lifetime(4) | client address(16, IPv4-mapped)
//                         nonce(12) | 6 (TCP) | 0 0 0 | port(2) | port(2) | ::ffff:0.0.0.0(16)
// Answer, 60 bytes:       2 | 0x81 | 0 | result | lifetime(4) | epoch(4) | 0(12)
//                         nonce(12) | 6 | 0 0 0 | port(2) | outside port(2) | outside address(16)
#pragma once

#include "routermapping.h"

#include <QDeadlineTimer>

class PcpGateway
{
public:
    explicit PcpGateway(const QHostAddress &router) : m_router(router) {}

    // Asks for the port for lifetime seconds (0 deletes the mapping made with the same nonce).
    // A router that speaks NAT-PMP only gives the outcome Refused with code UnsupportedVersion.
    RouterMapping map(quint16 port, quint32 lifetime, const QByteArray &nonce,
                      QDeadlineTimer deadline) const;

    static constexpr int UnsupportedVersion = 1;

private:
    QHostAddress m_router;
};
