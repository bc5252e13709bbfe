// SPDX-License-Identifier: MIT
#include "failuresentences.h"

#include "socketfailure.h"

#include <limits>

QString FailureSentences::of(const SocketFailure &failure)
{
    switch (failure.code) {
        case SocketFailure::None:
            return {};
        case SocketFailure::Busy:
            return tr("The connection is busy with something else; close it first.");
        case SocketFailure::BadLocalPort:
            return tr("Port %1 is not a port number from 1 to 65535.").arg(failure.number);
        case SocketFailure::PortInUse:
            return tr("Port %1 is already in use by another program, so no connection requests "
                      "can be received.")
                .arg(failure.number);
        case SocketFailure::CannotListen:
            //: %2 is the system's reason, for example "Permission denied".
            return tr("Cannot listen on port %1: %2.").arg(failure.number).arg(failure.detail);
        case SocketFailure::BadRemotePort:
            //: %1 is the text of the Remote Port box, quoted as typed.
            return tr("The remote port \"%1\" is not a number from 1 to 65535.").arg(failure.text);
        case SocketFailure::NoRemoteAddress:
            return tr("No remote address was given.");
        case SocketFailure::NoSuchRequest:
            return tr("There is no connection request %1 to accept.").arg(failure.number);
        case SocketFailure::CallerGaveUp:
            return tr("The caller gave up before the request was accepted.");
        case SocketFailure::NotConnected:
            return tr("The text could not be sent: there is no connection.");
        case SocketFailure::SendFailed:
            return tr("The text could not be sent: the connection to the partner has failed.");
        case SocketFailure::Refused:
            return tr(
                "The connection was refused: nothing is listening at that address and "
                "port.");
        case SocketFailure::HostNotFound:
            return tr("The remote host could not be found.");
        case SocketFailure::LookupTimedOut:
            return tr(
                "The name of the remote host could not be looked up: the name server did "
                "not answer in time.");
        case SocketFailure::TimedOut:
            return tr("The connection attempt timed out: the remote host did not answer.");
        case SocketFailure::NetworkError:
            //: %1 is the system's reason.
            return tr("The network reported an error: %1.").arg(failure.detail);
        case SocketFailure::ConnectFailed:
            //: %1 is the system's reason.
            return tr("The connection failed: %1.").arg(failure.detail);
        case SocketFailure::ConnectionLost:
            return connectionLost(failure);
        case SocketFailure::EncryptionFailed:
            //: %1 is the encryption library's reason, for example "wrong version number".
            return tr("The encrypted connection failed: %1.").arg(failure.detail);
        case SocketFailure::EncryptionTimedOut:
            //: %1 is a number of seconds, 10 or more.
            return tr("The encrypted connection could not be set up: the partner did not finish "
                      "the handshake within %1 seconds.")
                .arg(SocketFailure::EncryptionSeconds);
        case SocketFailure::CodeTimedOut:
            //: %1 is a number of seconds, 10 or more.
            return tr("The partner did not finish the exchange of the security code within %1 "
                      "seconds, so the conversation was closed: without the code, nobody can "
                      "tell whether someone is between you.")
                .arg(SocketFailure::EncryptionSeconds);
        case SocketFailure::EncryptedEndCut:
            return tr(
                "The encrypted connection ended without the partner's closing signal: "
                "the partner's last text may have been cut off on the way.");
        case SocketFailure::PlainAnswer:
            return tr(
                "The partner answered the encrypted call with plain text, so the "
                "connection was closed.");
    }
    return {};
}

QString FailureSentences::connectionLost(const SocketFailure &failure)
{
    const int bytes = int(qMin<qint64>(failure.number, std::numeric_limits<int>::max()));
    if (failure.detail.isEmpty())
        return tr(
            "The partner reset the connection. %n byte(s) sent to the partner were not "
            "delivered.",
            nullptr, bytes);
    if (bytes == 0)
        //: %1 is the system's reason, for example "Connection timed out".
        return tr("The connection to the partner was lost: %1.").arg(failure.detail);
    //: %1 is the system's reason, for example "Connection timed out".
    return tr("The connection to the partner was lost: %1. %n byte(s) sent to the partner were "
              "not delivered.",
              nullptr, bytes)
        .arg(failure.detail);
}

QString FailureSentences::undelivered(qint64 bytes)
{
    return tr(
        "%n byte(s) sent to the partner were not delivered: the partner stopped taking "
        "text before the connection ended.",
        nullptr, int(qMin<qint64>(bytes, std::numeric_limits<int>::max())));
}

QString FailureSentences::atStartUp(const SocketFailure &failure)
{
    switch (failure.code) {
        case SocketFailure::BadLocalPort:
            return tr("Port %1 is not a port number from 1 to 65535. You can still connect to a "
                      "partner.")
                .arg(failure.number);
        case SocketFailure::PortInUse:
            return tr("Port %1 is already in use by another program, so no connection requests "
                      "can be received. You can still connect to a partner.")
                .arg(failure.number);
        default:
            //: %2 is the system's reason, for example "Permission denied".
            return tr("Cannot listen on port %1: %2. You can still connect to a partner.")
                .arg(failure.number)
                .arg(failure.detail);
    }
}

QString FailureSentences::afterAllowing(const SocketFailure &failure)
{
    switch (failure.code) {
        case SocketFailure::CallerGaveUp:
            return tr(
                "The caller gave up before the request was accepted. Parlino is not "
                "listening now; Listen waits for another request.");
        case SocketFailure::NoSuchRequest:
            return tr("There is no connection request %1 to accept. Parlino is not listening "
                      "now; Listen waits for another request.")
                .arg(failure.number);
        default:
            return tr(
                "The connection is busy with something else, so the request was not "
                "accepted. Parlino is not listening now; Listen waits for another "
                "request.");
    }
}
