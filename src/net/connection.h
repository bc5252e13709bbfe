// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>

#include "incomingtext.h"
#include "privacy.h"
#include "socketfailure.h"
#include "tcpsystem.h"

class Caller;
class IncomingCall;
class QTcpSocket;
class QTimer;
class TextPipe;
class TlsEngineLoader;

// One conversation's connection, from the call or the answer to its last byte; nothing else
// reads, writes or closes it. A Caller makes an outgoing connection, a TextPipe carries its text
// (through TLS when encrypted), and IncomingText decodes what arrives. This class is the
// conversation's state:
// - Calling: the Caller looks the host up and connects; an encrypted call stays Calling until its
//   handshake is done. Then Open, or Done with callFailed().
// - Open: the conversation. An answered caller is Open at once; whether it is plain or TLS is
//   decided once (privacyOfCaller(): its first bytes, or none within the grace). Text sent before
//   that waits, then goes at once. A caller decided plain whose first bytes then turn out to be a
//   TLS hello raises lateHandshake().
// - Delivering: either side has ended the conversation. What was sent still reaches the partner,
//   this side's end follows, and what the partner still sends is handed on until it ends its side
//   too; then the connection closes in order. The linger time bounds it: when it runs out, a
//   connection that has delivered everything closes in order, and one that has not closes with a
//   reset and counts what did not arrive. Told to stop waiting for the partner (the program is
//   ending), it closes as soon as everything is delivered.
// - Done.
// What has not been delivered is counted in bytes of chat text. A partner that resets the
// connection with nothing undelivered has just left.
class Connection : public QObject
{
    Q_OBJECT

public:
    enum Phase { Calling, Open, Delivering, Done };

    // `tls` makes the sessions of encrypted connections; it must outlive the connection.
    Connection(const TcpSystem::Liveness &liveness, int lingerMs, TlsEngineLoader *tls,
               QObject *parent = nullptr);
    // A connection still holding text ends at once, with a reset; one that has delivered all
    // ends in order.
    ~Connection() override;

    // Looks the host up and connects, encrypted or plain: established() or callFailed() follows.
    void call(const QString &host, quint16 port, int timeoutMs, bool encrypted = false);
    // Takes an answered call over; its privacy is decided on a later turn of the event loop.
    void answer(IncomingCall *call);

    Phase phase() const { return m_phase; }
    Privacy privacy() const { return m_privacy; }
    bool isLookingUp() const;
    // Queues the text behind what waits already; false when the connection cannot take it.
    bool send(QByteArrayView text);
    // Moves the text that has arrived and not been taken into `text`.
    void take(QByteArray &text) { m_incoming.take(text); }
    // Ends the conversation here; what was sent is still delivered.
    void close();
    // Stops waiting for the partner's own end once everything is delivered.
    void stopWaitingForPartner();
    // Bytes of text sent that the partner has not acknowledged, the held ones included.
    qint64 undelivered() const;

Q_SIGNALS:
    void established();
    void callFailed(const SocketFailure &failure);
    // The conversation turned out plain or encrypted; once.
    void privacyKnown(Privacy privacy);
    // An encrypted conversation's code, or the fingerprints, are known; once.
    void privacyCheckReady(const PrivacyCheck &check);
    // A caller decided plain sent a TLS hello after all.
    void lateHandshake();
    // Text waits to be taken, also text that arrives while delivering.
    void textArrived(qint64 bytes);
    // The partner ended the conversation (code None, or EncryptedEndCut), or it failed.
    void conversationEnded(const SocketFailure &failure);
    // Delivering ended: everything reached the partner (0), or this many bytes did not.
    void finished(qint64 undelivered);

private:
    void start(QTcpSocket *socket, qintptr descriptor, Privacy privacy);
    void decideCaller();
    void decided(Privacy privacy, const QByteArray &first = {});
    void receive(QByteArrayView text);
    void receiveEnd(bool cut);
    void showText(QByteArrayView text, bool ended);
    void beginDelivering();
    void checkDelivered();
    void endInOrder();
    void fail(SocketFailure failure, bool abortive);
    void giveUp();
    void endDelivering();
    void shut(bool abortive);

    TcpSystem::Liveness m_liveness;
    int m_lingerMs;
    TlsEngineLoader *m_tls;
    Phase m_phase = Calling;
    Privacy m_privacy = Privacy::Unknown;
    Caller *m_caller = nullptr;  // while Calling
    QTimer *m_grace = nullptr;   // an answered caller's time to show how it talks
    TextPipe *m_pipe = nullptr;
    QTimer *m_linger;
    IncomingText m_incoming;
    QByteArray m_first;  // an answered caller's bytes until its privacy is decided
    QByteArray m_held;   // text sent before that
    bool m_partnerEnded = false;
    bool m_waitForPartner = true;
    bool m_watchForLateHello = false;
};
