// SPDX-License-Identifier: MIT
// Bare-QTcpSocket peers for the benchmarks:
//   pong --log F                  answer a caller's lines (the latency baseline)
//   ping --call H:P --log F       send numbered lines, each after the last came back
//   sink --bytes N                read N bytes and throw them away (the throughput baseline)
//   feed --call H:P --bytes N     send the flood stream, then hang up
// Listening modes report "ready port=N" on stdout.
#include "peeroptions.h"
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
    const PeerOptions options(parser);
    parser.addPositionalArgument(QStringLiteral("mode"),
                                 QStringLiteral("pong, ping, sink or feed"));
    parser.process(app);
    const QString mode = parser.positionalArguments().value(0);
    const QStringList target = parser.value(options.call).split(QLatin1Char(':'));

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
        auto *peer =
            new RawPingPong(caller ? 'A' : 'B', parser.value(options.warmup).toInt(),
                            parser.value(options.lines).toInt(), parser.value(options.log));
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
        auto *sink = new RawSink(parser.value(options.bytes).toLongLong());
        QObject::connect(sink, &RawSink::finished, &app, done);
        if (!announce(sink->listen()))
            return EXIT_FAILURE;
    } else if (mode == QStringLiteral("feed")) {
        auto *feeder = new StreamFeeder(parser.value(options.bytes).toLongLong());
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
