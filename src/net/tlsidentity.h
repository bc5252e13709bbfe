// SPDX-License-Identifier: MIT
#pragma once

struct ssl_ctx_st;

// The TLS identity and settings shared by one Winsock's encrypted connections: an ephemeral P-256
// key with a self-signed certificate (CN=Parlino, valid from an hour ago for a day), made in
// memory the first time a connection needs them and never written anywhere. TLS 1.3 is
// preferred, 1.2 the least; only forward-secret key exchange. Partners' certificates are asked
// for and accepted as they are: what vouches for them is the code or the fingerprints the users
// compare.
class TlsIdentity
{
public:
    TlsIdentity() = default;
    ~TlsIdentity();
    TlsIdentity(const TlsIdentity &) = delete;
    TlsIdentity &operator=(const TlsIdentity &) = delete;

    // The settings with the key and certificate, made on the first call; nullptr when the TLS
    // library could not make them.
    ssl_ctx_st *context();
    bool isMade() const { return m_context != nullptr; }

private:
    ssl_ctx_st *m_context = nullptr;
};
