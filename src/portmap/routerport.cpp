// SPDX-License-Identifier: MIT
#include "routerport.h"

#include "outsideaddress.h"
#include "routerprotocols.h"

#include <algorithm>
#include <mutex>
#include <thread>
#include <utility>

// Where a request's thread leaves its result: the port, while it lives.
struct RouterPort::Mailbox
{
    std::mutex mutex;
    RouterPort *port = nullptr;
};

RouterPort::RouterPort(QObject *parent) : QObject(parent), m_mailbox(std::make_shared<Mailbox>())
{
    m_mailbox->port = this;
    m_renewal.setSingleShot(true);
    m_limit.setSingleShot(true);
    m_limit.setInterval(AnswerLimitMs);
    connect(&m_renewal, &QTimer::timeout, this, &RouterPort::renew);
    connect(&m_limit, &QTimer::timeout, this, &RouterPort::giveUp);
}

RouterPort::~RouterPort()
{
    const std::lock_guard lock(m_mailbox->mutex);
    m_mailbox->port = nullptr;
}

void RouterPort::open(quint16 port)
{
    if (m_state != State::Off)
        return;
    m_port = port;
    m_protocols = m_loader.protocols();
    if (!m_protocols) {
        RouterMapping mapping;
        mapping.outcome = RouterMapping::Outcome::NoModule;
        mapping.port = port;
        return Q_EMIT answered(mapping);
    }
    m_state = State::Opening;
    const RouterProtocols *protocols = m_protocols;
    m_search.ipv6 = OutsideAddress::globalIpv6();
    const RouterSearch search = m_search;
    start([protocols, search, port] { return protocols->open(search, port, LeaseSeconds); },
          &RouterPort::opened);
}

void RouterPort::close()
{
    m_renewal.stop();
    if (m_state == State::Opening || m_state == State::Off) {
        // An answer still to come is deleted when it comes.
        m_state = State::Off;
        ++m_request;
        m_limit.stop();
        Q_EMIT closed();
        return;
    }
    if (m_state == State::Closing)
        return;
    m_state = State::Closing;
    const RouterMapping mapping = m_mapping;
    const RouterProtocols *protocols = m_protocols;
    start(
        [protocols, mapping] {
            protocols->close(mapping);
            RouterMapping gone = mapping;
            gone.outcome = RouterMapping::Outcome::NoAnswer;
            return gone;
        },
        &RouterPort::deleted);
}

void RouterPort::renew()
{
    if (m_state != State::Open)
        return;
    m_state = State::Renewing;
    const RouterProtocols *protocols = m_protocols;
    const RouterSearch search = m_search;
    const RouterMapping mapping = m_mapping;
    start([protocols, search, mapping] { return protocols->renew(search, mapping, LeaseSeconds); },
          &RouterPort::renewed);
}

void RouterPort::start(std::function<RouterMapping()> work, Handler done)
{
    const int request = ++m_request;
    m_limit.start();
    std::thread([mailbox = m_mailbox, work = std::move(work), done, request] {
        const RouterMapping result = work();
        const std::lock_guard lock(mailbox->mutex);
        if (RouterPort *port = mailbox->port) {
            QMetaObject::invokeMethod(
                port,
                [port, result, done, request] {
                    if (request != port->m_request)
                        return port->deleteLate(result);
                    port->m_limit.stop();
                    (port->*done)(result);
                },
                Qt::QueuedConnection);
        }
    }).detach();
}

void RouterPort::giveUp()
{
    ++m_request;
    RouterMapping mapping = m_mapping;
    mapping.port = m_port;
    const State state = std::exchange(m_state, State::Off);
    mapping.outcome = RouterMapping::Outcome::TooSlow;
    if (state == State::Piercing)  // the forwarding stands; only the pinhole was given up
        m_state = State::Open;
    if (state == State::Opening)
        Q_EMIT answered(mapping);
    else if (state == State::Renewing)
        Q_EMIT lost(mapping);
    else if (state == State::Closing)
        Q_EMIT closed();
}

void RouterPort::opened(const RouterMapping &mapping)
{
    hold(mapping);
    Q_EMIT answered(mapping);
    if (m_state != State::Open || m_search.ipv6.isNull())
        return;
    // The forwarding is told first: asking over IPv6 waits for discovery once more.
    m_state = State::Piercing;
    const RouterProtocols *protocols = m_protocols;
    const RouterSearch search = m_search;
    start([protocols, search,
           mapping] { return protocols->openPinhole(search, mapping, LeaseSeconds); },
          &RouterPort::pierced);
}

void RouterPort::pierced(const RouterMapping &mapping)
{
    m_mapping = mapping;
    m_state = State::Open;
    if (!mapping.pinhole.isEmpty())
        Q_EMIT pinholeOpened(mapping);
}

void RouterPort::renewed(const RouterMapping &mapping)
{
    if (!mapping.isOpen()) {
        m_state = State::Off;
        return Q_EMIT lost(mapping);
    }
    // Callers need to hear of a new address only.
    const bool moved = mapping.outside != m_mapping.outside;
    hold(mapping);
    if (moved)
        Q_EMIT answered(mapping);
}

void RouterPort::hold(const RouterMapping &mapping)
{
    m_mapping = mapping;
    m_state = mapping.isOpen() ? State::Open : State::Off;
    if (!mapping.isOpen())
        return;
    // Renewed at half the lease; a lease for as long as the router runs is asked for again as
    // often, which finds out when the router has restarted.
    const quint32 lease =
        mapping.lifetime == 0 ? LeaseSeconds : std::min(mapping.lifetime, LeaseSeconds);
    m_renewal.start(std::max<int>(int(lease / 2), 1) * 1000);
}

void RouterPort::deleted(const RouterMapping &)
{
    m_state = State::Off;
    Q_EMIT closed();
}

void RouterPort::deleteLate(const RouterMapping &mapping)
{
    if (!mapping.isOpen())
        return;
    std::thread([protocols = m_protocols, mapping] { protocols->close(mapping); }).detach();
}
