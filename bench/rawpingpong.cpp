// SPDX-License-Identifier: MIT
#include "rawpingpong.h"

#include "benchclock.h"

#include <QTcpServer>
#include <QTcpSocket>

RawPingPong::RawPingPong(char name, int warmup, int lines, const QString &logPath)
    : m_logPath(logPath), m_log(name, warmup, lines)
{
}

int RawPingPong::listen()
{
    m_server = new QTcpServer(this);
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        return 0;
    connect(m_server, &QTcpServer::newConnection, this,
            [this] { adopt(m_server->nextPendingConnection()); });
    return m_server->serverPort();
}

void RawPingPong::call(const QString &host, int port)
{
    auto *socket = new QTcpSocket(this);
    adopt(socket);
    connect(socket, &QTcpSocket::connected, this, [this] { send(0); });
    socket->connectToHost(host, quint16(port));
}

void RawPingPong::adopt(QTcpSocket *socket)
{
    m_socket = socket;
    connect(socket, &QTcpSocket::readyRead, this, &RawPingPong::readLines);
}

void RawPingPong::readLines()
{
    const std::int64_t now = BenchClock::nowNs();
    m_pending += m_socket->readAll();
    while (m_pending.size() >= LatencyLog::LineBytes) {
        const QString line = QString::fromUtf8(m_pending.left(LatencyLog::LineBytes));
        m_pending.remove(0, LatencyLog::LineBytes);
        const int next = m_log.received(line, now);
        if (next == LatencyLog::RunOver) {
            QMetaObject::invokeMethod(
                this, [this] { Q_EMIT finished(m_log.write(m_logPath)); }, Qt::QueuedConnection);
        } else if (next != LatencyLog::NotALine) {
            QMetaObject::invokeMethod(
                this, [this, next] { send(next); }, Qt::QueuedConnection);
        }
    }
}

void RawPingPong::send(int number)
{
    const QByteArray bytes = m_log.line(number).toUtf8();
    m_log.sent(number, BenchClock::nowNs());
    m_socket->write(bytes);
    if (m_log.sentLast(number))
        Q_EMIT finished(m_log.write(m_logPath));
}
