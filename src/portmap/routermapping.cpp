// SPDX-License-Identifier: MIT
#include "routermapping.h"

QString protocolName(RouterMapping::Protocol protocol)
{
    switch (protocol) {
        case RouterMapping::Protocol::Pcp:
            return QStringLiteral("PCP");
        case RouterMapping::Protocol::NatPmp:
            return QStringLiteral("NAT-PMP");
        case RouterMapping::Protocol::Upnp:
            return QStringLiteral("UPnP");
        case RouterMapping::Protocol::None:
            break;
    }
    return {};
}
