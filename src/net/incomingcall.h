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
    // Whether the caller has left without a word, looked at now.
    bool hasHungUp() const;
    // Hands the socket, with all it has read, and the descriptor of the call's own over to the
    // caller of accept(); once.
    QTcpSocket *accept(qintptr &descriptor);
    void refuse();

private:
    void lookNow() const;

    QTcpSocket *m_socket;
    qintptr m_descriptor;
    QElapsedTimer m_connected;
};
