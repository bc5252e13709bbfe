// SPDX-License-Identifier: MIT
#include "listener.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

// Bytes a caller may send before it is accepted; the rest waits in the system (TCP flow control).
constexpr qint64 RequestReadBufferBytes = 1024 * 1024;

}  // namespace

Listener::Listener(QObject *parent) : QObject(parent), m_server(new QTcpServer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &Listener::takeCallers);
}

Listener::~Listener()
{
    for (QTcpSocket *socket : std::as_const(m_requests)) turnAway(socket);
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

QTcpSocket *Listener::take(int requestId)
{
    QTcpSocket *socket = m_requests.take(requestId);
    if (socket)
        socket->setParent(nullptr);
    return socket;
}

QString Listener::address(int requestId) const
{
    const QTcpSocket *socket = m_requests.value(requestId);
    if (!socket)
        return {};
    QHostAddress address = socket->peerAddress();
    bool mapped = false;
    const quint32 ipv4 = address.toIPv4Address(&mapped);
    if (mapped)
        address = QHostAddress(ipv4);  // an IPv4 caller on the dual-stack listener
    return address.toString();
}

QByteArray Listener::firstBytes(int requestId, qint64 count) const
{
    QTcpSocket *socket = m_requests.value(requestId);
    if (!socket)
        return {};
    if (socket->bytesAvailable() < count)
        socket->waitForReadyRead(0);  // what has arrived and the event loop has not seen yet
    return socket->peek(count);
}

void Listener::takeCallers()
{
    while (m_server->hasPendingConnections()) {
        QTcpSocket *socket = m_server->nextPendingConnection();
        socket->setParent(this);
        if (m_deciding || m_busy) {
            turnAway(socket);
            continue;
        }
        socket->setReadBufferSize(RequestReadBufferBytes);
        const int requestId = ++m_nextId;
        m_requests.insert(requestId, socket);

        m_deciding = true;
        Q_EMIT requestArrived(requestId);
        m_deciding = false;

        if (QTcpSocket *refused = m_requests.take(requestId))
            turnAway(refused);
    }
}

// Drops a caller at once and lets the socket go once its signals have been delivered.
void Listener::turnAway(QTcpSocket *socket)
{
    socket->abort();
    socket->deleteLater();
}
