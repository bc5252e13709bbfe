// SPDX-License-Identifier: MIT
// What a router answered when asked to forward the listening port: whether the port is open and
// through which protocol, the router's outside address as it reported it, for how long, or why
// not. Nothing the router sent is kept as text: only what was checked (an address, a number).
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <QtGlobal>

struct RouterMapping
{
    enum class Outcome {
        Open,        // forwarded; outside is the router's own report
        NoAnswer,    // no router answered in time
        Refused,     // a router answered, and said no (code)
        InUse,       // the port is forwarded to another computer already
        Unreadable,  // a router answered with what is no valid answer
        BadOutside,  // the outside address reported is not an address: given back
        TooSlow,     // a router began to answer, and did not finish in time
        NoModule,    // the module that speaks to routers could not be loaded
    };
    enum class Protocol { None, Pcp, NatPmp, Upnp };

    Outcome outcome = Outcome::NoAnswer;
    Protocol protocol = Protocol::None;
    quint16 port = 0;
    QHostAddress outside;
    // Seconds the router keeps the forwarding; 0 for as long as it runs.
    quint32 lifetime = 0;
    int code = 0;  // the router's error code, for Refused
    // Where a UPnP router takes its requests, to renew and delete with.
    QByteArray controlUrl;
    QByteArray serviceType;
    QByteArray internalClient;
    // The hole a UPnP router opened in its IPv6 firewall for the port, asked for over IPv6 from
    // this computer's address: where to renew and delete it, and the router's name for it;
    // empty when there is none.
    QHostAddress ipv6;
    QByteArray pinholeControlUrl;
    QByteArray pinholeServiceType;
    QByteArray pinhole;
    // The router the port-control protocols spoke to, and PCP's nonce for this mapping.
    QHostAddress gateway;
    QByteArray nonce;

    bool isOpen() const { return outcome == Outcome::Open; }
};

// The protocol's name as routers' manuals write it; never translated.
QString protocolName(RouterMapping::Protocol protocol);
