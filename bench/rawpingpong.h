// SPDX-License-Identifier: MIT
#pragma once

#include "latencylog.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;

// The latency baseline: one side of a ping-pong over a bare QTcpSocket, with the same bytes
// and the same turn-taking as two windows.
class RawPingPong : public QObject
{
    Q_OBJECT

public:
    RawPingPong(char name, int warmup, int lines, const QString &logPath);

    // Listens on a free port and returns it; the partner's lines are answered.
    int listen();
    void call(const QString &host, int port);

Q_SIGNALS:
    void finished(bool ok);

private:
    void adopt(QTcpSocket *socket);
    void readLines();
    void send(int number);

    QString m_logPath;
    LatencyLog m_log;
    QTcpServer *m_server = nullptr;
    QTcpSocket *m_socket = nullptr;
    QByteArray m_pending;
};
