// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>

class QTcpSocket;

// Connections that have been closed here but may still hold text the partner has not taken.
// Each one stays open until the partner's side has acknowledged every byte written to it, then
// ends with an orderly close; one whose partner stops taking text is dropped when the linger
// time runs out, and the bytes it could not deliver are reported.
class ClosingConnections : public QObject
{
    Q_OBJECT

public:
    explicit ClosingConnections(QObject *parent = nullptr);
    ~ClosingConnections() override;

    // Takes the socket over; it must no longer be connected to anything else.
    void add(QTcpSocket *socket);
    bool isEmpty() const { return m_sockets.isEmpty(); }
    void setLingerTime(int milliseconds) { m_lingerMs = milliseconds; }

Q_SIGNALS:
    // The linger time ran out with this many bytes not delivered.
    void undelivered(qint64 bytes);
    // The last closing connection has ended.
    void allClosed();

private:
    void check(QTcpSocket *socket);
    void giveUp(QTcpSocket *socket);
    void remove(QTcpSocket *socket);

    QList<QTcpSocket *> m_sockets;
    int m_lingerMs = 30000;
};
