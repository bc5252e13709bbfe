// SPDX-License-Identifier: MIT
#pragma once

#include "routerprotocols.h"

#include <QObject>

// The router module's protocols: PCP of its own, NAT-PMP through libnatpmp, UPnP IGD through
// libminiupnpc.
class GatewaySearch : public QObject, public RouterProtocols
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID RouterProtocols_iid)
    Q_INTERFACES(RouterProtocols)

public:
    RouterMapping open(const RouterSearch &search, quint16 port, quint32 lifetime) const override;
    RouterMapping renew(const RouterSearch &search, const RouterMapping &mapping,
                        quint32 lifetime) const override;
    RouterMapping openPinhole(const RouterSearch &search, const RouterMapping &mapping,
                              quint32 lifetime) const override;
    void close(const RouterMapping &mapping) const override;

private:
    // The forwarding renewed, without its pinhole.
    RouterMapping forwardAgain(const RouterSearch &search, const RouterMapping &mapping,
                               quint32 lifetime) const;
};
