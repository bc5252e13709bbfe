// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <QString>

#include "tcpsystem.h"

class QSocketNotifier;
class QTcpSocket;
class QTimer;

// The bytes of one established connection, on a descriptor of its own: it takes over a connected
// socket from Qt (Qt's socket closes its descriptor when the partner ends its stream, and bytes
// on their way to the partner must still go out after that), with what the socket had read.
//
// Out: send() queues the bytes and hands them to the system as it takes them, never waiting;
// finish() ends this side's stream after the last of them. In: what arrives is handed on by
// received(), a slice at a time so the window stays live, then ended() at the end of the
// partner's stream. The bytes the socket had read come first, from a fresh turn of the event loop.
//
// It counts the bytes handed to the system and those the partner has acknowledged. While some
// wait for an acknowledgement a timer looks at them: progressed() on each look, and failed() once
// the partner has reset the connection or not answered for the liveness' silence time. While
// nothing waits, the system's keep-alive notices a vanished partner. A partner that only stops
// reading is never given up on while its system answers.
//
// It never closes the descriptor by itself: its owner closes it, in order or with a reset.
class Transport : public QObject
{
    Q_OBJECT

public:
    // Takes the socket's connection and deletes the socket. `descriptor`: one of the
    // connection's own, taken earlier, which it owns from now on; -1 to take one now.
    Transport(QTcpSocket *socket, qintptr descriptor, const TcpSystem::Liveness &liveness,
              QObject *parent = nullptr);
    ~Transport() override;

    void send(QByteArrayView bytes);
    // Sends the end of this side's stream once every byte sent has gone to the system.
    void finish();
    bool hasFinished() const { return m_finished; }
    // Takes what has arrived and not been handed on yet, handing it on now; before a close, so
    // that unread bytes do not turn the close into a reset.
    void takeWhatWaits();
    // Lets the descriptor go: in order, or with a reset that drops what the partner has not taken.
    void close(bool abortive);
    bool isOpen() const { return m_descriptor != -1; }

    bool hasQueued() const { return m_start < m_queued.size(); }
    // Bytes handed to the system that the partner has acknowledged.
    qint64 acknowledged() const;
    // Bytes on their way to the partner: queued, or handed over and not acknowledged.
    qint64 unacknowledged() const;

Q_SIGNALS:
    // Valid only while the signal is being delivered.
    void received(QByteArrayView bytes);
    void ended();
    void progressed();
    // reason: the system's words; empty for a reset by the partner.
    void failed(const QString &reason, bool silent);

private:
    void handOnEarly();
    void receiveSlice();
    bool receiveOnce(qint64 size);
    void handOver();
    void look();

    TcpSystem::Liveness m_liveness;
    qintptr m_descriptor = -1;
    QSocketNotifier *m_readable = nullptr;
    QSocketNotifier *m_writable = nullptr;
    QTimer *m_look;
    QByteArray m_early;  // what Qt's socket had read
    QByteArray m_readBuffer;
    QByteArray m_queued;
    qsizetype m_start = 0;    // where the queued bytes not yet taken by the system begin
    qint64 m_handedOver = 0;  // bytes the system has taken
    qint64 m_acknowledgedAtStart = 0;
    bool m_finished = false;
    bool m_ended = false;
    bool m_endedBefore = false;  // Qt's socket had seen the end already
};
