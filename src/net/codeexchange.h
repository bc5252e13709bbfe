// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

// The exchange by which two Parlinos arrive at the code their users compare, carried inside TLS
// before any chat text. Each side sends a commitment to a random nonce,
//     commit = SHA-256("parlino commit" || nonce)           (32 bytes),
// and reveals its nonce (32 bytes) only once it has received the partner's commitment. The code
// binds both nonces to this TLS session (its exporter) and to both certificates. A party in the
// middle runs two sessions; on each, an honest side reveals only after the middle has committed
// on that session, so the middle cannot steer either code, and the two codes are independent:
// equal with a chance of one in a million.
class CodeExchange
{
public:
    static constexpr qsizetype MessageBytes = 32;

    CodeExchange();

    QByteArray commitment() const { return commitmentTo(m_nonce); }
    const QByteArray &nonce() const { return m_nonce; }
    // Takes the partner's messages from the front of `bytes` as far as they go; what follows
    // them stays. False when the partner's nonce does not match its commitment.
    bool take(QByteArray &bytes);
    bool hasPartnerCommitment() const { return m_partnerCommitment.size() == MessageBytes; }
    bool isDone() const { return m_partnerNonce.size() == MessageBytes; }
    const QByteArray &partnerNonce() const { return m_partnerNonce; }

    static QByteArray commitmentTo(const QByteArray &nonce);
    // Six decimal digits: SHA-256("parlino code" || exporter || both nonces || both certificates'
    // SHA-256 fingerprints), the client's before the server's; its first 8 bytes big-endian, mod
    // 1,000,000.
    static QString code(const QByteArray &exporter, const QByteArray &clientNonce,
                        const QByteArray &serverNonce, const QByteArray &clientFingerprint,
                        const QByteArray &serverFingerprint);

private:
    QByteArray m_nonce;
    QByteArray m_partnerCommitment;
    QByteArray m_partnerNonce;
};
