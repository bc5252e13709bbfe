// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Whether a conversation travels encrypted (TLS) or as plain text, as far as it is known: a
// caller that has written nothing yet may still start either.
enum class Privacy { Unknown, Plain, Encrypted };

// What two users compare, by another channel, to know that nobody sits between them. With a
// partner that is Parlino too, both show the same six-digit code. With any other TLS partner
// there is no code, and both show one fingerprint: that of the called side's certificate. Whoever
// reads the text in between must answer the caller with a certificate of its own, so the caller
// then shows another fingerprint than the called side. One value alone leaves no wrong pair to
// compare: with both certificates on each side, a relay that shows both sides one certificate of
// its own makes the two "partner's" fingerprints equal.
struct PrivacyCheck
{
    QString code;                   // six digits, or empty
    QByteArray ownFingerprint;      // SHA-256 of this side's certificate (32 bytes)
    QByteArray partnerFingerprint;  // SHA-256 of the partner's certificate (32 bytes, or none)
    bool called = false;            // this side was called: it is the TLS server
    QString protocol;               // as the TLS library names it, for example "TLSv1.3"

    // The fingerprint both sides show when there is no code.
    const QByteArray &calledFingerprint() const
    {
        return called ? ownFingerprint : partnerFingerprint;
    }
};
