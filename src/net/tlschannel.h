// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <memory>

#include "codeexchange.h"
#include "privacy.h"

class TlsIdentity;
struct ssl_st;

// One TLS session as bytes in and bytes out, with no socket: what arrives from the partner goes
// into read(), which hands out the chat text; chat text goes into write(), and takeOutput()
// hands out the bytes for the network. Its owner moves the bytes and watches the states.
//
// The client offers ALPN "parlino/1" and the server agrees to it. When both agree, the partner is
// Parlino, and before any chat text the two run the CodeExchange inside TLS; chat text written
// until this side has revealed its nonce waits in the channel. With any other partner, chat text
// flows as soon as the handshake is done, and the check has fingerprints and no code.
class TlsChannel
{
public:
    enum Role { Client, Server };

    // `exchangeCode` false leaves the code exchange to whoever uses the channel (a test's relay).
    TlsChannel(Role role, TlsIdentity &identity, bool exchangeCode = true);
    ~TlsChannel();
    TlsChannel(const TlsChannel &) = delete;
    TlsChannel &operator=(const TlsChannel &) = delete;

    // Bytes from the partner: appends the chat text they carry to `text`. `ended`: no bytes will
    // follow. False once the session has failed (error() says why), or the partner has closed it.
    bool read(QByteArrayView bytes, QByteArray &text, bool ended = false);
    // Encrypts chat text, or holds it until the session lets it go.
    void write(QByteArrayView text);
    // Moves the bytes for the network into `out`, behind what it holds.
    void takeOutput(QByteArray &out);
    // Ends this side's stream with close_notify: once the handshake is done, and the text held
    // has gone.
    void close();

    bool hasFailed() const { return !m_error.isEmpty(); }
    QString error() const { return m_error; }
    bool isEstablished() const { return m_established; }
    // The partner has sent close_notify.
    bool partnerClosed() const { return m_partnerClosed; }
    // Bytes of chat text written and not yet encrypted.
    qint64 heldBytes() const { return m_held.size(); }
    // Bytes of chat text whose records end within the first `outputBytes` of the output; the
    // pieces of text that end there can be forgotten.
    qint64 textWithin(qint64 outputBytes) const;
    void forgetWithin(qint64 outputBytes);
    // Whether the partner agreed on parlino/1.
    bool isParlino() const;
    // The code or the fingerprints are known.
    bool isChecked() const { return m_checked; }
    PrivacyCheck check() const { return m_check; }
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
