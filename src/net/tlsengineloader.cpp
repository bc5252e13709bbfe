// SPDX-License-Identifier: MIT
#include "tlsengineloader.h"

#include "tlsengine.h"

#include <QCoreApplication>
#include <QFileInfo>

TlsEngine *TlsEngineLoader::engine()
{
    if (m_engine)
        return m_engine;
    // Where the installed program keeps it, relative to the program's folder; then Qt's plugin
    // paths (the program's folder, QT_PLUGIN_PATH).
    const QString installed = QCoreApplication::applicationDirPath() +
                              QStringLiteral("/" PARLINO_TLS_MODULE_FROM_PROGRAM "/parlino_tls");
    for (const QString &name : {installed, QStringLiteral("parlino_tls")}) {
        m_loader.setFileName(name);
        if (QObject *instance = m_loader.instance()) {
            m_engine = qobject_cast<TlsEngine *>(instance);
            if (m_engine)
                return m_engine;
        }
    }
    return nullptr;
}
