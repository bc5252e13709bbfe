// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>

struct SocketFailure;

// What the user is told when the socket fails, each a whole sentence for translators.
class FailureSentences
{
    Q_DECLARE_TR_FUNCTIONS(FailureSentences)

public:
    // A command, or the connection, failed.
    static QString of(const SocketFailure &failure);
    // Listening failed at start-up; the user can still call a partner.
    static QString atStartUp(const SocketFailure &failure);
    // Accepting a request the user allowed failed; nothing listens until Listen.
    static QString afterAllowing(const SocketFailure &failure);
    // The conversation ended before the partner had taken everything sent.
    static QString undelivered(qint64 bytes);

private:
    static QString connectionLost(const SocketFailure &failure);
};
