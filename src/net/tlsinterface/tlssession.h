// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include "privacy.h"

// One TLS session as bytes in and bytes out, with no socket: what arrives from the partner goes
// into read(), which hands out the chat text; chat text goes into write(), and takeOutput()
// hands out the bytes for the network. Its owner moves the bytes and watches the states.
// Sessions come from a TlsEngine.
class TlsSession
{
public:
    enum Role { Client, Server };

    virtual ~TlsSession() = default;

    // Bytes from the partner: appends the chat text they carry to `text`. `ended`: no bytes will
    // follow. False once the session has failed (error() says why), or the partner has closed it.
    virtual bool read(QByteArrayView bytes, QByteArray &text, bool ended = false) = 0;
    // Encrypts chat text, or holds it until the session lets it go.
    virtual void write(QByteArrayView text) = 0;
    // Moves the bytes for the network into `out`, behind what it holds.
    virtual void takeOutput(QByteArray &out) = 0;
    // Ends this side's stream with close_notify: once the handshake is done, and the text held
    // has gone.
    virtual void close() = 0;

    virtual bool hasFailed() const = 0;
    virtual QString error() const = 0;
    virtual bool isEstablished() const = 0;
    // The partner has sent close_notify.
    virtual bool partnerClosed() const = 0;
    // Bytes of chat text written and not yet encrypted.
    virtual qint64 heldBytes() const = 0;
    // Bytes of chat text whose records end within the first `outputBytes` of the output; the
    // pieces of text that end there can be forgotten.
    virtual qint64 textWithin(qint64 outputBytes) const = 0;
    virtual void forgetWithin(qint64 outputBytes) = 0;
    // The code or the fingerprints are known.
    virtual bool isChecked() const = 0;
    virtual PrivacyCheck check() const = 0;
};
