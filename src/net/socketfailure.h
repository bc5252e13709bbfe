// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>
#include <utility>

// What went wrong on the socket, as a fact: the code, and the values a sentence about it needs.
// The socket never words it; the chat layer does, in whole sentences.
struct SocketFailure
{
    enum Code {
        None,
        Busy,             // the socket is doing something else already
        BadLocalPort,     // number: the port
        PortInUse,        // number: the port
        CannotListen,     // number: the port; detail: the system's reason
        BadRemotePort,    // text: the Remote Port box's text
        NoRemoteAddress,  // the address is empty once its brackets are taken off
        NoSuchRequest,    // number: the request id
        CallerGaveUp,     // the caller left before its request was accepted
        NotConnected,     // text was to be sent with no connection
        SendFailed,       // the connection failed under the text
        Refused,          // nothing listens at the address and port
        HostNotFound,
        LookupTimedOut,      // the name server did not answer in time
        TimedOut,            // the remote host did not answer in time
        NetworkError,        // detail: the system's reason
        ConnectFailed,       // detail: the system's reason
        ConnectionLost,      // detail: the system's reason
        EncryptionFailed,    // detail: the TLS library's reason; number: bytes not delivered
        EncryptionTimedOut,  // the handshake was not done in time; number: bytes not delivered
        CodeTimedOut,        // the code's exchange was not done in time; number: as above
        PlainAnswer,         // the partner answered an encrypted call with plain text
        EncryptedEndCut,     // the partner's encrypted stream ended without close_notify
    };

    // How long the encryption handshake, with the exchange of the code, may take.
    static constexpr int EncryptionSeconds = 10;

    SocketFailure(Code code = None, qint64 number = 0, QString text = {}, QString detail = {})
        : code(code), number(number), text(std::move(text)), detail(std::move(detail))
    {
    }

    Code code;
    qint64 number;
    QString text;
    QString detail;
};
