// SPDX-License-Identifier: MIT
#include "caller.h"

#include <QHostInfo>
#include <QTcpSocket>
#include <QTimer>

namespace {

SocketFailure failureOf(QAbstractSocket::SocketError error, const QString &qtText)
{
    switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            return {SocketFailure::Refused};
        case QAbstractSocket::HostNotFoundError:
            return {SocketFailure::HostNotFound};
        case QAbstractSocket::SocketTimeoutError:
            return {SocketFailure::TimedOut};
        case QAbstractSocket::NetworkError:
            return {SocketFailure::NetworkError, 0, {}, qtText};
        default:
            return {SocketFailure::ConnectFailed, 0, {}, qtText};
    }
}

}  // namespace

Caller::Caller(const QString &host, quint16 port, int timeoutMs, QObject *parent)
    : QObject(parent), m_socket(new QTcpSocket(this)), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_socket, &QTcpSocket::connected, this, [this] {
        QTcpSocket *socket = std::exchange(m_socket, nullptr);
        socket->disconnect(this);
        socket->setParent(nullptr);
        stop();
        Q_EMIT connected(socket);
    });
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        fail(failureOf(e, m_socket->errorString()));
    });
    connect(m_timer, &QTimer::timeout, this, [this] {
        fail({isLookingUp() ? SocketFailure::LookupTimedOut : SocketFailure::TimedOut});
    });
    m_timer->start(timeoutMs);
    // The name is looked up here first: Qt's socket reports a name server that did not answer
    // as a host not found. The socket then finds the addresses in Qt's cache of lookups.
    m_lookupId = QHostInfo::lookupHost(host, this, [this, host, port](const QHostInfo &info) {
        m_lookupId = -1;
        if (info.error() == QHostInfo::NoError)
            m_socket->connectToHost(host, port);
        else if (info.error() == QHostInfo::HostNotFound)
            fail({SocketFailure::HostNotFound});
        else
            fail({SocketFailure::LookupTimedOut});  // glibc's EAI_AGAIN
    });
}

Caller::~Caller()
{
    stop();
}

bool Caller::isLookingUp() const
{
    return m_lookupId != -1 || (m_socket && m_socket->state() == QAbstractSocket::HostLookupState);
}

void Caller::fail(const SocketFailure &failure)
{
    stop();
    Q_EMIT failed(failure);
}

// Nothing more comes of the call: the lookup, the timer and the socket stop.
void Caller::stop()
{
    m_timer->stop();
    if (m_lookupId != -1)
        QHostInfo::abortHostLookup(std::exchange(m_lookupId, -1));
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->abort();
    }
}
