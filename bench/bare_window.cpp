// SPDX-License-Identifier: MIT
// The baseline for start-up and memory: the least a Qt Widgets program can do for the same
// job. It shows an empty main window, then listens; it stops listening when the first caller
// is taken, so a harness can see that its event loop is running.
//   bench_bare_window [--port N]   reports "ready port=N" once the window has been drawn
#include "readyprobe.h"

#include <QApplication>
#include <QMainWindow>
#include <QTcpServer>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    const qsizetype portAt = args.indexOf(QStringLiteral("--port"));
    const quint16 port = portAt > 0 ? quint16(args.value(portAt + 1).toUInt()) : 0;

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    auto *ready = new ReadyProbe(window);
    window.show();

    QTcpServer server;
    if (!server.listen(QHostAddress::Any, port)) {
        std::fprintf(stderr, "cannot listen: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server] {
        server.nextPendingConnection();
        server.close();
    });
    QObject::connect(ready, &ReadyProbe::ready, &app, [&server] {
        std::printf("ready port=%d\n", server.serverPort());
        std::fflush(stdout);
    });
    return app.exec();
}
