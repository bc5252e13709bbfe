// SPDX-License-Identifier: MIT
#include "listener.h"

#include "incomingcall.h"

#include <QTcpServer>
#include <QTcpSocket>

Listener::Listener(QObject *parent) : QObject(parent), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &Listener::takeCallers);
}

Listener::~Listener()
{
    qDeleteAll(m_requests);  // each caller sees its connection end
}

bool Listener::listen(quint16 port)
{
    return m_server->listen(QHostAddress::Any, port);
}

void Listener::close()
{
    m_server->close();
}

bool Listener::isListening() const
{
    return m_server->isListening();
}

quint16 Listener::port() const
{
    return m_server->serverPort();
}

bool Listener::portInUse() const
{
    return m_server->serverError() == QAbstractSocket::AddressInUseError;
}

QString Listener::errorString() const
{
    return m_server->errorString();
}

IncomingCall *Listener::take(int requestId)
{
    IncomingCall *call = m_requests.take(requestId);
    if (call)
        call->setParent(nullptr);
    return call;
}

void Listener::takeCallers()
{
    while (m_server->hasPendingConnections()) {
        auto *call = new IncomingCall(m_server->nextPendingConnection(), this);
        const QString address = call->address();
        // Every call counts, also one turned away for another reason.
        const auto verdict = m_rateLimit.count(address);
        if (verdict != CallerRateLimit::Verdict::Take || m_busy || !m_requests.isEmpty()) {
            delete call;  // turned away
            if (verdict == CallerRateLimit::Verdict::TurnAwayAndTell)
                Q_EMIT callerTurnedAway(address);
            continue;
        }
        const int requestId = ++m_nextId;
        m_requests.insert(requestId, call);
        connect(call, &IncomingCall::hungUp, this, [this, requestId] { withdraw(requestId); });
        Q_EMIT requestArrived(requestId);
    }
}

void Listener::withdraw(int requestId)
{
    IncomingCall *call = m_requests.take(requestId);
    if (!call)
        return;
    const QString address = call->address();
    call->deleteLater();  // from its own signal
    Q_EMIT requestWithdrawn(requestId, address);
}
