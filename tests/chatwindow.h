// SPDX-License-Identifier: MIT
// A main window as the program starts it, listening on a free port, with scripted boxes; and
// the moves of a conversation that the tests share.
#pragma once

#include "frmmain.h"
#include "lifecycle.h"
#include "scriptedprompter.h"
#include "winsock.h"

#include <QHostAddress>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTcpSocket>
#include <QTest>
#include <memory>
#include "conversationlist.h"

inline const QString StartLine =
    QStringLiteral("Listening to Port 1981 for new connection requests.");

struct ChatWindow
{
    explicit ChatWindow(int listenPort = 0)
    {
        auto scripted = std::make_unique<ScriptedPrompter>();
        prompter = scripted.get();
        window = std::make_unique<frmMain>(std::move(scripted));
        auto *lifecycle = new Lifecycle(*window, listenPort, [this] { ++exits; });
        lifecycle->load();
    }

    int port() const { return window->socket().LocalPort(); }
    Winsock::SocketState state() const { return window->socket().State(); }
    bool connected() const { return state() == Winsock::sckConnected; }

    QStringList lines() const
    {
        QStringList result;
        for (int row = 0; row < window->List1->count(); ++row)
            result.append(window->List1->entry(row));
        return result;
    }

    // What Disconnect and Listen write: the port the socket listens on.
    QString listenLine() const
    {
        return QStringLiteral("Listening to port %1 for new connection requests.").arg(port());
    }

    // The entries after the first `skip`, run together: what a peer's text became.
    QString joined(int skip) const { return lines().mid(skip).join(QString()); }

    std::unique_ptr<frmMain> window;
    ScriptedPrompter *prompter = nullptr;
    int exits = 0;
};

// A raw socket calling the window, as netcat or telnet would.
inline std::unique_ptr<QTcpSocket> call(const ChatWindow &callee)
{
    auto peer = std::make_unique<QTcpSocket>();
    peer->connectToHost(QHostAddress::LocalHost, quint16(callee.port()));
    return peer;
}

inline void aimAt(ChatWindow &caller, const ChatWindow &callee)
{
    caller.window->txtRemoteIP->setText(QStringLiteral("127.0.0.1"));
    caller.window->txtRemotePort->setText(QString::number(callee.port()));
}

// The caller presses Connect (or its menu item) and the callee's user answers Yes.
inline bool connectPair(ChatWindow &caller, ChatWindow &callee, bool viaMenu = false)
{
    aimAt(caller, callee);
    callee.prompter->answerYes = true;
    viaMenu ? caller.window->mnuCommunicationsConnect->trigger()
            : caller.window->cmdConnect->click();
    return QTest::qWaitFor([&] { return caller.connected() && callee.connected(); });
}

inline void say(ChatWindow &chat, const QString &name, const QString &message)
{
    chat.window->txtDisplayName->setText(name);
    chat.window->txtMessage->setText(message);
    chat.window->cmdSend->click();
}
