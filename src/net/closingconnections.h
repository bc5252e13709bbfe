// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>

class OutgoingText;
class QTcpSocket;

// Connections that have ended here, or been ended by the partner, but may still hold text the
// partner has not taken. Each one stays open until the partner has acknowledged every byte sent,
// then ends with an orderly close; one whose partner stops taking text, or resets, is dropped
// (when the linger time runs out, or at once), and the bytes it could not deliver are reported.
class ClosingConnections : public QObject
{
    Q_OBJECT

public:
    explicit ClosingConnections(QObject *parent = nullptr);
    ~ClosingConnections() override;

    // Takes the socket and its outgoing text over; they must no longer be connected to anything
    // else.
    void add(QTcpSocket *socket, OutgoingText *text);
    bool isEmpty() const { return m_closing.isEmpty(); }
    void setLingerTime(int milliseconds) { m_lingerMs = milliseconds; }

Q_SIGNALS:
    // A connection ended with this many bytes not delivered.
    void undelivered(qint64 bytes);
    // The last closing connection has ended.
    void allClosed();

private:
    void check(QTcpSocket *socket);
    void giveUp(QTcpSocket *socket);
    void remove(QTcpSocket *socket);
    qsizetype find(QTcpSocket *socket) const;

    struct Closing
    {
        QTcpSocket *socket;
        OutgoingText *text;
    };
    QList<Closing> m_closing;
    int m_lingerMs = 30000;
};
