// SPDX-License-Identifier: MIT
// The command-line options that the window's bench program and the bare-socket peer share.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>

struct PeerOptions
{
    explicit PeerOptions(QCommandLineParser &parser)
    {
        parser.addOptions({call, lines, warmup, log, bytes});
    }

    const QCommandLineOption call{QStringLiteral("call"), QStringLiteral("Partner to call."),
                                  QStringLiteral("host:port")};
    const QCommandLineOption lines{QStringLiteral("lines"), QStringLiteral("Lines to time."),
                                   QStringLiteral("count"), QStringLiteral("10000")};
    const QCommandLineOption warmup{QStringLiteral("warmup"), QStringLiteral("Untimed lines."),
                                    QStringLiteral("count"), QStringLiteral("100")};
    const QCommandLineOption log{QStringLiteral("log"), QStringLiteral("Time stamp file."),
                                 QStringLiteral("path")};
    const QCommandLineOption bytes{QStringLiteral("bytes"), QStringLiteral("Flood size."),
                                   QStringLiteral("bytes"), QStringLiteral("0")};
};
