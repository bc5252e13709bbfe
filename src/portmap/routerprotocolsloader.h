// SPDX-License-Identifier: MIT
#pragma once

#include <QPluginLoader>
#include <QString>

class RouterProtocols;

// Loads the router module the first time protocols() is asked for, and keeps it loaded.
class RouterProtocolsLoader
{
public:
    // Null when the module cannot be loaded; errorString() says why.
    RouterProtocols *protocols();
    QString errorString() const { return m_loader.errorString(); }

private:
    QPluginLoader m_loader;
    RouterProtocols *m_protocols = nullptr;
};
