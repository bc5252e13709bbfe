// SPDX-License-Identifier: MIT
#include "codeexchange.h"

#include <QCryptographicHash>
#include <QRandomGenerator>
#include <QtEndian>

namespace {

// Moves bytes from the front of `from` into `to` until `to` holds a whole message.
void fill(QByteArray &to, QByteArray &from)
{
    const qsizetype part = qMin(CodeExchange::MessageBytes - to.size(), from.size());
    to.append(from.constData(), part);
    from.remove(0, part);
}

}  // namespace

CodeExchange::CodeExchange() : m_nonce(MessageBytes, '\0')
{
    // The system's generator, which is safe for cryptography.
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(m_nonce.data()),
                                          MessageBytes / 4);
}

bool CodeExchange::take(QByteArray &bytes)
{
    if (!hasPartnerCommitment())
        fill(m_partnerCommitment, bytes);
    if (hasPartnerCommitment() && !isDone())
        fill(m_partnerNonce, bytes);
    return !isDone() || commitmentTo(m_partnerNonce) == m_partnerCommitment;
}

QByteArray CodeExchange::commitmentTo(const QByteArray &nonce)
{
    return QCryptographicHash::hash("parlino commit" + nonce, QCryptographicHash::Sha256);
}

QString CodeExchange::code(const QByteArray &exporter, const QByteArray &clientNonce,
                           const QByteArray &serverNonce, const QByteArray &clientFingerprint,
                           const QByteArray &serverFingerprint)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const QByteArray &part : {QByteArray("parlino code"), exporter, clientNonce, serverNonce,
                                   clientFingerprint, serverFingerprint})
        hash.addData(part);
    const quint64 number = qFromBigEndian<quint64>(hash.resultView().constData());
    return QString::number(number % 1000000).rightJustified(6, u'0');
}
