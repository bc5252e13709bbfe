// SPDX-License-Identifier: MIT
#pragma once

#include <QPluginLoader>
#include <QString>

class TlsEngine;

// Loads the TLS module the first time engine() is asked for, and keeps it loaded.
class TlsEngineLoader
{
public:
    // Null when the module cannot be loaded; errorString() says why.
    TlsEngine *engine();
    QString errorString() const { return m_loader.errorString(); }

private:
    QPluginLoader m_loader;
    TlsEngine *m_engine = nullptr;
};
