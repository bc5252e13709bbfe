// SPDX-License-Identifier: MIT
#pragma once

#include "latencylog.h"

#include <QObject>
#include <QString>

class frmMain;
class QModelIndex;
class QTimer;

// One side of a ping-pong between two windows: each line is sent with CommSend, and its
// arrival is the moment it is appended to the partner's list. The caller sends a line, the
// partner sends it back, and only then does the next line go.
class WindowPingPong : public QObject
{
    Q_OBJECT

public:
    WindowPingPong(frmMain &window, char name, int warmup, int lines, const QString &logPath);

    // Connects to a partner window and starts the exchange.
    void call(const QString &host, int port);

Q_SIGNALS:
    void finished(bool ok);

private:
    void rowsInserted(const QModelIndex &parent, int first, int last);
    void send(int number);
    void finish(bool ok);

    frmMain &m_window;
    QString m_logPath;
    LatencyLog m_log;
    QTimer *m_waitConnected = nullptr;
    int m_waitedTicks = 0;
    bool m_sending = false;
};
