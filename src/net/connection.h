// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>
#include <memory>

#include "incomingtext.h"
#include "privacy.h"
#include "socketfailure.h"
#include "tcpsystem.h"

class QSocketNotifier;
class QTcpSocket;
class QTimer;
class TlsChannel;
class TlsIdentity;

// One connection to a partner, from the call or the accepted request to its last byte; nothing
// else reads, writes or closes it.
//
// Phases: Calling (a QTcpSocket looks the host up and connects), Open (the conversation), then
// Delivering once either side has ended the conversation: what was sent reaches the partner
// before the connection ends in order (close_notify when encrypted, end of stream, then close),
// for the linger time at most; then Done. Once connected, the connection takes the descriptor over
// from the QTcpSocket, with what the socket had read already: Qt's socket closes its descriptor
// when the partner ends its stream, and text on its way to the partner must still go out after
// that.
//
// The one path for bytes: what is sent passes through send() into the queue for the
// descriptor, and what arrives passes from the descriptor through receiveSlice() into the
// decoder. A transformation of the byte stream sits in these two places and nowhere else: the
// TLS channel of an encrypted conversation.
//
// Privacy: a call is plain, or encrypted from the start (the TLS client; Calling lasts until the
// handshake is done). An accepted caller decides by its first bytes: a TLS handshake record
// (0x16 0x03) makes this side the TLS server, anything else is plain text as it is. Until they
// come nothing is sent to the caller, and text sent meanwhile waits. A handshake, with the
// exchange of the code, that is not done within EncryptionSeconds ends the connection.
// What has not been delivered is counted in bytes of chat text, whatever the encryption added.
//
// Liveness: keep-alive notices a vanished partner while nothing waits for it; while text waits,
// a timer asks the system how long the partner has not answered (TcpSystem::silentMs) and gives
// up after the silence time. The timer runs only while bytes are unacknowledged.
class Connection : public QObject
{
    Q_OBJECT

public:
    enum Phase { Calling, Open, Delivering, Done };

    static constexpr int EncryptionSeconds = 10;

    // `identity` serves encrypted connections; it must outlive their channels' use of it.
    Connection(const TcpSystem::Liveness &liveness, int lingerMs, TlsIdentity *identity,
               QObject *parent = nullptr);
    // A connection still holding text ends at once, with a reset; one that has delivered all
    // ends in order.
    ~Connection() override;

    // Looks the host up and connects, encrypted or plain: established() or callFailed() follows.
    void call(const QString &host, quint16 port, int timeoutMs, bool encrypted = false);
    // Takes over an accepted socket (or one whose partner has already ended its stream) with
    // everything it has read, and deletes it. The caller's first bytes decide the privacy.
    void adopt(QTcpSocket *socket);

    Phase phase() const { return m_phase; }
    Privacy privacy() const { return m_privacy; }
    bool isLookingUp() const;
    // Queues the bytes behind what waits already; false when the connection cannot take them.
    bool send(QByteArrayView bytes);
    // Moves the text that has arrived and not been taken into `text`.
    void take(QByteArray &text) { m_incoming.take(text); }
    // Ends the conversation here; what was sent is still delivered.
    void close();
    // Bytes of text sent that the partner has not acknowledged, the queued ones included.
    qint64 undelivered() const;

Q_SIGNALS:
    void established();
    void callFailed(const SocketFailure &failure);
    // The conversation turned out plain or encrypted; once.
    void privacyKnown(Privacy privacy);
    // An encrypted conversation's code, or the fingerprints, are known; once.
    void privacyCheckReady(const PrivacyCheck &check);
    // Text waits to be taken, also text that arrives while delivering after close().
    void textArrived(qint64 bytes);
    // The partner ended the conversation (code None), or it failed (ConnectionLost).
    void conversationEnded(const SocketFailure &failure);
    // Delivering ended: everything reached the partner (0), or this many bytes did not.
    void finished(qint64 undelivered);

private:
    void endCall(const SocketFailure &failure);
    void takeOver(QTcpSocket *socket);
    void takeDescriptor(qintptr descriptor);
    void startChannel(bool client);
    void startHandshakeClock();
    void receiveSlice();
    bool decide(bool ended);
    bool decrypt(QByteArrayView bytes, bool &ended);
    void pushOut(QByteArrayView bytes);
    void pullChannel();
    void writeQueued();
    qint64 unacknowledged() const;
    qint64 acknowledged() const;
    qint64 heldBytes() const;
    void tick();
    void beginDelivering();
    void checkDelivered();
    void endInOrder();
    void fail(SocketFailure failure, bool abortive);
    void giveUp();
    void closeDescriptor(bool abortive);

    TcpSystem::Liveness m_liveness;
    int m_lingerMs;
    TlsIdentity *m_identity;
    Phase m_phase = Calling;
    Privacy m_privacy = Privacy::Unknown;
    std::unique_ptr<TlsChannel> m_channel;
    QTimer *m_handshakeTimer = nullptr;
    bool m_heard = false;  // the called partner has sent something
    bool m_checkReported = false;
    QTcpSocket *m_caller = nullptr;  // while Calling
    QTimer *m_callTimer = nullptr;
    int m_lookupId = -1;
    qintptr m_descriptor = -1;
    QSocketNotifier *m_readable = nullptr;
    QSocketNotifier *m_writable = nullptr;
    QTimer *m_tick = nullptr;  // while bytes are unacknowledged
    QTimer *m_linger = nullptr;
    IncomingText m_incoming;
    QByteArray m_readBuffer;
    QByteArray m_early;  // bytes of a caller not decided yet, or read before the takeover
    QByteArray m_held;   // text waiting for the caller's first bytes
    QByteArray m_plain;  // text the channel decrypted
    QByteArray m_queued;
    qsizetype m_start = 0;    // where the queued bytes not yet taken by the system begin
    qint64 m_handedOver = 0;  // bytes the system has taken
    qint64 m_acknowledgedAtStart = 0;
    qint64 m_textSent = 0;  // bytes of text taken by send()

    bool m_partnerEnded = false;
    bool m_finishSent = false;
};
