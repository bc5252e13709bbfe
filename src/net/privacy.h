// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// Whether a conversation travels encrypted (TLS) or as plain text, as far as it is known: a
// caller that has written nothing yet may still start either.
enum class Privacy { Unknown, Plain, Encrypted };

// What two users compare, by another channel, to know that nobody sits between them. With a
// partner that is Parlino too, both show the same six-digit code. With any other TLS partner
// there is no code, and both certificates' SHA-256 fingerprints stand instead.
struct PrivacyCheck
{
    QString code;                   // six digits, or empty
    QByteArray ownFingerprint;      // SHA-256 of this side's certificate (32 bytes)
    QByteArray partnerFingerprint;  // SHA-256 of the partner's certificate (32 bytes)
    QString protocol;               // as the TLS library names it, for example "TLSv1.3"
};
