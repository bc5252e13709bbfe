// SPDX-License-Identifier: MIT
#include "commfunctions.h"

#include "callerratelimit.h"
#include "chatview.h"
#include "failuresentences.h"
#include "privacy.h"
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
    connectTo(false);
}

void Commfunctions::CommConnectEncrypted()
{
    connectTo(true);
}

void Commfunctions::connectTo(bool encrypted)
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
    // The user chose, so nothing more needs saying once the partner answers.
    m_privacyTold = true;
    if (!encrypted) {
        if (!m_socket.Connect(remoteIP, remotePort))
            return reportFailure();
        m_view.appendLine(tr("Connection request has been sent to: %1").arg(remoteIP));
        return;
    }
    if (!m_socket.ConnectEncrypted(remoteIP, remotePort))
        return reportFailure();
    m_view.appendLine(tr("Encrypted connection request has been sent to: %1").arg(remoteIP));
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
    // The caller's address on a line of its own, so the user can tell who is calling, and how
    // the call travels when its first bytes have told already.
    const QString address = m_socket.requestAddress(requestId);
    const Privacy privacy = m_socket.requestPrivacy(requestId);
    QString question;
    if (privacy == Privacy::Encrypted)
        question = tr("Incoming Connection Request, do you wish to allow it?\nFrom %1\nThe call is "
                      "encrypted.")
                       .arg(address);
    else if (privacy == Privacy::Plain)
        question =
            tr("Incoming Connection Request, do you wish to allow it?\nFrom %1\nThe call is not "
               "encrypted.")
                .arg(address);
    else
        question =
            tr("Incoming Connection Request, do you wish to allow it?\nFrom %1").arg(address);
    m_privacyTold = false;
    m_question = requestId;
    m_view.askYesNo(tr("Connection Request"), question, [this, requestId](bool allowed) {
        answerConnectionRequest(requestId, allowed);
    });
}

void Commfunctions::answerConnectionRequest(int requestId, bool allowed)
{
    m_question = NoQuestion;
    if (!allowed) {
        m_socket.Reject(requestId);
        m_view.appendLine(tr("Connection Denied"));
        return;
    }
    if (!m_socket.Accept(requestId)) {
        m_view.showError(FailureSentences::afterAllowing(m_socket.failure()));
        return;
    }
    m_view.appendLine(tr("Connection made"));
}

void Commfunctions::withdrawConnectionRequest(int requestId, const QString &address)
{
    if (m_question != requestId)
        return;
    m_question = NoQuestion;
    m_view.withdrawQuestion();
    m_view.appendLine(tr("A caller from %1 hung up before you answered.").arg(address));
    // As before the call: asking stopped listening.
    if (!m_socket.Listen())
        reportFailure();
}

void Commfunctions::showCallerTurnedAway(const QString &address)
{
    //: %1 is the caller's address, %2 the number of calls a minute that are taken (5).
    m_view.appendLine(
        tr("Calls from %1 are turned away for now: more than %2 came within a minute.")
            .arg(address)
            .arg(CallerRateLimit::CallsPerMinute));
}

void Commfunctions::showArrivedText(qint64 bytesTotal)
{
    Q_UNUSED(bytesTotal)
    QByteArray &strIncoming = m_view.strIncoming();
    m_socket.GetData(strIncoming);
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

void Commfunctions::showLateHandshake()
{
    m_view.appendLine(
        tr("The caller began an encrypted connection too late: this conversation "
           "is not encrypted, and what the caller sent shows as text."));
}

void Commfunctions::reportUndelivered(qint64 bytes)
{
    m_view.appendLine(FailureSentences::undelivered(bytes));
}

void Commfunctions::showPrivacy(Privacy privacy)
{
    m_view.showEncrypted(privacy == Privacy::Encrypted);
    if (privacy == Privacy::Encrypted)
        m_view.appendLine(tr("This conversation is encrypted."));
    else if (privacy == Privacy::Plain && !m_privacyTold)
        m_view.appendLine(tr("This conversation is not encrypted."));
}

namespace {

// Four hexadecimal digits a group, as ncat prints fingerprints.
QString groupedHex(const QByteArray &bytes)
{
    const QByteArray hex = bytes.toHex().toUpper();
    QString grouped;
    for (qsizetype i = 0; i < hex.size(); i += 4) {
        if (i > 0)
            grouped += QLatin1Char(' ');
        grouped += QLatin1String(hex.mid(i, 4));
    }
    return grouped;
}

}  // namespace

void Commfunctions::showPrivacyCheck(const PrivacyCheck &check)
{
    if (!check.code.isEmpty()) {
        //: %1 is a six-digit code, shown as two groups of three digits.
        m_view.appendLine(tr("Security code: %1. Compare it with your partner's code by another "
                             "channel, for example by telephone. If the codes differ, someone "
                             "can read and change this conversation.")
                              .arg(check.code.left(3) + QLatin1Char(' ') + check.code.mid(3)));
        return;
    }
    // One fingerprint, the same certificate's on both sides: there is no other pair to compare.
    //: %1 is a SHA-256 fingerprint in groups of four hexadecimal digits.
    m_view.appendLine(
        tr("The other end of the connection is not Parlino, so there is no security code. "
           "SHA-256 fingerprint of the certificate of the side that was called: %1. By another "
           "channel, check that your partner sees the same fingerprint for that certificate; if "
           "not, someone can read and change this conversation.")
            .arg(groupedHex(check.calledFingerprint())));
    // A calling Parlino always offers its protocol and a called one always agrees to it, so a
    // Parlino partner in this conversation means someone in between kept them from agreeing.
    m_view.appendLine(
        tr("If your partner is using Parlino, someone is between you: end the conversation."));
}

void Commfunctions::showSocketFailure(const SocketFailure &failure)
{
    // A conversation that has ended, or an encrypted one that could not begin, is part of its
    // story, and no box interrupts the user for it.
    switch (failure.code) {
        case SocketFailure::EncryptionFailed:
        case SocketFailure::EncryptionTimedOut:
        case SocketFailure::CodeTimedOut:
            m_view.appendLine(FailureSentences::of(failure));
            if (failure.number > 0)
                m_view.appendLine(FailureSentences::undelivered(failure.number));
            return;
        case SocketFailure::ConnectionLost:
        case SocketFailure::PlainAnswer:
        case SocketFailure::EncryptedEndCut:
            return m_view.appendLine(FailureSentences::of(failure));
        default:
            return m_view.showError(FailureSentences::of(failure));
    }
}
