// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <memory>

#include "codeexchange.h"
#include "tlssession.h"

class TlsIdentity;
struct ssl_st;

// A TlsSession with OpenSSL, on memory buffers.
//
// The client offers ALPN "parlino/1" and the server agrees to it. When both agree, the partner is
// Parlino, and before any chat text the two run the CodeExchange inside TLS; chat text written
// until this side has revealed its nonce waits in the channel. With any other partner, chat text
// flows as soon as the handshake is done, and the check has fingerprints and no code: the partner
// is another program, or someone in between who kept the two Parlinos from agreeing.
class TlsChannel : public TlsSession
{
public:
    // `exchangeCode` false leaves the code exchange to whoever uses the channel (a test's relay).
    TlsChannel(Role role, TlsIdentity &identity, bool exchangeCode = true);
    ~TlsChannel() override;
    TlsChannel(const TlsChannel &) = delete;
    TlsChannel &operator=(const TlsChannel &) = delete;

    bool read(QByteArrayView bytes, QByteArray &text, bool ended = false) override;
    void write(QByteArrayView text) override;
    void takeOutput(QByteArray &out) override;
    void close() override;

    bool hasFailed() const override { return !m_error.isEmpty(); }
    QString error() const override { return m_error; }
    bool isEstablished() const override { return m_established; }
    bool partnerClosed() const override { return m_partnerClosed; }
    qint64 heldBytes() const override { return m_held.size(); }
    qint64 textWithin(qint64 outputBytes) const override;
    void forgetWithin(qint64 outputBytes) override;
    // Whether the partner agreed on parlino/1.
    bool isParlino() const;
    bool isChecked() const override { return m_checked; }
    PrivacyCheck check() const override { return m_check; }
    // 32 bytes of keying material (label "EXPORTER-parlino-code") bound to this session.
    QByteArray exporter() const;

private:
    bool advance(QByteArray &text);
    void takeExchange(QByteArray &text);
    void established();
    void reveal();
    bool flows() const;
    void sendHeld();
    void encrypt(QByteArrayView bytes, bool text = true);
    void shutDown();
    bool onlyWaits(int result);
    void fail(const QString &reason);

    Role m_role;
    ssl_st *m_ssl = nullptr;
    std::unique_ptr<CodeExchange> m_exchange;
    bool m_exchangeCode;
    bool m_established = false;
    bool m_revealed = false;
    bool m_checked = false;
    bool m_closeWanted = false;
    bool m_partnerClosed = false;
    QByteArray m_held;
    // Where pieces of text end: (in the output, in the text), in order, not yet forgotten.
    QList<std::pair<qint64, qint64>> m_textEnds;
    qint64 m_textForgotten = 0;  // text of the pieces forgotten
    qint64 m_textEncrypted = 0;
    QByteArray m_plain;  // what the last read decrypted
    PrivacyCheck m_check;
    QString m_error;
};
