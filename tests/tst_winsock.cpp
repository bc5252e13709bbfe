// SPDX-License-Identifier: MIT
// The socket component on real loopback sockets, with raw QTcpSockets playing the far end.
#include "winsock.h"

#include <QHostAddress>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <memory>

#ifdef Q_OS_LINUX
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

// A listening component that accepts every request and collects the text it receives.
struct Receiver
{
    Receiver()
    {
        socket.setLocalPort(0);
        QObject::connect(&socket, &Winsock::ConnectionRequest, &socket, [this](int id) {
            socket.Close();
            socket.Accept(id);
        });
        QObject::connect(&socket, &Winsock::DataArrival, &socket, [this](qint64) {
            QString text;
            socket.GetData(text);
            entries.append(text);
        });
    }

    std::unique_ptr<QTcpSocket> call()
    {
        auto peer = std::make_unique<QTcpSocket>();
        peer->connectToHost(QHostAddress::LocalHost, quint16(socket.LocalPort()));
        return peer;
    }

    Winsock socket;
    QStringList entries;
};

}  // namespace

class tst_Winsock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listen_onPortZero_reportsTheChosenPort();
    void listen_onPortInUse_failsWithSentence();
    void connect_badPortText_failsWithSentence_data();
    void connect_badPortText_failsWithSentence();
    void connect_closedPort_reportsRefusal();
    void connect_unknownHost_reportsHostNotFound();
    void connect_silentHost_timesOut();
    void splitCharacters_areDecodedWhole();
    void invalidBytesAndNul_arekeptInPlace();
    void characterCutByHangUp_showsReplacement();
    void textBeforeAccept_isDeliveredAfterAccept();
    void unacceptedRequest_isClosed();
    void extraCallers_areClosedAtOnce();
    void close_freesThePort();
    void sendData_whileClosed_fails();
    void sendData_leavesAtOnce_withoutWaitingForTheEventLoop();
    void partnerClose_isSilentAndEndsConnection();
};

void tst_Winsock::listen_onPortZero_reportsTheChosenPort()
{
    Winsock socket;
    socket.setLocalPort(0);
    QCOMPARE(socket.State(), int(Winsock::sckClosed));
    QVERIFY(socket.Listen());
    QCOMPARE(socket.State(), int(Winsock::sckListening));
    QVERIFY(socket.LocalPort() > 0);
    QTcpSocket peer;
    peer.connectToHost(QHostAddress::LocalHost, quint16(socket.LocalPort()));
    QVERIFY(peer.waitForConnected(5000));

    // The same port again after a close.
    const int port = socket.LocalPort();
    socket.Close();
    QVERIFY(socket.Listen());
    QCOMPARE(socket.LocalPort(), port);
}

void tst_Winsock::listen_onPortInUse_failsWithSentence()
{
    QTcpServer occupant;
    QVERIFY(occupant.listen(QHostAddress::Any));
    Winsock socket;
    socket.setLocalPort(occupant.serverPort());
    QVERIFY(!socket.Listen());
    QCOMPARE(socket.ErrorText(),
             QStringLiteral("Port %1 is already in use by another program, so no connection "
                            "requests can be received.")
                 .arg(occupant.serverPort()));
    QCOMPARE(socket.State(), int(Winsock::sckClosed));
}

void tst_Winsock::connect_badPortText_failsWithSentence_data()
{
    QTest::addColumn<QString>("port");
    QTest::newRow("empty") << QString();
    QTest::newRow("zero") << QStringLiteral("0");
    QTest::newRow("negative") << QStringLiteral("-1");
    QTest::newRow("too large") << QStringLiteral("65536");
    QTest::newRow("huge") << QStringLiteral("99999999999999999999");
    QTest::newRow("letters") << QStringLiteral("abc");
    QTest::newRow("trailing letters") << QStringLiteral("12ab");
    QTest::newRow("leading space") << QStringLiteral(" 1981");
    QTest::newRow("arabic-indic digits") << QStringLiteral("\u0661\u0669\u0668\u0661");
}

void tst_Winsock::connect_badPortText_failsWithSentence()
{
    QFETCH(QString, port);
    Winsock socket;
    QSignalSpy errors(&socket, &Winsock::Error);
    QVERIFY(!socket.Connect(QStringLiteral("127.0.0.1"), port));
    QCOMPARE(socket.ErrorText(),
             QStringLiteral("The remote port \"%1\" is not a number from 1 to 65535.").arg(port));
    QCOMPARE(socket.State(), int(Winsock::sckClosed));
    QVERIFY(!errors.wait(50));
}

void tst_Winsock::connect_closedPort_reportsRefusal()
{
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        closedPort = probe.serverPort();
    }
    Winsock socket;
    QSignalSpy errors(&socket, &Winsock::Error);
    QVERIFY(socket.Connect(QStringLiteral("127.0.0.1"), QString::number(closedPort)));
    QVERIFY(errors.wait(5000));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.at(0).at(0).toString(),
             QStringLiteral("The connection was refused: nothing is listening at that address "
                            "and port."));
    QVERIFY(socket.State() != Winsock::sckConnected);
}

