// SPDX-License-Identifier: MIT
// The program's main window, started as the program starts it but on a port the benchmarks
// choose, with probes that report to the harness on stdout. Modes:
//   idle                      start, report "ready port=N", then wait to be ended
//   pong --log F              answer a caller's lines, writing the times to F
//   ping --call H:P --log F   call H:P and send numbered lines, each after the last came back
//   flood --bytes N           report when a peer's N bytes have been appended to the list
//   list                      time the conversation list in this process and exit
#include "floodprobe.h"
#include "frmmain.h"
#include "lifecycle.h"
#include "listbench.h"
#include "peeroptions.h"
#include "readyprobe.h"
#include "windowpingpong.h"
#include "winsock.h"
#include "yesprompter.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>
#include <cstdlib>
#include "conversationlist.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Parlino"));
    QApplication::setOrganizationDomain(QStringLiteral("parlino.invalid"));

    QCommandLineParser parser;
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("Listening port."),
                                  QStringLiteral("port"), QStringLiteral("0"));
    parser.addOption(port);
    const PeerOptions options(parser);
    parser.addPositionalArgument(QStringLiteral("mode"),
                                 QStringLiteral("idle, pong, ping, flood or list"));
    parser.process(app);
    const QString mode = parser.positionalArguments().value(0, QStringLiteral("idle"));

    if (mode == QStringLiteral("list")) {
        ListBench bench;
        bench.run();
        return EXIT_SUCCESS;
    }

    frmMain window(std::make_unique<YesPrompter>());
    Lifecycle lifecycle(window, parser.value(port).toInt());
    lifecycle.load();

    auto *ready = new ReadyProbe(*window.List1->viewport());
    auto report = [](bool ok) {
        std::printf("done ok=%d\n", ok);
        std::fflush(stdout);
    };
    if (mode == QStringLiteral("ping") || mode == QStringLiteral("pong")) {
        const bool caller = mode == QStringLiteral("ping");
        auto *peer =
            new WindowPingPong(window, caller ? 'A' : 'B', parser.value(options.warmup).toInt(),
                               parser.value(options.lines).toInt(), parser.value(options.log));
        QObject::connect(peer, &WindowPingPong::finished, &app, [caller, report](bool ok) {
            report(ok);
            if (caller)
                QApplication::exit(ok ? EXIT_SUCCESS : EXIT_FAILURE);
        });
        if (caller) {
            const QStringList target = parser.value(options.call).split(QLatin1Char(':'));
            QObject::connect(ready, &ReadyProbe::ready, peer, [peer, target] {
                peer->call(target.value(0), target.value(1).toInt());
            });
        }
    } else if (mode == QStringLiteral("flood")) {
        auto *probe = new FloodProbe(window, parser.value(options.bytes).toLongLong());
        QObject::connect(probe, &FloodProbe::finished, &app, report);
    }
    QObject::connect(ready, &ReadyProbe::ready, &app, [&window] {
        std::printf("ready port=%d\n", window.socket().LocalPort());
        std::fflush(stdout);
    });
    window.show();
    return app.exec();
}
