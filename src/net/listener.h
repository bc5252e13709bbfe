// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class IncomingCall;
class QTcpServer;

// Waits for callers on a port and hands each one over as an IncomingCall, under a request id,
// until it is taken. One call waits for an answer at a time: a caller that arrives while one
// waits, or while the owner says it is busy, is turned away at once.
class Listener : public QObject
{
    Q_OBJECT

public:
    explicit Listener(QObject *parent = nullptr);
    ~Listener() override;

    // False when the port cannot be had; serverError() and errorString() of the server say why.
    bool listen(quint16 port);
    // Stops taking callers. A waiting call is kept: its id stays valid until it is answered.
    void close();
    bool isListening() const;
    quint16 port() const;
    bool portInUse() const;
    QString errorString() const;
    // Whether callers are turned away at once (the owner has a conversation).
    void setBusy(bool busy) { m_busy = busy; }

    // The waiting call with this id; nullptr for an unknown id.
    IncomingCall *request(int requestId) const { return m_requests.value(requestId); }
    // Hands the call over to the caller of take(), who owns it from then on.
    IncomingCall *take(int requestId);

Q_SIGNALS:
    void requestArrived(int requestId);

private:
    void takeCallers();

    QTcpServer *m_server = nullptr;
    QHash<int, IncomingCall *> m_requests;
    int m_nextId = 0;
    bool m_busy = false;
};
