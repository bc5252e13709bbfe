// SPDX-License-Identifier: MIT
#pragma once

#include "floodstream.h"

#include <QObject>
#include <QString>
#include <cstdint>

class QTcpSocket;

// The flooding peer: sends the flood stream as fast as the receiver takes it, then hangs up.
class StreamFeeder : public QObject
{
    Q_OBJECT

public:
    explicit StreamFeeder(std::int64_t bytes);
    void start(const QString &host, int port);

Q_SIGNALS:
    void finished(bool ok);

private:
    void topUp();

    std::int64_t m_total;
    std::int64_t m_queued = 0;
    FloodStream m_stream;
    QTcpSocket *m_socket = nullptr;
};
