// SPDX-License-Identifier: MIT
// Time from asking for the port until the line says it is open, against the router in network
// namespaces of tests/router.sh, beside the router's own client (natpmpc or upnpc) making the
// same mapping in the same run. Prints "RUN KEY MILLISECONDS" lines for scripts/bench.sh.
//   router.sh PROTOCOLS parlino_router_bench NAME RUNS
#include "routerport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <cstdio>

namespace {

constexpr quint16 Port = 1981;

// Milliseconds a command takes, or -1 when it fails.
double timed(const QString &command)
{
    QElapsedTimer clock;
    clock.start();
    const int status = QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), command});
    return status == 0 ? double(clock.nsecsElapsed()) / 1e6 : -1;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    const QString name = arguments.at(1);
    const int runs = arguments.at(2).toInt();
    const bool upnp = name == QStringLiteral("upnp");
    const QString tool =
        upnp ? QStringLiteral("upnpc -a 10.0.0.2 1981 1981 TCP 3600 >/dev/null 2>&1")
             : QStringLiteral("natpmpc -g 10.0.0.1 -a 1981 1981 tcp 3600 >/dev/null 2>&1");
    const QString untool = upnp ? QStringLiteral("upnpc -d 1981 TCP >/dev/null 2>&1")
                                : QStringLiteral("natpmpc -g 10.0.0.1 -a 1981 1981 tcp 0 "
                                                 ">/dev/null 2>&1");
    RouterPort router;
    for (int run = 1; run <= runs; ++run) {
        QSignalSpy answered(&router, &RouterPort::answered);
        QSignalSpy closed(&router, &RouterPort::closed);
        QElapsedTimer clock;
        clock.start();
        router.open(Port);
        answered.wait(10000);
        const double ours = double(clock.nsecsElapsed()) / 1e6;
        const bool open = !answered.isEmpty() &&
                          answered.constFirst().constFirst().value<RouterMapping>().isOpen();
        router.close();
        closed.wait(10000);
        const double theirs = timed(tool);
        timed(untool);
        std::printf("%d router-%s-parlino %.3f\n", run, qPrintable(name), open ? ours : -1.0);
        std::printf("%d router-%s-tool %.3f\n", run, qPrintable(name), theirs);
    }
    return 0;
}
