// SPDX-License-Identifier: MIT
#include "closingconnections.h"

#include <QTcpSocket>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <linux/sockios.h>
#include <sys/ioctl.h>
#endif

namespace {

// How often a closing connection looks whether the partner has taken everything.
constexpr int PollMilliseconds = 20;

// Bytes written to the system that the partner has not acknowledged yet.
qint64 unacknowledged(const QTcpSocket *socket)
{
    qint64 queued = socket->bytesToWrite();
#ifdef Q_OS_LINUX
    int kernel = 0;
    if (socket->socketDescriptor() != -1 &&
        ::ioctl(int(socket->socketDescriptor()), SIOCOUTQ, &kernel) == 0)
        queued += kernel;
#endif
    return queued;
}

}  // namespace

ClosingConnections::ClosingConnections(QObject *parent) : QObject(parent) {}

ClosingConnections::~ClosingConnections()
{
    for (QTcpSocket *socket : std::as_const(m_sockets)) socket->abort();
}

void ClosingConnections::add(QTcpSocket *socket)
{
    if (socket->state() != QAbstractSocket::ConnectedState) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    socket->setParent(this);
    m_sockets.append(socket);
    // What the partner still sends is read and dropped: unread text here would make the final
    // close a reset, which can cost the partner text it has not read yet.
    connect(socket, &QTcpSocket::readyRead, socket,
            [socket] { socket->skip(socket->bytesAvailable()); });
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] { remove(socket); });
    auto *poll = new QTimer(socket);
    connect(poll, &QTimer::timeout, this, [this, socket] { check(socket); });
    poll->start(PollMilliseconds);
    QTimer::singleShot(m_lingerMs, socket, [this, socket] { giveUp(socket); });
    check(socket);
}

void ClosingConnections::check(QTcpSocket *socket)
{
    if (socket->state() == QAbstractSocket::ConnectedState && unacknowledged(socket) == 0)
        socket->disconnectFromHost();
}

void ClosingConnections::giveUp(QTcpSocket *socket)
{
    const qint64 bytes = unacknowledged(socket);
    socket->abort();
    if (bytes > 0)
        Q_EMIT undelivered(bytes);
    remove(socket);
}

void ClosingConnections::remove(QTcpSocket *socket)
{
    if (!m_sockets.removeOne(socket))
        return;
    socket->disconnect(this);
    socket->deleteLater();
    if (m_sockets.isEmpty())
        Q_EMIT allClosed();
}
