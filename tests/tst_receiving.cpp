// SPDX-License-Identifier: MIT
// The socket component on its own: decoding text that arrives in pieces, and every way that
// listening or connecting can fail.
#include "utf8chunkdecoder.h"
#include "winsock.h"

#include <QSignalSpy>
#include <QStringDecoder>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#ifdef Q_OS_LINUX
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

class tst_Receiving : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decoder_anyThreePieces_matchOneShot_data();
    void decoder_anyThreePieces_matchOneShot();
    void listen_onPortZeroThenAgain_orOnATakenPort();
    void connect_badPortText_failsAtOnce_data();
    void connect_badPortText_failsAtOnce();
    void connect_refusedOrUnanswered_isReportedLater();
};

void tst_Receiving::decoder_anyThreePieces_matchOneShot_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("multilingual, emoji")
        << QStringLiteral("Grüße 東京 שלום 😀👍🏽").toUtf8();
    // Qt 6.4's QStringDecoder drops the 'A' and the '€' here when the cut falls inside.
    QTest::newRow("cut sequences") << QByteArray(
        "x\xE2\x82"
        "A\xE2\x82\xE2\x82\xAC\xF0\x9F"
        "z");
    QTest::newRow("overlong, surrogate, too big")
        << QByteArray("\xC0\xAF\xE0\x80\xAF\xED\xA0\x80\xF4\x90\x80\x80\xF5");
    QTest::newRow("strays, NUL, controls") << QByteArray(
        "\x80\xBF"
        "a\0b\x1B[m\r\n",
        11);
    QTest::newRow("ends unfinished") << QByteArray("ok \xF0\x9F\x98");
    QTest::newRow("byte-order marks") << QByteArray("\xEF\xBB\xBFw\xEF\xBB\xBFv\xEF\xBB");
}

void tst_Receiving::decoder_anyThreePieces_matchOneShot()
{
    QFETCH(QByteArray, bytes);
    const QByteArrayView all(bytes);
    for (qsizetype first = 0; first <= all.size(); ++first) {
        for (qsizetype second = first; second <= all.size(); ++second) {
            Utf8ChunkDecoder decoder;
            QByteArray text;
            decoder.decode(all.first(first), text);
            decoder.decode(all.sliced(first, second - first), text);
            decoder.decode(all.sliced(second), text);
            decoder.finish(text);
            QStringDecoder oneShot(
                QStringDecoder::Utf8,
                QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
            QCOMPARE(Utf8ChunkDecoder::toString(text), QString(oneShot.decode(bytes)));
            QVERIFY(QByteArrayView(text).isValidUtf8());
        }
    }
}

void tst_Receiving::listen_onPortZeroThenAgain_orOnATakenPort()
{
    Winsock socket;
    socket.setLocalPort(0);
    QVERIFY(socket.Listen());
    QCOMPARE(socket.State(), Winsock::sckListening);
    const int port = socket.LocalPort();
    QVERIFY(port > 0);
    socket.Close();
    QCOMPARE(socket.State(), Winsock::sckClosed);
    QVERIFY(socket.Listen());
    QCOMPARE(socket.LocalPort(), port);

    Winsock second;
    second.setLocalPort(port);
    QVERIFY(!second.Listen());
    QCOMPARE(second.errorText(), QStringLiteral("Port %1 is already in use by another program, so "
                                                "no connection requests can be received.")
                                     .arg(port));
    QCOMPARE(second.State(), Winsock::sckClosed);
}

void tst_Receiving::connect_badPortText_failsAtOnce_data()
{
    QTest::addColumn<QString>("port");
    for (const char *port : {"", "0", "-1", "65536", "99999999999", "abc", "12ab", " 1981"})
        QTest::newRow(port) << QString::fromLatin1(port);
    QTest::newRow("arabic-indic digits") << QStringLiteral("\u0661\u0669\u0668\u0661");
}

void tst_Receiving::connect_badPortText_failsAtOnce()
{
    QFETCH(QString, port);
    Winsock socket;
    QSignalSpy errors(&socket, &Winsock::errorOccurred);
    QVERIFY(!socket.Connect(QStringLiteral("127.0.0.1"), port));
    QCOMPARE(socket.errorText(),
             QStringLiteral("The remote port \"%1\" is not a number from 1 to 65535.").arg(port));
    QCOMPARE(socket.State(), Winsock::sckClosed);
    QVERIFY(!errors.wait(20));
}

void tst_Receiving::connect_refusedOrUnanswered_isReportedLater()
{
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        closedPort = probe.serverPort();
    }
    Winsock socket;
    QSignalSpy errors(&socket, &Winsock::errorOccurred);
    QVERIFY(socket.Connect(QStringLiteral("127.0.0.1"), QString::number(closedPort)));
    QVERIFY(errors.wait(5000));
    QCOMPARE(errors.takeFirst().at(0).toString(),
             QStringLiteral("The connection was refused: nothing is listening at that address "
                            "and port."));
    QCOMPARE(socket.State(), Winsock::sckError);

#ifdef Q_OS_LINUX
    // A listener whose queue is full drops the next handshake, as an unroutable address does on
    // a real network: the attempt hangs until the component gives up.
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    QVERIFY(::bind(listener, reinterpret_cast<sockaddr *>(&address), length) == 0);
    QVERIFY(::listen(listener, 0) == 0);
    QVERIFY(::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length) == 0);
    std::vector<std::unique_ptr<QTcpSocket>> fillers;
    do {
        fillers.push_back(std::make_unique<QTcpSocket>());
        fillers.back()->connectToHost(QHostAddress::LocalHost, ntohs(address.sin_port));
    } while (fillers.back()->waitForConnected(300) && fillers.size() < 8);

    socket.setConnectTimeout(300);
    QVERIFY(socket.Connect(QStringLiteral("127.0.0.1"), QString::number(ntohs(address.sin_port))));
    QCOMPARE(socket.State(), Winsock::sckConnecting);
    QVERIFY(errors.wait(5000));
    QCOMPARE(errors.takeFirst().at(0).toString(),
             QStringLiteral("The connection attempt timed out: the remote host did not answer."));
    QCOMPARE(socket.State(), Winsock::sckError);
    ::close(listener);
#endif
}

QTEST_GUILESS_MAIN(tst_Receiving)
#include "tst_receiving.moc"
