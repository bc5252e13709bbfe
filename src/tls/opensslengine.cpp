// SPDX-License-Identifier: MIT
#include "opensslengine.h"

#include "tlschannel.h"
#include "tlsidentity.h"

OpenSslEngine::OpenSslEngine() : m_identity(std::make_unique<TlsIdentity>()) {}

OpenSslEngine::~OpenSslEngine() = default;

std::unique_ptr<TlsSession> OpenSslEngine::newSession(TlsSession::Role role, QString &error)
{
    auto session = std::make_unique<TlsChannel>(role, *m_identity);
    if (session->hasFailed()) {
        error = session->error();
        return nullptr;
    }
    return session;
}
