// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include "privacy.h"

class QTcpSocket;

// One caller that has reached the listening port and waits for an answer. The connection is made
// already (the caller may be writing); the call keeps the socket, and everything the caller sends
// meanwhile, until it is accepted, which hands the socket over, or refused, which ends the
// caller's connection. A call that is destroyed undecided is refused. It holds a descriptor of its
// own for the connection from the start: Qt's socket closes its descriptor when the caller ends
// its stream, and text for the caller must still be able to go out after that.
// A caller has hung up when its stream ends before it has sent anything, or when it resets the
// connection. One that has sent something and then ends its stream has not: it may have shut
// only its sending side, as `nc -N` does at the end of its input, and still wait for the answer
// and read. (The system tells a reset from an end, but not a caller that shut only its sending
// side from one that closed altogether.)
class IncomingCall : public QObject
{
    Q_OBJECT

public:
    IncomingCall(QTcpSocket *socket, QObject *parent = nullptr);
    ~IncomingCall() override;

    // The caller's address, an IPv4 caller's as IPv4.
    QString address() const;
    // What its first bytes tell so far (privacyOfCaller()).
    Privacy privacy() const;
    // Milliseconds of the grace for its first bytes still left; 0 once it is over.
    qint64 graceLeftMs() const;
    // Whether the caller has hung up, looked at now.
    bool hasHungUp() const;
    // Hands the socket, with all it has read, and the descriptor of the call's own over to the
    // caller of accept(); once.
    QTcpSocket *accept(qintptr &descriptor);
    void refuse();

Q_SIGNALS:
    // The caller has hung up (see above), seen on a fresh turn of the event loop; once.
    void hungUp();

private:
    void lookNow() const;
    void noticeEnd();

    QTcpSocket *m_socket;
    QString m_address;
    qintptr m_descriptor;
    QElapsedTimer m_connected;
};
