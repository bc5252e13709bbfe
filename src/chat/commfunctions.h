// SPDX-License-Identifier: MIT
// The user's commands and the handlers of the socket's events. Each acts on the one window that
// owns it, reading the boxes' texts at the moment it runs.
#pragma once

#include <QCoreApplication>
#include <QtGlobal>

class ChatView;
class QString;
class Winsock;
struct PrivacyCheck;
struct SocketFailure;
enum class Privacy;

class Commfunctions
{
    Q_DECLARE_TR_FUNCTIONS(Commfunctions)

public:
    Commfunctions(ChatView &view, Winsock &socket) : m_view(view), m_socket(socket) {}

    void CommConnect();
    // Calls like CommConnect, and the conversation is encrypted.
    void CommConnectEncrypted();
    void CommDisconnect();
    void CommListen();
    void CommSend();

    // The handlers of the socket's ConnectionRequest and DataArrival events.
    void askAboutConnectionRequest(int requestId);
    // The caller hung up before the user answered: the question goes, and listening goes on.
    void withdrawConnectionRequest(int requestId, const QString &address);
    void showCallerTurnedAway(const QString &address);
    void showArrivedText(qint64 bytesTotal);
    // A failure the socket reports after the command that caused it has returned.
    void showSocketFailure(const SocketFailure &failure);
    void reportUndelivered(qint64 bytes);
    // The socket found out whether the conversation is encrypted, or the conversation ended.
    void showPrivacy(Privacy privacy);
    // What the two users compare to know that nobody sits between them.
    void showPrivacyCheck(const PrivacyCheck &check);
    // A caller taken for plain began an encrypted handshake after all.
    void showLateHandshake();

private:
    bool connected() const;
    // While the connection question is open no command runs: one that reaches the window
    // anyway (an assistive technology can press a button behind a modal box) is ignored.
    bool asking() const { return m_question != NoQuestion; }
    void answerConnectionRequest(int requestId, bool allowed);
    void appendListeningLine();
    void connectTo(bool encrypted);
    void reportFailure();

    static constexpr int NoQuestion = -1;

    ChatView &m_view;
    Winsock &m_socket;
    int m_question = NoQuestion;  // the request the open question is about
    // The user chose how to call, so nothing more needs saying once the partner answers.
    bool m_privacyTold = false;
};
