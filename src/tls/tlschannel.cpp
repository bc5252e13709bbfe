// SPDX-License-Identifier: MIT
#include "tlschannel.h"

#include "tlsidentity.h"

#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <algorithm>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// Room made for decrypted text at a time; a TLS record carries at most 16 KiB.
constexpr qsizetype ReadChunkBytes = 64 * 1024;
constexpr qsizetype RecordBytes = 16 * 1024;
constexpr char ExporterLabel[] = "EXPORTER-parlino-code";
constexpr char Alpn[] = "parlino/1";

QByteArray fingerprintOf(const X509 *certificate)
{
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int size = 0;
    if (!certificate || X509_digest(certificate, EVP_sha256(), digest, &size) != 1)
        return {};
    return QByteArray(reinterpret_cast<const char *>(digest), size);
}

// The TLS library's reason for the first error it has recorded, in its own words.
QString libraryReason()
{
    const char *reason = ERR_reason_error_string(ERR_get_error());
    ERR_clear_error();
    return reason ? QString::fromLatin1(reason) : u"TLS error"_s;
}

}  // namespace

TlsChannel::TlsChannel(Role role, TlsIdentity &identity, bool exchangeCode)
    : m_role(role), m_exchangeCode(exchangeCode)
{
    ERR_clear_error();
    SSL_CTX *context = identity.context();
    m_ssl = context ? SSL_new(context) : nullptr;
    if (!m_ssl) {
        fail(libraryReason());
        return;
    }
    BIO *in = BIO_new(BIO_s_mem());
    BIO *out = BIO_new(BIO_s_mem());
    BIO_set_mem_eof_return(in, -1);  // nothing to read yet is not the end
    SSL_set_bio(m_ssl, in, out);
    if (role == Client) {
        SSL_set_connect_state(m_ssl);
        QByteArray none;
        advance(none);  // the client speaks first
    } else {
        SSL_set_accept_state(m_ssl);
    }
}

TlsChannel::~TlsChannel()
{
    SSL_free(m_ssl);
}

bool TlsChannel::read(QByteArrayView bytes, QByteArray &text, bool ended)
{
    if (hasFailed())
        return false;
    if (!bytes.isEmpty()) {
        size_t written = 0;
        BIO_write_ex(SSL_get_rbio(m_ssl), bytes.data(), size_t(bytes.size()), &written);
    }
    advance(text);
    if (ended && !m_established && !hasFailed()) {
        // The handshake cut short: the library says so in its own words.
        BIO_set_mem_eof_return(SSL_get_rbio(m_ssl), 0);
        advance(text);
    }
    return !hasFailed() && !m_partnerClosed;
}

// Moves the handshake on, then decrypts what waits; the code exchange takes its messages first.
bool TlsChannel::advance(QByteArray &text)
{
    ERR_clear_error();
    if (!m_established) {
        const int result = SSL_do_handshake(m_ssl);
        if (result != 1)
            return onlyWaits(result);
        established();
        if (hasFailed())
            return false;
    }
    const bool exchanging = m_exchange && !m_exchange->isDone();
    QByteArray &plain = exchanging ? m_plain : text;
    // Decrypted text is never longer than what came in: room is made once.
    plain.reserve(plain.size() + qsizetype(BIO_ctrl_pending(SSL_get_rbio(m_ssl))) + ReadChunkBytes);
    int result = 1;
    while (result == 1 && !m_partnerClosed) {
        const qsizetype at = plain.size();
        plain.resize(at + ReadChunkBytes);
        size_t got = 0;
        result = SSL_read_ex(m_ssl, plain.data() + at, ReadChunkBytes, &got);
        plain.resize(at + qsizetype(got));
    }
    if (!m_partnerClosed)
        onlyWaits(result);
    if (exchanging)
        takeExchange(text);
    return !hasFailed();
}

void TlsChannel::takeExchange(QByteArray &text)
{
    const bool committed = m_exchange->hasPartnerCommitment();
    if (!m_exchange->take(m_plain))
        return fail(u"the partner's code did not match its commitment"_s);
    if (!committed && m_exchange->hasPartnerCommitment())
        reveal();
    if (m_exchange->isDone()) {
        const bool client = m_role == Client;
        const QByteArray &own = m_exchange->nonce();
        const QByteArray &partner = m_exchange->partnerNonce();
        const QByteArray &ownPrint = m_check.ownFingerprint;
        const QByteArray &partnerPrint = m_check.partnerFingerprint;
        m_check.code =
            CodeExchange::code(exporter(), client ? own : partner, client ? partner : own,
                               client ? ownPrint : partnerPrint, client ? partnerPrint : ownPrint);
        m_checked = true;
    }
    text.append(m_plain);
    m_plain.clear();
}

