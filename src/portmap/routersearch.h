// SPDX-License-Identifier: MIT
// Which router to ask, and how long answers are waited for.
#pragma once

#include <QByteArray>
#include <QHostAddress>

struct RouterSearch
{
    // How long PCP's or NAT-PMP's answer is waited for: a request and two more, 250 ms and
    // 750 ms after it. A router on the home network answers within milliseconds.
    static constexpr int PortControlMs = 1000;
    // How long a UPnP router's SSDP answers are waited for: as long as libminiupnpc's own client
    // waits.
    static constexpr int DiscoveryMs = 2000;

    // Where tests name the router: the PCP and NAT-PMP router's address and the UPnP router's
    // description URL. When either is named only the named ones are asked; by default both are
    // found, through the default route and SSDP.
    QHostAddress portControlRouter;
    QByteArray upnpDescription;
    // This computer's global IPv6 address, to ask the router's IPv6 firewall for; null for none.
    QHostAddress ipv6;

    bool findsBoth() const { return portControlRouter.isNull() && upnpDescription.isEmpty(); }
};
