// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include "callerratelimit.h"

class IncomingCall;
class QTcpServer;

// Waits for callers on a port and hands each one over as an IncomingCall, under a request id,
// until it is taken, or until its caller hangs up, which withdraws the request. One call waits for
// an answer at a time: a caller that arrives while one waits, or while the owner says it is busy,
// is turned away at once, and so is one that has called too often (CallerRateLimit).
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
    // How calls are counted for each caller; tests give a clock of their own.
    void setRateLimit(const CallerRateLimit &limit) { m_rateLimit = limit; }

    // The waiting call with this id; nullptr for an unknown id.
    IncomingCall *request(int requestId) const { return m_requests.value(requestId); }
    // Hands the call over to the caller of take(), who owns it from then on.
    IncomingCall *take(int requestId);

Q_SIGNALS:
    void requestArrived(int requestId);
    // The caller of a waiting call hung up: its id is no longer valid.
    void requestWithdrawn(int requestId, const QString &address);
    // Calls from this address are turned away for calling too often; at most once a minute.
    void callerTurnedAway(const QString &address);

private:
    void takeCallers();
    void withdraw(int requestId);

    QTcpServer *m_server = nullptr;
    QHash<int, IncomingCall *> m_requests;
    CallerRateLimit m_rateLimit;
    int m_nextId = 0;
    bool m_busy = false;
};
