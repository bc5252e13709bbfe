// SPDX-License-Identifier: MIT
// Bare-QTcpSocket peers for the benchmarks:
//   pong --log F                  answer a caller's lines (the latency baseline)
//   ping --call H:P --log F       send numbered lines, each after the last came back
//   sink --bytes N                read N bytes and throw them away (the throughput baseline)
//   feed --call H:P --bytes N     send the flood stream, then hang up
// Listening modes report "ready port=N" on stdout.
#include "rawpingpong.h"
#include "rawsink.h"
#include "streamfeeder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption call(QStringLiteral("call"), QStringLiteral("Partner to call."),
                                  QStringLiteral("host:port"));
    const QCommandLineOption lines(QStringLiteral("lines"), QStringLiteral("Lines to time."),
                                   QStringLiteral("count"), QStringLiteral("10000"));
    const QCommandLineOption warmup(QStringLiteral("warmup"), QStringLiteral("Untimed lines."),
                                    QStringLiteral("count"), QStringLiteral("100"));
    const QCommandLineOption log(QStringLiteral("log"), QStringLiteral("Time stamp file."),
                                 QStringLiteral("path"));
    const QCommandLineOption bytes(QStringLiteral("bytes"), QStringLiteral("Flood size."),
                                   QStringLiteral("bytes"), QStringLiteral("0"));
    parser.addOptions({call, lines, warmup, log, bytes});
    parser.addPositionalArgument(QStringLiteral("mode"),
                                 QStringLiteral("pong, ping, sink or feed"));
    parser.process(app);
    const QString mode = parser.positionalArguments().value(0);
    const QStringList target = parser.value(call).split(QLatin1Char(':'));

    auto announce = [](int port) {
        std::printf("ready port=%d\n", port);
        std::fflush(stdout);
        return port != 0;
    };
    auto done = [](bool ok) {
        std::printf("done ok=%d\n", ok);
        std::fflush(stdout);
    };

    if (mode == QStringLiteral("pong") || mode == QStringLiteral("ping")) {
        const bool caller = mode == QStringLiteral("ping");
        auto *peer = new RawPingPong(caller ? 'A' : 'B', parser.value(warmup).toInt(),
                                     parser.value(lines).toInt(), parser.value(log));
        QObject::connect(peer, &RawPingPong::finished, &app, [caller, done](bool ok) {
            done(ok);
            if (caller)
                QCoreApplication::exit(ok ? EXIT_SUCCESS : EXIT_FAILURE);
        });
        if (caller)
            peer->call(target.value(0), target.value(1).toInt());
        else if (!announce(peer->listen()))
            return EXIT_FAILURE;
    } else if (mode == QStringLiteral("sink")) {
        auto *sink = new RawSink(parser.value(bytes).toLongLong());
        QObject::connect(sink, &RawSink::finished, &app, done);
        if (!announce(sink->listen()))
            return EXIT_FAILURE;
    } else if (mode == QStringLiteral("feed")) {
        auto *feeder = new StreamFeeder(parser.value(bytes).toLongLong());
        QObject::connect(feeder, &StreamFeeder::finished, &app, [done](bool ok) {
            done(ok);
            QCoreApplication::exit(ok ? EXIT_SUCCESS : EXIT_FAILURE);
        });
        feeder->start(target.value(0), target.value(1).toInt());
    } else {
        parser.showHelp(EXIT_FAILURE);
    }
    return app.exec();
}
