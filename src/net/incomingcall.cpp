// SPDX-License-Identifier: MIT
#include "incomingcall.h"

#include "tcpsystem.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace {

// Bytes a caller may send before it is accepted; the rest waits in the system (TCP flow control).
constexpr qint64 ReadBufferBytes = 1024 * 1024;

}  // namespace

IncomingCall::IncomingCall(QTcpSocket *socket, QObject *parent)
    : QObject(parent),
      m_socket(socket),
      m_descriptor(TcpSystem::duplicate(socket->socketDescriptor()))
{
    m_connected.start();
    m_socket->setParent(this);
    m_socket->setReadBufferSize(ReadBufferBytes);
    // Kept: Qt forgets the peer's address once the connection has ended.
    QHostAddress address = m_socket->peerAddress();
    bool mapped = false;
    const quint32 ipv4 = address.toIPv4Address(&mapped);
    if (mapped)
        address = QHostAddress(ipv4);  // an IPv4 caller on the dual-stack listener
    m_address = address.toString();
    // Queued: the end may be seen inside lookNow(), where it asks, and is told from here later.
    connect(m_socket, &QTcpSocket::disconnected, this, &IncomingCall::noticeEnd,
            Qt::QueuedConnection);
}

IncomingCall::~IncomingCall()
{
    refuse();
}

QString IncomingCall::address() const
{
    return m_address;
}

Privacy IncomingCall::privacy() const
{
    if (!m_socket)
        return Privacy::Unknown;
    if (m_socket->bytesAvailable() < 2)
        lookNow();
    const bool left = m_socket->state() != QAbstractSocket::ConnectedState;
    return privacyOfCaller(m_socket->peek(2), left || graceLeftMs() == 0);
}

qint64 IncomingCall::graceLeftMs() const
{
    return qMax<qint64>(0, FirstBytesGraceMs - m_connected.elapsed());
}

bool IncomingCall::hasHungUp() const
{
    if (!m_socket)
        return true;
    // The caller may have hung up a moment ago, unnoticed yet by the event loop.
    if (m_socket->bytesAvailable() == 0)
        lookNow();
    if (m_socket->state() == QAbstractSocket::ConnectedState)
        return false;
    return m_socket->bytesAvailable() == 0 || TcpSystem::hasFailed(m_descriptor);
}

void IncomingCall::noticeEnd()
{
    if (m_socket && hasHungUp())
        Q_EMIT hungUp();
}

// Takes in what has arrived and the event loop has not seen yet. Its own handler runs on a later
// turn of the event loop: the bytes are looked at where this is asked, not by a handler entered
// again from here.
void IncomingCall::lookNow() const
{
    if (m_socket->state() == QAbstractSocket::ConnectedState)
        m_socket->waitForReadyRead(0);
}

QTcpSocket *IncomingCall::accept(qintptr &descriptor)
{
    descriptor = std::exchange(m_descriptor, -1);
    QTcpSocket *socket = std::exchange(m_socket, nullptr);
    if (socket) {
        socket->disconnect(this);
        socket->setParent(nullptr);
    }
    return socket;
}

void IncomingCall::refuse()
{
    qintptr descriptor = -1;
    if (QTcpSocket *socket = accept(descriptor)) {
        socket->abort();
        socket->deleteLater();  // once its signals have been delivered
    }
    if (descriptor != -1)
        TcpSystem::close(descriptor);
}
