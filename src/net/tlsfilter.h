// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QObject>
#include <memory>

#include "privacy.h"
#include "socketfailure.h"
#include "tlssession.h"

class QTimer;

// The TLS of one encrypted connection, between the conversation and its transport, as bytes in
// and bytes out: read() takes the partner's bytes and gives their chat text, write() takes chat
// text, and takeOutput() gives the bytes for the partner. It knows nothing of sockets.
//
// It keeps the time limit: the handshake and, with a Parlino partner, the exchange of the code
// must be done within SocketFailure::EncryptionSeconds of the start of the answering side's
// part. The answering side (the TLS server) starts its part at once; a caller's clock starts
// with the first bytes of the answer, so that a called user may take as long to answer as for a
// plain call.
//
// It fails once, with failed(): the handshake failed (EncryptionFailed), a call was answered in
// plain text (PlainAnswer), or the time ran out (EncryptionTimedOut before the handshake was
// done, CodeTimedOut after). An end of the partner's stream after the handshake that did not
// come with close_notify is a cut: wasCut() says so.
class TlsFilter : public QObject
{
    Q_OBJECT

public:
    TlsFilter(std::unique_ptr<TlsSession> session, TlsSession::Role role,
              QObject *parent = nullptr);
    ~TlsFilter() override;

    // Bytes from the partner; the chat text they carry is appended to `text`. `ended`: nothing
    // follows. False once the filter has failed or the partner has closed its side.
    bool read(QByteArrayView bytes, bool ended, QByteArray &text);
    void write(QByteArrayView text) { m_session->write(text); }
    // Moves the bytes for the partner into `out`, behind what is there.
    void takeOutput(QByteArray &out) { m_session->takeOutput(out); }
    // close_notify, behind the text still held.
    void close() { m_session->close(); }

    bool isEstablished() const { return m_session->isEstablished(); }
    bool partnerClosed() const { return m_session->partnerClosed(); }
    bool wasCut() const { return m_cut; }
    // Chat text written and not yet in the output.
    qint64 heldBytes() const { return m_session->heldBytes(); }
    // Chat text whose records end within the first `outputBytes` of the output.
    qint64 textWithin(qint64 outputBytes) const { return m_session->textWithin(outputBytes); }
    void forgetWithin(qint64 outputBytes) { m_session->forgetWithin(outputBytes); }

Q_SIGNALS:
    void established();
    // The code, or the fingerprints, are known; once.
    void checkReady(const PrivacyCheck &check);
    void failed(const SocketFailure &failure);

private:
    void startClock();
    void fail(const SocketFailure &failure);

    std::unique_ptr<TlsSession> m_session;
    TlsSession::Role m_role;
    QTimer *m_clock;
    bool m_heard = false;
    bool m_wasEstablished = false;
    bool m_checkReported = false;
    bool m_cut = false;
    bool m_failed = false;
};
