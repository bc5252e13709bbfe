// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>

#include "privacy.h"
#include "socketfailure.h"
#include "tcpsystem.h"
#include "tlssession.h"

class QTcpSocket;
class TlsEngineLoader;
class TlsFilter;
class Transport;

// The chat text of one connection on its way, both ways: text goes out through TLS, once the
// conversation is encrypted, to the Transport; what arrives comes back through TLS as text. This
// is the one path for bytes, and the only place where the stream is transformed.
//
// It counts the text the partner has not acknowledged, whatever TLS added, and ends this side in
// order: close_notify behind the last text when encrypted, then the end of the stream once the
// last byte has gone to the system. It never closes by itself: its owner closes it, in order or
// with a reset, when the conversation is over or failed().
class TextPipe : public QObject
{
    Q_OBJECT

public:
    // Takes the socket's connection over (see Transport).
    TextPipe(QTcpSocket *socket, qintptr descriptor, const TcpSystem::Liveness &liveness,
             QObject *parent = nullptr);

    // Puts TLS between, with a session from `tls`; false, with the reason, when none can be made.
    // `first`: the partner's bytes that arrived before, which TLS takes first.
    bool encrypt(TlsSession::Role role, TlsEngineLoader *tls, QString &error,
                 const QByteArray &first = {});
    bool isEncrypted() const { return m_filter != nullptr; }
    bool isOpen() const;
    void send(QByteArrayView text);
    // Ends this side of the conversation.
    void finish();
    // This side has ended, and the partner has acknowledged all of it.
    bool isDelivered() const;
    // Bytes of text sent that the partner has not acknowledged, those TLS still holds included.
    qint64 undelivered() const;
    // Takes the text that has arrived and not been handed on yet (before a close).
    void takeWhatWaits();
    void close(bool abortive);

Q_SIGNALS:
    // Valid only while the signal is being delivered.
    void received(QByteArrayView text);
    // The partner has ended its side; `cut`: an encrypted stream ended without close_notify.
    void ended(bool cut);
    void established();
    void checkReady(const PrivacyCheck &check);
    // Bytes have gone out, or been acknowledged.
    void progressed();
    void failed(const SocketFailure &failure, bool abortive);

private:
    void receive(QByteArrayView bytes);
    void receiveEnd();
    void pushOutput();
    void hand(QByteArray &text);

    Transport *m_transport;
    TlsFilter *m_filter = nullptr;
    QByteArray m_plain;   // text the filter decrypted
    QByteArray m_output;  // bytes the filter gave for the partner
    qint64 m_textSent = 0;
    bool m_finishing = false;
    bool m_ended = false;
};