// The handshake is done: with a Parlino the exchange begins, with anyone else text flows.
void TlsChannel::established()
{
    m_established = true;
    m_check.protocol = QString::fromLatin1(SSL_get_version(m_ssl));
    m_check.called = m_role == Server;
    m_check.ownFingerprint = fingerprintOf(SSL_get_certificate(m_ssl));
    m_check.partnerFingerprint = fingerprintOf(SSL_get0_peer_certificate(m_ssl));
    if (m_exchangeCode && isParlino()) {
        m_exchange = std::make_unique<CodeExchange>();
        encrypt(m_exchange->commitment(), false);
    } else {
        m_checked = true;
        sendHeld();
    }
}

void TlsChannel::reveal()
{
    encrypt(m_exchange->nonce(), false);
    m_revealed = true;
    sendHeld();
}

bool TlsChannel::flows() const
{
    return m_established && (!m_exchange || m_revealed);
}

void TlsChannel::write(QByteArrayView text)
{
    if (flows())
        encrypt(text);
    else
        m_held.append(text);
}

void TlsChannel::sendHeld()
{
    if (!m_held.isEmpty())
        encrypt(std::exchange(m_held, {}));
    if (m_closeWanted)
        shutDown();
}

// Text goes a record at a time, and where each record ends in the output is noted: a partner
// that acknowledges part of the output has that much of the text.
void TlsChannel::encrypt(QByteArrayView bytes, bool text)
{
    for (qsizetype at = 0; at < bytes.size() && !hasFailed();) {
        if (SSL_get_shutdown(m_ssl) & SSL_SENT_SHUTDOWN)
            return;
        const QByteArrayView piece = bytes.sliced(at, qMin(RecordBytes, bytes.size() - at));
        ERR_clear_error();
        size_t written = 0;
        const int result = SSL_write_ex(m_ssl, piece.data(), size_t(piece.size()), &written);
        if (result != 1)
            return void(onlyWaits(result));
        at += piece.size();
        if (text) {
            m_textEncrypted += piece.size();
            m_textEnds.append({qint64(BIO_number_written(SSL_get_wbio(m_ssl))), m_textEncrypted});
        }
    }
}

qint64 TlsChannel::textWithin(qint64 outputBytes) const
{
    const auto end = std::upper_bound(
        m_textEnds.cbegin(), m_textEnds.cend(), outputBytes,
        [](qint64 bytes, const std::pair<qint64, qint64> &piece) { return bytes < piece.first; });
    return end == m_textEnds.cbegin() ? m_textForgotten : std::prev(end)->second;
}

void TlsChannel::forgetWithin(qint64 outputBytes)
{
    m_textForgotten = textWithin(outputBytes);
    const auto end = std::find_if(m_textEnds.cbegin(), m_textEnds.cend(),
                                  [&](const auto &piece) { return piece.first > outputBytes; });
    m_textEnds.erase(m_textEnds.cbegin(), end);
}

void TlsChannel::takeOutput(QByteArray &out)
{
    BIO *wire = m_ssl ? SSL_get_wbio(m_ssl) : nullptr;
    const size_t pending = wire ? BIO_ctrl_pending(wire) : 0;
    if (pending == 0)
        return;
    const qsizetype at = out.size();
    out.resize(at + qsizetype(pending));
    size_t got = 0;
    BIO_read_ex(wire, out.data() + at, pending, &got);
    out.resize(at + qsizetype(got));
}

void TlsChannel::close()
{
    m_closeWanted = true;
    if (m_established && m_held.isEmpty())
        shutDown();  // with no text to wait for, the code no longer matters
}

void TlsChannel::shutDown()
{
    if (hasFailed() || (SSL_get_shutdown(m_ssl) & SSL_SENT_SHUTDOWN))
        return;
    SSL_shutdown(m_ssl);  // sends close_notify; the partner's is read as it comes
    ERR_clear_error();
}

bool TlsChannel::isParlino() const
{
    const unsigned char *agreed = nullptr;
    unsigned int size = 0;
    SSL_get0_alpn_selected(m_ssl, &agreed, &size);
    return size == sizeof Alpn - 1 && std::memcmp(agreed, Alpn, size) == 0;
}

QByteArray TlsChannel::exporter() const
{
    QByteArray material(32, '\0');
    if (SSL_export_keying_material(m_ssl, reinterpret_cast<unsigned char *>(material.data()),
                                   size_t(material.size()), ExporterLabel, sizeof ExporterLabel - 1,
                                   nullptr, 0, 0) != 1)
        return {};
    return material;
}

// True when the call's `result` only means that more bytes must come first. Otherwise the
// partner has closed its stream, or the session has failed.
bool TlsChannel::onlyWaits(int result)
{
    switch (SSL_get_error(m_ssl, result)) {
        case SSL_ERROR_WANT_READ:
        case SSL_ERROR_WANT_WRITE:
            return true;
        case SSL_ERROR_ZERO_RETURN:
            m_partnerClosed = true;
            return false;
        default:
            fail(libraryReason());
            return false;
    }
}

void TlsChannel::fail(const QString &reason)
{
    if (m_error.isEmpty())
        m_error = reason;
}
