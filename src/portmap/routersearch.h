// SPDX-License-Identifier: MIT
// Which router to ask and how: PCP first, then NAT-PMP when the router answers that it speaks
// only that, since such a router answers within milliseconds; then UPnP IGD, whose discovery
// waits for answers. The first protocol a router answers wins, whether it says yes or no.
// Blocking: runs off the GUI thread.
#pragma once

#include "routermapping.h"

#include <QDeadlineTimer>

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
    // Tests turn PCP off to speak NAT-PMP to a router that speaks both.
    bool pcp = true;

    RouterMapping open(quint16 port, quint32 lifetime) const;
    // Asks the router that holds the mapping for it again, or, when it has forgotten it (it
    // restarted, or its address changed), searches anew.
    RouterMapping renew(const RouterMapping &mapping, quint32 lifetime) const;
    // Deletes the mapping on its router.
    static void close(const RouterMapping &mapping);

private:
    bool bothFound() const { return portControlRouter.isNull() && upnpDescription.isEmpty(); }
};
