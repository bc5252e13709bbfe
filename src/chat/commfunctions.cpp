// SPDX-License-Identifier: MIT
#include "commfunctions.h"

#include "chatview.h"
#include "failuresentences.h"
#include "socketfailure.h"
#include "winsock.h"

using Box = ChatView::Box;

bool Commfunctions::connected() const
{
    return m_socket.State() == Winsock::sckConnected;
}

void Commfunctions::appendListeningLine()
{
    // The port the socket listens on: the Local Port box is applied only at start-up, so after
    // an edit its text may say something else.
    m_view.appendLine(
        tr("Listening to port %1 for new connection requests.").arg(m_socket.LocalPort()));
}

// A failure the socket raised at once: the command stops where it is, and the user is told why.
void Commfunctions::reportFailure()
{
    m_view.showError(FailureSentences::of(m_socket.failure()));
}

void Commfunctions::CommConnect()
{
    if (asking())
        return;
    if (connected()) {
        m_view.showError(
            tr("You are already connected to: %1You must disconnect before proceeding.")
                .arg(m_view.boxText(Box::RemoteIP)));
        return;
    }
    const QString remoteIP = m_view.boxText(Box::RemoteIP);
    if (remoteIP.isEmpty()) {
        m_view.showError(tr("You must give me a Remote IP Address to connect to."));
        return;
    }
    // A port text that is no port is refused before listening stops.
    const QString remotePort = m_view.boxText(Box::RemotePort);
    if (!m_socket.checkRemote(remoteIP, remotePort))
        return reportFailure();
    m_socket.Close();
    if (!m_socket.Connect(remoteIP, remotePort))
        return reportFailure();
    m_view.appendLine(tr("Connection request has been sent to: %1").arg(remoteIP));
}

void Commfunctions::CommDisconnect()
{
    if (asking())
        return;
    if (!connected()) {
        m_view.showError(tr("You are already disconnected, cannot disconnect again."));
        return;
    }
    m_socket.Close();
    const bool listening = m_socket.Listen();
    m_view.appendLine(tr("Disconnected"));
    if (!listening)
        return reportFailure();
    appendListeningLine();
}

void Commfunctions::CommListen()
{
    if (asking())
        return;
    m_socket.Close();
    if (!m_socket.Listen())
        return reportFailure();
    appendListeningLine();
}

void Commfunctions::CommSend()
{
    if (asking())
        return;
    if (!connected()) {
        m_view.showError(tr("You must first be connected to another computer."));
        return;
    }
    const QString displayName = m_view.boxText(Box::DisplayName);
    if (displayName.isEmpty()) {
        m_view.showError(tr("Please enter a display name."));
        m_view.focusDisplayName();
        return;
    }
    const QString chatLine = displayName + QStringLiteral(" : ") + m_view.boxText(Box::Message);
    if (!m_socket.SendData(chatLine))
        return reportFailure();
    m_view.appendSentLine(chatLine);
    m_view.setBoxText(Box::Message, QString());
}

void Commfunctions::askAboutConnectionRequest(int requestId)
{
    m_socket.Close();
    // The caller's address on a line of its own, so the user can tell who is calling.
    const QString question = tr("Incoming Connection Request, do you wish to allow it?\nFrom %1")
                                 .arg(m_socket.requestAddress(requestId));
    m_asking = true;
    const bool allowed = m_view.askYesNo(tr("Connection Request"), question);
    m_asking = false;
    if (!allowed) {
        m_view.appendLine(tr("Connection Denied"));
        return;
    }
    if (!m_socket.Accept(requestId)) {
        m_view.showError(FailureSentences::afterAllowing(m_socket.failure()));
        return;
    }
    m_view.appendLine(tr("Connection made"));
}

void Commfunctions::showArrivedText(qint64 bytesTotal)
{
    Q_UNUSED(bytesTotal)
    QByteArray &strIncoming = m_view.strIncoming();
    m_socket.GetData(strIncoming);
    // A nested event loop may already have taken this arrival's text with an earlier one.
    if (strIncoming.isEmpty() || m_view.appendReceived(strIncoming))
        return;
    // Text that arrives after Disconnect finds no room either: there is nothing to close.
    if (!connected())
        return;
    // A partner that sends without end would take all the memory there is.
    m_socket.Close();
    m_view.showError(tr("The partner has sent more text than one conversation can hold (%1 "
                        "MiB), so the connection was closed. Everything shown before stays in "
                        "the list.")
                         .arg(m_view.textLimit() / (1024 * 1024)));
}

void Commfunctions::reportUndelivered(qint64 bytes)
{
    m_view.appendLine(FailureSentences::undelivered(bytes));
}

void Commfunctions::showSocketFailure(const SocketFailure &failure)
{
    // A conversation that has ended is part of its story, and no box interrupts the user for it.
    if (failure.code == SocketFailure::ConnectionLost)
        m_view.appendLine(FailureSentences::of(failure));
    else
        m_view.showError(FailureSentences::of(failure));
}
