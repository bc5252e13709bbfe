// SPDX-License-Identifier: MIT
// The floor for any program that must show text: a window with one line of text, listening on
// Parlino's port, built with nothing but the Qt libraries Parlino itself loads at start. Like
// Parlino, it stops listening when it takes a caller, so that scripts/bench.sh can tell that its
// event loop runs.
#include <QApplication>
#include <QLabel>
#include <QTcpServer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTcpServer server;
    if (!server.listen(QHostAddress::Any, 1981))
        return EXIT_FAILURE;
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server] {
        server.nextPendingConnection();
        server.close();
    });
    QLabel label(QStringLiteral("Listening to port 1981 for new connection requests."));
    label.show();
    return app.exec();
}
