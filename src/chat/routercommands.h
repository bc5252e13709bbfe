// SPDX-License-Identifier: MIT
// Communications ▸ Open Port on Router: the command, and the lines that tell the user what the
// router answered.
#pragma once

#include <QCoreApplication>

class ChatView;
class RouterPort;
class Winsock;
struct RouterMapping;

class RouterCommands
{
    Q_DECLARE_TR_FUNCTIONS(RouterCommands)

public:
    RouterCommands(ChatView &view, RouterPort &router, Winsock &socket)
        : m_view(view), m_router(router), m_socket(socket)
    {
    }

    // The user turned the item on or off.
    void CommOpenPortOnRouter(bool on);

    // The handlers of the router port's events.
    void showAnswer(const RouterMapping &mapping);
    void showLoss(const RouterMapping &mapping);
    void showPinhole(const RouterMapping &mapping);
    void showClosed();

private:
    // Why the port is not open, or no longer: one sentence.
    QString whyNotOpen(const RouterMapping &mapping) const;

    ChatView &m_view;
    RouterPort &m_router;
    Winsock &m_socket;
    bool m_closing = false;  // the user turned it off: say so once it is done
};
