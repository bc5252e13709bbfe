// SPDX-License-Identifier: MIT
// Asks routers to forward a port: PCP first, then NAT-PMP when the router answers that it speaks
// only that, since such a router answers within milliseconds; then UPnP IGD, whose discovery
// waits for answers. The first protocol a router answers wins, whether it says yes or no.
//
// It lives in a module of its own, with libminiupnpc and libnatpmp, which RouterProtocolsLoader
// loads when the user first asks for the port: a program that never does never loads them.
// Every call blocks, and is made off the GUI thread, several at a time.
#pragma once

#include "routermapping.h"
#include "routersearch.h"

#include <QtPlugin>

class RouterProtocols
{
public:
    virtual ~RouterProtocols() = default;

    virtual RouterMapping open(const RouterSearch &search, quint16 port,
                               quint32 lifetime) const = 0;
    // Asks the router that holds the mapping for it again, or, when it has forgotten it (it
    // restarted, or its address changed), searches anew.
    virtual RouterMapping renew(const RouterSearch &search, const RouterMapping &mapping,
                                quint32 lifetime) const = 0;
    // Asks the router, found over IPv6 from search.ipv6, to let callers through its IPv6
    // firewall to the mapping's port: the mapping with its pinhole, or as it was.
    virtual RouterMapping openPinhole(const RouterSearch &search, const RouterMapping &mapping,
                                      quint32 lifetime) const = 0;
    // Deletes the mapping, and its pinhole, on its router.
    virtual void close(const RouterMapping &mapping) const = 0;
};

#define RouterProtocols_iid "org.parlino.RouterProtocols/1"
Q_DECLARE_INTERFACE(RouterProtocols, RouterProtocols_iid)
