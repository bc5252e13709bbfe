// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

#include "socketfailure.h"

class QTcpSocket;
class QTimer;

// An outgoing call until its connection is made: looks the host up, connects, and gives up after
// the time allowed. It ends once, with connected() (the socket is handed over) or failed().
class Caller : public QObject
{
    Q_OBJECT

public:
    Caller(const QString &host, quint16 port, int timeoutMs, QObject *parent = nullptr);
    ~Caller() override;

    bool isLookingUp() const;

Q_SIGNALS:
    // The caller of this signal owns the socket from then on.
    void connected(QTcpSocket *socket);
    void failed(const SocketFailure &failure);

private:
    void fail(const SocketFailure &failure);
    void stop();

    QTcpSocket *m_socket;
    QTimer *m_timer;
    int m_lookupId = -1;
};
