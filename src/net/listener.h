// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;

// Waits for callers on a port, and holds each caller as a request until it is taken or turned
// away. One request is decided at a time: callers that arrive while one is being decided, or
// while the owner says it is busy, are closed at once. A request not taken when the handlers of
// requestArrived return is closed, so the caller sees its connection end.
class Listener : public QObject
{
    Q_OBJECT

public:
    explicit Listener(QObject *parent = nullptr);
    ~Listener() override;

    // False when the port cannot be had; serverError() and errorString() of the server say why.
    bool listen(quint16 port);
    // Stops taking callers. Requests are kept: their ids stay valid until they are decided.
    void close();
    bool isListening() const;
    quint16 port() const;
    bool portInUse() const;
    QString errorString() const;
    // Whether callers are turned away at once (the owner has a conversation).
    void setBusy(bool busy) { m_busy = busy; }

    // Hands the request's socket over to the caller of take(); nullptr for an unknown id.
    QTcpSocket *take(int requestId);
    // The address the caller's request comes from, an IPv4 caller's as IPv4.
    QString address(int requestId) const;
    // Up to `count` of the first bytes the caller has sent, left for whoever takes the request.
    QByteArray firstBytes(int requestId, qint64 count) const;

Q_SIGNALS:
    void requestArrived(int requestId);

private:
    void takeCallers();
    static void turnAway(QTcpSocket *socket);

    QTcpServer *m_server = nullptr;
    QHash<int, QTcpSocket *> m_requests;
    int m_nextId = 0;
    bool m_deciding = false;
    bool m_busy = false;
};
