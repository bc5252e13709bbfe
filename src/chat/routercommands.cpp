// SPDX-License-Identifier: MIT
#include "routercommands.h"

#include "chatview.h"
#include "outsideaddress.h"
#include "routerport.h"
#include "winsock.h"

#include <utility>

using Outcome = RouterMapping::Outcome;

void RouterCommands::CommOpenPortOnRouter(bool on)
{
    const int port = m_socket.LocalPort();
    if (!on) {
        m_closing = !m_router.isOff();
        m_router.close();
        return;
    }
    m_view.appendLine(tr("Asking the router to forward port %1 to this computer.").arg(port));
    m_router.open(quint16(port));
    const QHostAddress ipv6 = OutsideAddress::globalIpv6();
    if (!ipv6.isNull()) {
        m_view.appendLine(tr("This computer's IPv6 address %1 can be called directly at port %2, "
                             "unless a firewall turns callers away.")
                              .arg(ipv6.toString())
                              .arg(port));
    }
}

void RouterCommands::showAnswer(const RouterMapping &mapping)
{
    if (!mapping.isOpen()) {
        m_view.showPortOnRouter(false);
        m_view.appendLine(whyNotOpen(mapping));
    } else if (OutsideAddress::isPublic(mapping.outside)) {
        m_view.appendLine(tr("Callers on the internet can reach this computer at %1, port %2, "
                             "until Parlino closes.")
                              .arg(mapping.outside.toString())
                              .arg(mapping.port));
    } else {
        //: A carrier-grade NAT: the internet provider's own router, shared by many customers.
        m_view.appendLine(tr("The router forwards port %2, but its own internet address %1 is "
                             "private or shared: a carrier-grade NAT beyond it turns callers "
                             "from the internet away. Ask your internet provider for a public "
                             "address.")
                              .arg(mapping.outside.toString())
                              .arg(mapping.port));
    }
}

void RouterCommands::showPinhole(const RouterMapping &mapping)
{
    m_view.appendLine(tr("The router's firewall lets callers through to this computer's IPv6 "
                         "address %1, port %2, until Parlino closes.")
                          .arg(mapping.ipv6.toString())
                          .arg(mapping.port));
}

void RouterCommands::showLoss(const RouterMapping &mapping)
{
    m_view.showPortOnRouter(false);
    m_view.appendLine(tr("The router stopped forwarding port %1 and would not forward it again: "
                         "callers on the internet cannot reach this computer.")
                          .arg(mapping.port));
}

void RouterCommands::showClosed()
{
    if (!std::exchange(m_closing, false))
        return;
    m_view.appendLine(
        tr("The router no longer forwards port %1 to this computer.").arg(m_socket.LocalPort()));
}

QString RouterCommands::whyNotOpen(const RouterMapping &mapping) const
{
    const QString protocol = protocolName(mapping.protocol);
    switch (mapping.outcome) {
        case Outcome::Open:
            break;
        case Outcome::NoAnswer:
            return tr("No router answered within %1 seconds: port %2 is not open to callers on the "
                      "internet.")
                .arg((RouterSearch::PortControlMs + RouterSearch::DiscoveryMs) / 1000)
                .arg(mapping.port);
        case Outcome::InUse:
            return tr("The router refused to forward port %1: it forwards that port to another "
                      "computer already.")
                .arg(mapping.port);
        case Outcome::Refused:
            //: %2 is the protocol (UPnP, NAT-PMP), %3 the router's error number.
            return tr("The router refused to forward port %1 (%2 error %3).")
                .arg(mapping.port)
                .arg(protocol)
                .arg(mapping.code);
        case Outcome::Unreadable:
            //: %2 is the protocol (UPnP, NAT-PMP).
            return tr("The router's answer could not be read (%2): port %1 is not open.")
                .arg(mapping.port)
                .arg(protocol);
        case Outcome::BadOutside:
            return tr("The router reported an outside address that is not an address (%2): port %1 "
                      "is not open.")
                .arg(mapping.port)
                .arg(protocol);
        case Outcome::NoModule:
            return tr("Parlino's module for routers could not be loaded: port %1 is not open.")
                .arg(mapping.port);
        case Outcome::TooSlow:
            return tr("The router did not finish answering within %1 seconds: port %2 is not open.")
                .arg(RouterPort::AnswerLimitMs / 1000)
                .arg(mapping.port);
    }
    return {};
}
