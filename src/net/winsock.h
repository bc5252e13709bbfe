// SPDX-License-Identifier: MIT
// The program's one TCP socket: a listener while it waits for a partner, a connection once it
// has one.
//
// How it is built: Winsock is the face the chat layer sees (the members, events and states
// below) and keeps no socket of its own. Behind it,
// - a Listener holds the server and hands each caller over as an IncomingCall, which waits for
//   the answer;
// - one Connection per partner owns that connection alone, from the call or the answer to its
//   last byte (see connection.h): a Caller makes the connection, a Transport moves its bytes on
//   the descriptor, a TlsFilter encrypts them when the conversation is private;
// - TcpSystem holds what the system's TCP is asked beyond Qt, one body for each system;
// - a TlsEngineLoader loads the TLS module when the first encrypted connection needs it; the
//   module's engine makes the key and certificate then, and the sessions of every encrypted
//   connection.
// Winsock holds the current conversation's Connection, and the ended ones that still deliver.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include "callerratelimit.h"
#include "privacy.h"
#include "socketfailure.h"
#include "tcpsystem.h"
#include "tlsengineloader.h"

class Connection;
class Listener;

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
// stays open in the background until the partner has acknowledged every byte and ended its own
// stream, for the linger time at most, then ends in order (never with a reset unless text could
// not be delivered);
// isDelivering() says whether any is still open, and undelivered() reports the bytes of one that
// ran out or was reset. Text the partner sends meanwhile still raises DataArrival. A partner
// that stops answering (see TcpSystem::Liveness) is lost; one that only stops reading is not. A
// connection that fails while connected is reported by errorOccurred as ConnectionLost, with
// the bytes it could not deliver.
// Privacy: Connect() is plain; ConnectEncrypted() is TLS from the start, and the call is
// Connecting until the TLS handshake is done. An accepted caller is served over TLS when its
// first bytes are a TLS handshake record, and as plain text otherwise; a caller that has sent
// nothing within a short grace of its connect is plain (privacyOfCaller()). Text sent before
// that waits for the decision, then goes at once. privacyKnown() tells which, once;
// privacyCheckReady() brings the code or the fingerprints; lateHandshake() says that a caller
// taken for plain began a TLS handshake after all. An encrypted call fails with
// EncryptionFailed, EncryptionTimedOut or PlainAnswer; an encrypted conversation ends with
// EncryptionFailed, EncryptionTimedOut, CodeTimedOut or, cut without close_notify,
// EncryptedEndCut.
// Only one conversation exists at a time. A request waits until it is accepted or rejected, or
// until its caller hangs up (requestWithdrawn; see IncomingCall for what counts); callers that
// arrive meanwhile, or while the socket has a conversation, are closed at once, and so is every
// call from an address that has called more than CallerRateLimit::CallsPerMinute times within a
// minute (callerTurnedAway, at most once a minute for each address; loopback excepted).
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
    // Calls like Connect(), and the conversation is encrypted: privacyKnown(Encrypted) follows
    // the handshake, or errorOccurred one of the Encryption failures.
    bool ConnectEncrypted(const QString &host, const QString &port);
    // Whether Connect() would accept these texts; checks them without touching the socket.
    bool checkRemote(const QString &host, const QString &port);
    bool Accept(int requestId);
    // Turns the caller of a pending request away: its connection ends.
    void Reject(int requestId);
    bool SendData(const QString &text);
    // The received text not taken yet, as valid UTF-8.
    void GetData(QByteArray &data);
    void Close();

    SocketFailure failure() const { return m_failure; }
    // The address a pending connection request comes from.
    QString requestAddress(int requestId) const;
    // How the caller of a pending request has started: Unknown while it has written nothing.
    Privacy requestPrivacy(int requestId) const;
    // The current conversation's privacy; Unknown until its first bytes (or handshake) decide.
    Privacy privacy() const;
    bool isDelivering() const;
    // The program is ending: connections that deliver end once the partner has everything, without
    // waiting for the partner's own end.
    void stopWaitingForPartners();

    // How long an outgoing connection may take before it is given up.
    void setConnectTimeout(int milliseconds) { m_connectTimeoutMs = milliseconds; }
    // How long a closed connection may take to deliver what was written to it.
    void setLingerTime(int milliseconds) { m_lingerMs = milliseconds; }
    // How a connection notices a partner that has gone; applied to each new connection.
    void setLiveness(const TcpSystem::Liveness &liveness) { m_liveness = liveness; }
    // How calls are counted for each caller.
    void setCallerRateLimit(const CallerRateLimit &limit);

Q_SIGNALS:
    void ConnectionRequest(int requestId);
    // The caller of a pending request hung up before it was decided; the id is no longer valid.
    void requestWithdrawn(int requestId, const QString &address);
    // Calls from this address are being turned away for coming too often.
    void callerTurnedAway(const QString &address);
    void DataArrival(qint64 bytesTotal);
    void errorOccurred(const SocketFailure &failure);
    // The current conversation turned out plain or encrypted (once per conversation), or it
    // ended (Unknown).
    void privacyKnown(Privacy privacy);
    // A caller taken for plain began a TLS handshake after the grace.
    void lateHandshake();
    // An encrypted conversation's code or fingerprints are ready to be compared.
    void privacyCheckReady(const PrivacyCheck &check);
    // A closed connection's linger time ran out with this many bytes not delivered.
    void undelivered(qint64 bytes);
    // Every closed connection has delivered its text or given up.
    void deliveryFinished();

private:
    bool call(const QString &host, const QString &port, bool encrypted);
    void startConversation(Connection *connection);
    void takeText(Connection *connection);
    void endConversation(Connection *connection, const SocketFailure &failure);
    void letDeliver(Connection *connection);
    void reportLater(const SocketFailure &failure);
    bool fail(const SocketFailure &failure);
    bool failIfBusy();

    TlsEngineLoader m_tls;
    Listener *m_listener = nullptr;
    Connection *m_conversation = nullptr;
    QList<Connection *> m_delivering;
    TcpSystem::Liveness m_liveness;
    QByteArray m_received;  // text arrived and not taken yet
    QByteArray m_slice;
    SocketFailure m_failure;
    int m_localPort = 0;
    int m_connectTimeoutMs = 30000;
    int m_lingerMs = 30000;
    bool m_failed = false;
};
