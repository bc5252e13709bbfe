// SPDX-License-Identifier: MIT
#include "routerprotocolsloader.h"

#include "routerprotocols.h"

#include <QCoreApplication>

RouterProtocols *RouterProtocolsLoader::protocols()
{
    if (m_protocols)
        return m_protocols;
    // Where the installed program keeps it, relative to the program's folder; then Qt's plugin
    // paths (the program's folder, QT_PLUGIN_PATH).
    const QString installed = QCoreApplication::applicationDirPath() +
                              QStringLiteral("/" PARLINO_MODULE_FROM_PROGRAM "/parlino_router");
    for (const QString &name : {installed, QStringLiteral("parlino_router")}) {
        m_loader.setFileName(name);
        if (QObject *instance = m_loader.instance()) {
            m_protocols = qobject_cast<RouterProtocols *>(instance);
            if (m_protocols)
                return m_protocols;
        }
    }
    return nullptr;
}
