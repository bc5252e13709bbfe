// SPDX-License-Identifier: MIT
// The user's commands and the handlers of the socket's events. Each acts on the one window that
// owns it, reading the boxes' texts at the moment it runs.
#pragma once

#include <QtGlobal>

class ChatView;
class QString;
class Winsock;

class Commfunctions
{
public:
    Commfunctions(ChatView &view, Winsock &socket) : m_view(view), m_socket(socket) {}

    void CommConnect();
    void CommDisconnect();
    void CommListen();
    void CommSend();

    void ConnectionRequest(int requestId);
    void DataArrival(qint64 bytesTotal);
    void reportSocketError(const QString &description);

private:
    bool connected() const;
    void appendListeningLine();
    void reportFailure();

    ChatView &m_view;
    Winsock &m_socket;
};
