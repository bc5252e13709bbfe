// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Whether a conversation travels encrypted (TLS) or as plain text, as far as it is known: a
// caller that has written nothing yet may still start either.
enum class Privacy { Unknown, Plain, Encrypted };

// How long an answered caller that has sent nothing yet may take to start a TLS handshake,
// counted from the moment its connection was made; after that it is a plain caller. A TLS caller
// sends its hello as soon as the connection is made: measured on Linux within 14 ms for openssl
// s_client and ncat --ssl, and within 70 ms for Parlino's first encrypted call, which loads the
// TLS module and makes its key. If that packet is lost, Linux sends it again after a delay worked
// out from the handshake's round trip, not after the 1 s initial timeout: 0.21 s on loopback,
// 0.36 s at 100 ms round trip, 0.85 s at 300 ms and 1.44 s at 600 ms, while a system that keeps
// RFC 6298's 1 s floor waits at least 1 s. Two seconds cover all of these; the cost is that text
// for a plain caller who stays silent waits until two seconds after its connection was made.
inline constexpr int FirstBytesGraceMs = 2000;

// The one rule that tells plain callers from encrypted ones by their first bytes: a TLS
// handshake record (0x16 0x03) is an encrypted call, any other bytes a plain one. Fewer bytes
// than that decide nothing until the grace is over; then the caller is plain.
Privacy privacyOfCaller(QByteArrayView firstBytes, bool graceOver);

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
