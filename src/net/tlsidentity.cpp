// SPDX-License-Identifier: MIT
#include "tlsidentity.h"

#include <openssl/evp.h>
#include <openssl/rand.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>

#include <memory>

namespace {

constexpr unsigned char Alpn[] = "\x09parlino/1";

template <auto Free>
struct Deleter
{
    template <typename T>
    void operator()(T *p) const
    {
        Free(p);
    }
};
using Key = std::unique_ptr<EVP_PKEY, Deleter<EVP_PKEY_free>>;
using Certificate = std::unique_ptr<X509, Deleter<X509_free>>;

// Every partner's certificate is accepted; the users compare the code or the fingerprints.
int acceptAny(int, X509_STORE_CTX *)
{
    return 1;
}

// A partner that offers parlino/1 gets it; any other goes on without ALPN.
int selectAlpn(SSL *, const unsigned char **out, unsigned char *outLength, const unsigned char *in,
               unsigned int inLength, void *)
{
    unsigned char *chosen = nullptr;
    if (SSL_select_next_proto(&chosen, outLength, Alpn, sizeof Alpn - 1, in, inLength) !=
        OPENSSL_NPN_NEGOTIATED)
        return SSL_TLSEXT_ERR_NOACK;
    *out = chosen;
    return SSL_TLSEXT_ERR_OK;
}

Certificate selfSigned(EVP_PKEY *key)
{
    Certificate certificate(X509_new());
    X509 *x = certificate.get();
    unsigned char serial[16];
    BIGNUM *number = RAND_bytes(serial, sizeof serial) == 1
                         ? BN_bin2bn(serial, sizeof serial - 1, nullptr)  // positive, < 2^120
                         : nullptr;
    X509_NAME *name = X509_get_subject_name(x);
    const bool made = number && X509_set_version(x, X509_VERSION_3) == 1 &&
                      BN_to_ASN1_INTEGER(number, X509_get_serialNumber(x)) &&
                      X509_gmtime_adj(X509_getm_notBefore(x), -3600) &&
                      X509_gmtime_adj(X509_getm_notAfter(x), 24 * 3600) &&
                      X509_set_pubkey(x, key) == 1 &&
                      X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
                                                 reinterpret_cast<const unsigned char *>("Parlino"),
                                                 -1, -1, 0) == 1 &&
                      X509_set_issuer_name(x, name) == 1 && X509_sign(x, key, EVP_sha256()) > 0;
    BN_free(number);
    return made ? std::move(certificate) : nullptr;
}

}  // namespace

TlsIdentity::~TlsIdentity()
{
    SSL_CTX_free(m_context);  // connections still open hold their own reference
}

ssl_ctx_st *TlsIdentity::context()
{
    if (m_context)
        return m_context;
    const Key key(EVP_PKEY_Q_keygen(nullptr, nullptr, "EC", "P-256"));
    const Certificate certificate = key ? selfSigned(key.get()) : nullptr;
    SSL_CTX *context = certificate ? SSL_CTX_new(TLS_method()) : nullptr;
    if (!context)
        return nullptr;
    const bool ready =
        SSL_CTX_use_certificate(context, certificate.get()) == 1 &&
        SSL_CTX_use_PrivateKey(context, key.get()) == 1 &&
        SSL_CTX_set_min_proto_version(context, TLS1_2_VERSION) == 1 &&
        SSL_CTX_set_alpn_protos(context, Alpn, sizeof Alpn - 1) == 0 &&  // what a caller offers
        // TLS 1.2 suites with ephemeral key exchange only; TLS 1.3's are all forward secret.
        SSL_CTX_set_cipher_list(context, "ECDHE+AESGCM:ECDHE+CHACHA20:!aNULL") == 1;
    if (!ready) {
        SSL_CTX_free(context);
        return nullptr;
    }
    SSL_CTX_set_verify(context, SSL_VERIFY_PEER, acceptAny);
    SSL_CTX_set_alpn_select_cb(context, selectAlpn, nullptr);
    SSL_CTX_set_num_tickets(context, 0);  // no resumption: every key lives for one connection
    SSL_CTX_set_options(context, SSL_OP_NO_RENEGOTIATION);
    SSL_CTX_set_session_cache_mode(context, SSL_SESS_CACHE_OFF);
    m_context = context;
    return m_context;
}
