// SPDX-License-Identifier: MIT
// The program's one TCP socket: a listener while it waits for a partner, a connection once it
// has one.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include "incomingtext.h"
#include "socketfailure.h"
#include "tcpsystem.h"

class ClosingConnections;
class OutgoingText;
class QTcpServer;
class QTcpSocket;
class QTimer;

// Wire format: chat text travels as UTF-8 with nothing added, no terminator, no length prefix.
// The receiver shows whatever has arrived, so received bytes are decoded with a decoder kept for
// the whole connection: a character split across two arrivals is decoded whole, an arrival that
// completes no character raises no DataArrival, and bytes that are not UTF-8 show as U+FFFD.
//
// States, as State() reports them:
// - Closed, then Listen(): Listening. A caller raises ConnectionRequest; the handler calls
//   Close() and then Accept(id): Connected.
// - Closed, then Connect(): ResolvingHost, Connecting, Connected.
// - Connected, then the partner closes or resets, or Close(): Closed; Error after a failure.
// Close(), and the partner's end of its stream, let a connection deliver what was sent on it: it
// stays open in the background until the partner has acknowledged every byte, for the linger
// time at most; isDelivering() says whether any is still open, and undelivered() reports the
// bytes of one that ran out or was reset. Keep-alive probes and a timeout for unacknowledged
// text notice a partner that has vanished; a connection that fails while connected is reported
// by errorOccurred as ConnectionLost, with the bytes it could not deliver.
// Only one connection exists at a time. Callers that arrive while a request is being decided, or
// while the socket is not listening, are closed at once. A request that has not been accepted
// when the ConnectionRequest handlers return is closed, so the caller sees its connection end.
//
// Failures: methods that fail at once return false and leave what went wrong in failure();
// failures that come later (refused, host not found, timed out, network errors) are reported by
// the errorOccurred signal, emitted from a fresh turn of the event loop.
class Winsock : public QObject
{
    Q_OBJECT

public:
    enum SocketState {
        sckClosed = 0,
        sckListening = 2,
        sckResolvingHost = 4,
        sckConnecting = 6,
        sckConnected = 7,
        sckClosing = 8,
        sckError = 9,
    };

    explicit Winsock(QObject *parent = nullptr);
    ~Winsock() override;

    void setLocalPort(int port);
    int LocalPort() const { return m_localPort; }
    static QString LocalIP();
    SocketState State() const;

    bool Listen();
    bool Connect(const QString &host, const QString &port);
    // Whether Connect() would accept these texts; checks them without touching the socket.
    bool checkRemote(const QString &host, const QString &port);
    bool Accept(int requestId);
    bool SendData(const QString &text);
    // The received text not taken yet, as valid UTF-8.
    void GetData(QByteArray &data);
    void Close();

    SocketFailure failure() const { return m_failure; }
    // The address a pending connection request comes from.
    QString requestAddress(int requestId) const;
    bool isDelivering() const;

    // How long an outgoing connection may take before it is given up.
    void setConnectTimeout(int milliseconds) { m_connectTimeoutMs = milliseconds; }
    // How long a closed connection may take to deliver what was written to it.
    void setLingerTime(int milliseconds);
    // How a connection notices a partner that has gone; applied to each new connection.
    void setLiveness(const TcpSystem::Liveness &liveness) { m_liveness = liveness; }

    // Largest slice of received bytes decoded and handed over in one turn of the event loop.
    static constexpr qint64 ReadSliceBytes = 1024 * 1024;

Q_SIGNALS:
    void ConnectionRequest(int requestId);
    void DataArrival(qint64 bytesTotal);
    void errorOccurred(const SocketFailure &failure);
    // A closed connection's linger time ran out with this many bytes not delivered.
    void undelivered(qint64 bytes);
    // Every closed connection has delivered its text or given up.
    void deliveryFinished();

private:
    void takeIncomingConnections();
    void adoptConnection(QTcpSocket *socket);
    void readArrivedData();
    void readInNextTurn();
    void handOverTheRest();
    void startConversation(QTcpSocket *socket);
    void endConversation();
    void finishConnection();
    void reportLater(const SocketFailure &failure);
    // Turns an error of the connection's socket into a report, or into nothing at a normal end.
    void noteSocketError(QTcpSocket *socket);
    bool fail(const SocketFailure &failure);
    bool failIfBusy();
    static void discard(QTcpSocket *socket);
    void dropPendingRequests();

    QTcpServer *m_server = nullptr;
    QPointer<QTcpSocket> m_socket;
    QTimer *m_connectTimer = nullptr;
    ClosingConnections *m_closing = nullptr;
    OutgoingText *m_text = nullptr;  // what is sent on the current connection
    TcpSystem::Liveness m_liveness;
    QString m_lostReason;  // why the current connection failed, once it has
    QHash<int, QTcpSocket *> m_pending;
    IncomingText m_incoming;
    QByteArray m_readBuffer;
    SocketFailure m_failure;
    int m_localPort = 0;
    int m_nextRequestId = 0;
    int m_connectTimeoutMs = 30000;
    bool m_deciding = false;
    bool m_failed = false;
    bool m_wasConnected = false;  // the current connection has been established
    bool m_readScheduled = false;
};
