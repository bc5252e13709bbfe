// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <memory>

#include "tlsengine.h"

class TlsIdentity;

// The TLS engine of the module: OpenSSL's sessions, with one identity made on first need.
class OpenSslEngine : public QObject, public TlsEngine
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID TlsEngine_iid)
    Q_INTERFACES(TlsEngine)

public:
    OpenSslEngine();
    ~OpenSslEngine() override;
    std::unique_ptr<TlsSession> newSession(TlsSession::Role role, QString &error) override;

private:
    std::unique_ptr<TlsIdentity> m_identity;
};
