// SPDX-License-Identifier: MIT
#include "lifecycle.h"

#include "frmmain.h"
#include "winsock.h"

#include <QCoreApplication>
#include <QTimer>

Lifecycle::Lifecycle(frmMain &window, std::optional<int> listenPort, ExitFunction exitNow)
    : QObject(&window),
      m_window(window),
      m_listenPort(listenPort),
      m_exitNow(exitNow ? std::move(exitNow) : [] { QCoreApplication::exit(0); })
{
    connect(&window, &frmMain::unloading, this, &Lifecycle::unload);
    connect(&window, &frmMain::exitChosen, this, &Lifecycle::exit);
}

void Lifecycle::load()
{
    using Box = ChatView::Box;
    Winsock &socket = m_window.socket();
    const QString localPort = m_window.boxText(Box::LocalPort);
    socket.setLocalPort(m_listenPort.value_or(localPort.toInt()));
    m_window.setBoxText(Box::LocalIP, Winsock::LocalIP());
    m_window.appendLine(QStringLiteral("Listening to Port ") + localPort +
                        QStringLiteral(" for new connection requests."));
    if (!socket.Listen()) {
        // Say so once the window is on screen, so the box has the window to stand over.
        const QString error =
            socket.errorText() + QStringLiteral(" You can still connect to a partner.");
        QTimer::singleShot(0, this, [this, error] { m_window.showError(error); });
    }
}

void Lifecycle::unload()
{
    m_window.socket().Close();
}

void Lifecycle::exit()
{
    // Ends the program without the unload step; the socket goes with the window.
    m_exitNow();
}