void tst_Winsock::connect_unknownHost_reportsHostNotFound()
{
    Winsock socket;
    QSignalSpy errors(&socket, &Winsock::Error);
    QVERIFY(socket.Connect(QStringLiteral("no-such-host.invalid"), QStringLiteral("1981")));
    QVERIFY(errors.wait(15000));
    QCOMPARE(errors.at(0).at(0).toString(), QStringLiteral("The remote host could not be found."));
}

void tst_Winsock::connect_silentHost_timesOut()
{
#ifdef Q_OS_LINUX
    // A listener whose queue is full drops the next caller's handshake, as an unroutable address
    // does on a real network: the attempt hangs until the component gives up.
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    QVERIFY(::bind(listener, reinterpret_cast<sockaddr *>(&address), length) == 0);
    QVERIFY(::listen(listener, 0) == 0);
    QVERIFY(::getsockname(listener, reinterpret_cast<sockaddr *>(&address), &length) == 0);
    const quint16 port = ntohs(address.sin_port);
    std::vector<std::unique_ptr<QTcpSocket>> fillers;
    do {
        fillers.push_back(std::make_unique<QTcpSocket>());
        fillers.back()->connectToHost(QHostAddress::LocalHost, port);
    } while (fillers.back()->waitForConnected(300) && fillers.size() < 8);
    QVERIFY(fillers.back()->state() != QAbstractSocket::ConnectedState);

    Winsock socket;
    socket.setConnectTimeout(300);
    QSignalSpy errors(&socket, &Winsock::Error);
    QVERIFY(socket.Connect(QStringLiteral("127.0.0.1"), QString::number(port)));
    QCOMPARE(socket.State(), int(Winsock::sckConnecting));
    QVERIFY(errors.wait(5000));
    QCOMPARE(errors.at(0).at(0).toString(),
             QStringLiteral("The connection attempt timed out: the remote host did not answer."));
    QCOMPARE(socket.State(), int(Winsock::sckError));
    ::close(listener);
#else
    QSKIP("Needs a listener with a full queue, made here with Linux sockets.");
#endif
}

void tst_Winsock::splitCharacters_areDecodedWhole()
{
    Receiver receiver;
    QVERIFY(receiver.socket.Listen());
    auto peer = receiver.call();
    QVERIFY(peer->waitForConnected(5000));
    QTRY_COMPARE(receiver.socket.State(), int(Winsock::sckConnected));

    const QString text =
        QStringLiteral("Grüße, Ἀθῆναι, 東京, שלום, 😀👍🏽 and ∑");
    const QByteArray bytes = text.toUtf8();
    for (char byte : bytes) {
        peer->write(&byte, 1);
        QVERIFY(peer->waitForBytesWritten(1000));
        QCoreApplication::processEvents();
    }
    QTRY_COMPARE(receiver.entries.join(QString()), text);
    for (const QString &entry : std::as_const(receiver.entries)) QVERIFY(!entry.isEmpty());
    QVERIFY(!receiver.entries.join(QString()).contains(QChar::ReplacementCharacter));
}

void tst_Winsock::invalidBytesAndNul_arekeptInPlace()
{
    Receiver receiver;
    QVERIFY(receiver.socket.Listen());
    auto peer = receiver.call();
    QVERIFY(peer->waitForConnected(5000));
    QTRY_COMPARE(receiver.socket.State(), int(Winsock::sckConnected));

    const char bytes[] =
        "ab\xFF"
        "cd\0ef\x01\n<b>x</b>";
    peer->write(bytes, sizeof bytes - 1);
    QString expected = QStringLiteral("ab\uFFFDcd");
    expected += QChar(0);
    expected += QStringLiteral("ef\u0001\n<b>x</b>");
    QTRY_COMPARE(receiver.entries.join(QString()), expected);
}

void tst_Winsock::characterCutByHangUp_showsReplacement()
{
    Receiver receiver;
    QVERIFY(receiver.socket.Listen());
    auto peer = receiver.call();
    QVERIFY(peer->waitForConnected(5000));
    QTRY_COMPARE(receiver.socket.State(), int(Winsock::sckConnected));
    peer->write("ok \xE2\x82");
    peer->disconnectFromHost();
    // As the whole stream decoded at once: one U+FFFD for each byte of the cut character.
    QTRY_COMPARE(receiver.entries.join(QString()), QStringLiteral("ok \uFFFD\uFFFD"));
    QTRY_COMPARE(receiver.socket.State(), int(Winsock::sckClosed));
}

