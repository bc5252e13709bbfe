// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <cstdint>

class QTcpServer;
class QTcpSocket;
class QTimer;

// The throughput baseline: a bare QTcpSocket that reads a peer's stream and throws it away.
// It reports what a flooded window reports, so the two can be set side by side.
class RawSink : public QObject
{
    Q_OBJECT

public:
    explicit RawSink(std::int64_t expectedBytes);
    int listen();

Q_SIGNALS:
    void finished(bool complete);

private:
    void drain();
    void tick();

    std::int64_t m_expected;
    std::int64_t m_read = 0;
    std::int64_t m_rssBeforeKiB = 0;
    std::int64_t m_firstNs = 0;
    std::int64_t m_lastTickNs = 0;
    std::int64_t m_maxGapNs = 0;
    QTcpServer *m_server = nullptr;
    QTcpSocket *m_socket = nullptr;
    QTimer *m_ticker = nullptr;
};
