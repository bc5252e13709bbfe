// SPDX-License-Identifier: MIT
#include "streamfeeder.h"

#include "benchclock.h"

#include <QTcpSocket>
#include <cstdio>

namespace {
// Bytes kept queued in the socket ahead of the kernel.
constexpr qint64 QueuedAhead = 4 * FloodStream::BlockBytes;
}  // namespace

StreamFeeder::StreamFeeder(std::int64_t bytes) : m_total(bytes), m_socket(new QTcpSocket(this))
{
    connect(m_socket, &QTcpSocket::connected, this, [this] {
        std::printf("start_ns=%lld\n", (long long)BenchClock::nowNs());
        std::fflush(stdout);
        topUp();
    });
    connect(m_socket, &QTcpSocket::bytesWritten, this, &StreamFeeder::topUp);
    connect(m_socket, &QTcpSocket::disconnected, this,
            [this] { Q_EMIT finished(m_queued == m_total && m_socket->bytesToWrite() == 0); });
    connect(m_socket, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        if (e != QAbstractSocket::RemoteHostClosedError)
            Q_EMIT finished(false);
    });
}

void StreamFeeder::start(const QString &host, int port)
{
    m_socket->connectToHost(host, quint16(port));
}

void StreamFeeder::topUp()
{
    while (m_queued < m_total && m_socket->bytesToWrite() < QueuedAhead) {
        const qint64 number = m_queued / FloodStream::BlockBytes;
        const qint64 size = qMin(FloodStream::BlockBytes, m_total - m_queued);
        m_socket->write(m_stream.block(number).constData(), size);
        m_queued += size;
    }
    if (m_queued == m_total && m_socket->bytesToWrite() == 0)
        m_socket->disconnectFromHost();
}