void tst_Winsock::textBeforeAccept_isDeliveredAfterAccept()
{
    Winsock socket;
    socket.setLocalPort(0);
    QVERIFY(socket.Listen());
    QStringList entries;
    QByteArray bytesAtRequest;
    std::unique_ptr<QTcpSocket> peer;
    connect(&socket, &Winsock::DataArrival, this, [&](qint64) {
        QString text;
        socket.GetData(text);
        entries.append(text);
    });
    connect(&socket, &Winsock::ConnectionRequest, this, [&](int id) {
        socket.Close();
        // The caller is already connected and talking while the user decides.
        QVERIFY(peer->waitForConnected(5000));
        peer->write("early words");
        QVERIFY(peer->waitForBytesWritten(5000));
        QTest::qWait(50);
        QVERIFY(entries.isEmpty());
        QVERIFY(socket.Accept(id));
        QVERIFY(entries.isEmpty());
    });
    peer = std::make_unique<QTcpSocket>();
    peer->connectToHost(QHostAddress::LocalHost, quint16(socket.LocalPort()));
    QTRY_COMPARE(entries, QStringList{QStringLiteral("early words")});
    QCOMPARE(socket.State(), int(Winsock::sckConnected));
}

void tst_Winsock::unacceptedRequest_isClosed()
{
    Winsock socket;
    socket.setLocalPort(0);
    QVERIFY(socket.Listen());
    QSignalSpy requests(&socket, &Winsock::ConnectionRequest);
    connect(&socket, &Winsock::ConnectionRequest, this, [&] { socket.Close(); });
    QTcpSocket peer;
    QSignalSpy ended(&peer, &QTcpSocket::disconnected);
    peer.connectToHost(QHostAddress::LocalHost, quint16(socket.LocalPort()));
    QVERIFY(ended.wait(5000));
    QCOMPARE(requests.count(), 1);
    QCOMPARE(socket.State(), int(Winsock::sckClosed));
}

void tst_Winsock::extraCallers_areClosedAtOnce()
{
    Winsock socket;
    socket.setLocalPort(0);
    QVERIFY(socket.Listen());
    int requests = 0;
    std::vector<std::unique_ptr<QTcpSocket>> extras;
    int extrasEnded = 0;
    connect(&socket, &Winsock::ConnectionRequest, this, [&](int id) {
        ++requests;
        // While the user decides, three more callers arrive; the listener is still open.
        for (int i = 0; i < 3; ++i) {
            auto extra = std::make_unique<QTcpSocket>();
            connect(extra.get(), &QTcpSocket::disconnected, this, [&] { ++extrasEnded; });
            extra->connectToHost(QHostAddress::LocalHost, quint16(socket.LocalPort()));
            extras.push_back(std::move(extra));
        }
        QTRY_COMPARE(extrasEnded, 3);
        socket.Close();
        QVERIFY(socket.Accept(id));
    });
    QTcpSocket first;
    first.connectToHost(QHostAddress::LocalHost, quint16(socket.LocalPort()));
    QTRY_COMPARE(socket.State(), int(Winsock::sckConnected));
    QCOMPARE(requests, 1);
    QCOMPARE(first.state(), QAbstractSocket::ConnectedState);
}

void tst_Winsock::close_freesThePort()
{
    auto socket = std::make_unique<Winsock>();
    socket->setLocalPort(0);
    QVERIFY(socket->Listen());
    const quint16 port = quint16(socket->LocalPort());
    socket->Close();
    QCOMPARE(socket->State(), int(Winsock::sckClosed));
    QTcpServer other;
    QVERIFY(other.listen(QHostAddress::Any, port));
}

void tst_Winsock::sendData_whileClosed_fails()
{
    Winsock socket;
    QVERIFY(!socket.SendData(QStringLiteral("hello")));
    QCOMPARE(socket.ErrorText(),
             QStringLiteral("The text could not be sent: there is no connection."));
}

void tst_Winsock::sendData_leavesAtOnce_withoutWaitingForTheEventLoop()
{
    Receiver receiver;
    QVERIFY(receiver.socket.Listen());
    auto peer = receiver.call();
    QVERIFY(peer->waitForConnected(5000));
    QTRY_COMPARE(receiver.socket.State(), int(Winsock::sckConnected));
    const QString text = QStringLiteral(u"Ann : hello, ça va ?");
    QVERIFY(receiver.socket.SendData(text));
    // Only the peer's own socket is waited on: the component's event loop does not run, so the
    // bytes must already be in the network.
    QByteArray arrived;
    while (arrived.size() < text.toUtf8().size() && peer->waitForReadyRead(5000))
        arrived += peer->readAll();
    QCOMPARE(arrived, text.toUtf8());
}

void tst_Winsock::partnerClose_isSilentAndEndsConnection()
{
    Receiver receiver;
    QSignalSpy errors(&receiver.socket, &Winsock::Error);
    QVERIFY(receiver.socket.Listen());
    auto peer = receiver.call();
    QVERIFY(peer->waitForConnected(5000));
    QTRY_COMPARE(receiver.socket.State(), int(Winsock::sckConnected));
    peer->write("bye");
    peer->disconnectFromHost();
    QTRY_COMPARE(receiver.socket.State(), int(Winsock::sckClosed));
    QCOMPARE(receiver.entries.join(QString()), QStringLiteral("bye"));
    QVERIFY(!receiver.socket.SendData(QStringLiteral("anyone?")));
    QVERIFY(!errors.wait(100));
}

QTEST_GUILESS_MAIN(tst_Winsock)
#include "tst_winsock.moc"
