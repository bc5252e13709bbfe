// SPDX-License-Identifier: MIT
#pragma once

#include <QtPlugin>
#include <memory>

#include "tlssession.h"

// Makes the TLS sessions of encrypted conversations, all with one key and certificate that it
// makes in memory for the first of them. It lives in a module of its own, with the TLS library,
// which TlsEngineLoader loads when the first encrypted conversation needs it: a program that
// never encrypts never loads them.
class TlsEngine
{
public:
    virtual ~TlsEngine() = default;
    // Null, with the reason in `error`, when no key could be made.
    virtual std::unique_ptr<TlsSession> newSession(TlsSession::Role role, QString &error) = 0;
};

#define TlsEngine_iid "org.parlino.TlsEngine/1"
Q_DECLARE_INTERFACE(TlsEngine, TlsEngine_iid)
