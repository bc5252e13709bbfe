// SPDX-License-Identifier: MIT
#include "rawsink.h"

#include "benchclock.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <cstdio>

RawSink::RawSink(std::int64_t expectedBytes)
    : m_expected(expectedBytes), m_server(new QTcpServer(this)), m_ticker(new QTimer(this))
{
    m_ticker->setTimerType(Qt::PreciseTimer);
    m_ticker->setInterval(1);
    connect(m_ticker, &QTimer::timeout, this, &RawSink::tick);
}

int RawSink::listen()
{
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        return 0;
    m_rssBeforeKiB = BenchClock::residentKiB();
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        m_socket = m_server->nextPendingConnection();
        connect(m_socket, &QTcpSocket::readyRead, this, &RawSink::drain);
        m_lastTickNs = BenchClock::nowNs();
        m_ticker->start();
        drain();
    });
    return m_server->serverPort();
}

void RawSink::drain()
{
    const QByteArray bytes = m_socket->readAll();
    if (bytes.isEmpty())
        return;
    if (m_read == 0)
        m_firstNs = BenchClock::nowNs();
    m_read += bytes.size();
    if (m_read < m_expected)
        return;
    const std::int64_t end = BenchClock::nowNs();
    m_ticker->stop();
    tick();
    std::printf(
        "flood bytes=%lld entries=0 first_ns=%lld end_ns=%lld maxgap_ms=%.3f "
        "rss_before_kib=%lld rss_after_kib=%lld exact=1\n",
        (long long)m_read, (long long)m_firstNs, (long long)end, double(m_maxGapNs) / 1e6,
        (long long)m_rssBeforeKiB, (long long)BenchClock::residentKiB());
    std::fflush(stdout);
    disconnect(m_socket, nullptr, this, nullptr);
    Q_EMIT finished(m_read == m_expected);
}

void RawSink::tick()
{
    const std::int64_t now = BenchClock::nowNs();
    m_maxGapNs = qMax(m_maxGapNs, now - m_lastTickNs);
    m_lastTickNs = now;
}
