// SPDX-License-Identifier: MIT
#include "lifecycle.h"

#include "failuresentences.h"
#include "frmmain.h"
#include "routerport.h"
#include "winsock.h"

#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <utility>

Lifecycle::Lifecycle(frmMain &window, std::optional<int> listenPort, ExitFunction exitNow)
    : QObject(&window),
      m_window(window),
      m_listenPort(listenPort),
      m_exitNow(exitNow ? std::move(exitNow) : [](int status) { QCoreApplication::exit(status); })
{
    connect(&window, &frmMain::unloading, this, &Lifecycle::exit);
    connect(&window, &frmMain::exitChosen, this, &Lifecycle::exit);
}

void Lifecycle::load()
{
    using Box = ChatView::Box;
    Winsock &socket = m_window.socket();
    const QString localPort = m_window.boxText(Box::LocalPort);
    socket.setLocalPort(m_listenPort.value_or(localPort.toInt()));
    m_window.setBoxText(Box::LocalIP, Winsock::LocalIP());
    if (socket.Listen()) {
        // The port the socket listens on: the box's number, or the one the system chose for 0.
        m_window.appendLine(
            tr("Listening to Port %1 for new connection requests.").arg(socket.LocalPort()));
        return;
    }
    // Say so once the window is on screen, so the box has the window to stand over.
    const QString error = FailureSentences::atStartUp(socket.failure());
    QTimer::singleShot(0, this, [this, error] { m_window.showError(error); });
}

void Lifecycle::exit()
{
    // The window's unload step closes the socket, and File ▸ Exit ends the program with the
    // process, which leaves the same to do. The window goes at once; the connection delivers
    // what was sent first.
    m_window.closeForGood();
    m_window.socket().Close();
    // Nobody would see what the partner still says.
    m_window.socket().stopWaitingForPartners();
    // The port forwarded on the router is given back before the program ends.
    RouterPort &router = m_window.router();
    m_routerClosed = router.isOff();
    if (!m_routerClosed) {
        connect(&router, &RouterPort::closed, this, [this] {
            m_routerClosed = true;
            endIfDone();
        });
        router.close();
    }
    endWhenDelivered();
}

void Lifecycle::endWhenDelivered()
{
    if (std::exchange(m_ending, true))
        return;
    Winsock &socket = m_window.socket();
    m_delivered = !socket.isDelivering();
    connect(&socket, &Winsock::undelivered, this, [this](qint64 bytes) {
        // The window is gone, so there is nowhere else to say it.
        std::fprintf(stderr, "parlino: %s\n", qUtf8Printable(FailureSentences::undelivered(bytes)));
        m_textLost = true;
    });
    connect(&socket, &Winsock::deliveryFinished, this, [this] {
        m_delivered = true;
        endIfDone();
    });
    endIfDone();
}

void Lifecycle::endIfDone()
{
    if (m_ending && m_delivered && m_routerClosed && !std::exchange(m_ended, true))
        m_exitNow(m_textLost ? EXIT_FAILURE : EXIT_SUCCESS);
}
