// SPDX-License-Identifier: MIT
// Encrypted conversations with the usual tools as partners: openssl s_client
// and s_server, ncat
// --ssl calling and listening; and partners that break the rules of TLS, each
// of which must end the conversation with one failure and leave the socket able
// to listen again.
#include "parlinotest.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

// A Winsock that answers every caller, with what it was told.
struct Parlino
{
    Parlino()
    {
        socket.setLocalPort(0);
        QObject::connect(&socket, &Winsock::ConnectionRequest, [this](int id) {
            socket.Close();
            socket.Accept(id);
        });
        QObject::connect(&socket, &Winsock::DataArrival, [this] {
            QByteArray text;
            socket.GetData(text);
            received += text;
        });
    }
    Winsock socket;
    QByteArray received;
    QSignalSpy checks{&socket, &Winsock::privacyCheckReady};
    QSignalSpy failures{&socket, &Winsock::errorOccurred};
};

// A tool run by the shell in `dir`, with what it printed.
struct Tool : QProcess
{
    Tool(const QString &command, const QString &dir)
    {
        connect(this, &QProcess::readyReadStandardOutput,
                [this] { out += readAllStandardOutput(); });
        setWorkingDirectory(dir);
        start(u"sh"_s, {u"-c"_s, u"exec "_s + command});
    }
    ~Tool() override
    {
        kill();
        waitForFinished();
    }
    QByteArray out;
};

// Whether something listens on 127.0.0.1:port.
bool listening(quint16 port)
{
    QFile table(u"/proc/net/tcp"_s);
    return table.open(QIODevice::ReadOnly) &&
           table.readAll().contains(u"0100007F:%1 00000000:0000 0A"_s.arg(port, 4, 16, QChar(u'0'))
                                        .toUpper()
                                        .toLatin1());
}

}  // namespace

class tst_TlsPeers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init() { QTest::failOnWarning(QRegularExpression(u"."_s)); }
    void tools_exchangeTextByteExact_data();
    void tools_exchangeTextByteExact();
    void hostilePartner_endsWithOneFailure_data();
    void hostilePartner_endsWithOneFailure();

private:
    QTemporaryDir m_dir;
};

// A certificate for openssl s_server, and one too big for any partner to take
// (150 KB).
void tst_TlsPeers::initTestCase()
{
    QFile config(m_dir.filePath(u"big.cnf"_s));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write("[req]\ndistinguished_name=dn\nx509_extensions=x\n[dn]\n[x]\nnsComment=" +
                 QByteArray(150000, 'A') + '\n');
    config.close();
    for (const QString &name : {u"peer"_s, u"big"_s}) {
        Tool make(
            u"openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:P-256 "
            u"-nodes -days 1 "
            "-subj /CN=%1 -keyout %1.key -out %1.pem %2"_s.arg(
                name, name == u"big" ? u"-config big.cnf"_s : QString()),
            m_dir.path());
        QVERIFY(make.waitForFinished() && make.exitCode() == 0);
    }
}

void tst_TlsPeers::tools_exchangeTextByteExact_data()
{
    QTest::addColumn<QString>("command");  // %1: the port
    QTest::addColumn<bool>("calls");       // the tool calls Parlino
    QTest::addColumn<bool>("toolEnds");    // the tool ends its stream first, else Parlino closes
    QTest::addColumn<QString>("protocol");
    const QString sClient = u"openssl s_client -quiet -connect 127.0.0.1:%1"_s;
    const QString sServer =
        u"openssl s_server -quiet -naccept 1 -accept 127.0.0.1:%1 "
        "-cert peer.pem -key peer.key"_s;
    const QString v13 = u"TLSv1.3"_s;
    QTest::newRow("s_client calls") << sClient << true << false << v13;
    QTest::newRow("s_client calls, TLS 1.2")
        << sClient + u" -tls1_2"_s << true << false << u"TLSv1.2"_s;
    QTest::newRow("s_server answers") << sServer << false << false << v13;
    QTest::newRow("ncat calls") << u"ncat --ssl 127.0.0.1 %1"_s << true << false << v13;
    QTest::newRow("ncat calls, ends its side")
        << u"ncat --ssl 127.0.0.1 %1"_s << true << true << v13;
    QTest::newRow("ncat -l answers") << u"ncat --ssl -l 127.0.0.1 %1"_s << false << false << v13;
    QTest::newRow("ncat -l answers, ends its side")
        << u"ncat --ssl -l 127.0.0.1 %1"_s << false << true << v13;
}

// Text both ways byte-exact, a character split across two records included; the
// tool's own certificate shown by its fingerprint; and at the end, text still
// on its way when Parlino closes or when the tool ends its side all delivered,
// ended in order (the tools fail on a reset or a missing close_notify).
void tst_TlsPeers::tools_exchangeTextByteExact()
{
    QFETCH(QString, command);
    QFETCH(bool, calls);
    QFETCH(bool, toolEnds);
    QFETCH(QString, protocol);
    Parlino parlino;
    if (calls)
        QVERIFY(parlino.socket.Listen());
    const quint16 port = calls ? quint16(parlino.socket.LocalPort()) : closedPort();
    Tool tool(command.arg(port), m_dir.path());
    if (!calls) {
        QTRY_VERIFY(listening(port));
        QVERIFY(parlino.socket.ConnectEncrypted(u"127.0.0.1"_s, QString::number(port)));
    }
    QTRY_COMPARE(parlino.checks.count(), 1);
    QCOMPARE(parlino.socket.privacy(), Privacy::Encrypted);
    const auto check = parlino.checks[0][0].value<PrivacyCheck>();
    QVERIFY(check.code.isEmpty());  // no Parlino: fingerprints instead
    QCOMPARE(check.protocol, protocol);
    QCOMPARE(check.ownFingerprint.size(), 32);
    QCOMPARE(check.partnerFingerprint.size(),
             calls ? 0 : 32);  // the tools call with none
    Tool x509(u"openssl x509 -noout -fingerprint -sha256 -in peer.pem"_s, m_dir.path());
    QVERIFY(x509.waitForFinished());  // "sha256 Fingerprint=AB:CD:..."
    if (command.startsWith(u"openssl s_server"))
        QCOMPARE(check.partnerFingerprint, QByteArray::fromHex(x509.out.split('=').last()));

    const QByteArray said = u"Grüße, 東京 😀\n"_s.toUtf8();
    QVERIFY(parlino.socket.SendData(QString::fromUtf8(said)));
    QTRY_COMPARE(tool.out, said);
    tool.write("cze\xC5\x9B\xC4\x87 \xF0\x9F");  // half an emoji, then the rest
    QTRY_COMPARE(parlino.received, "cze\xC5\x9B\xC4\x87 ");
    tool.write("\x98\x80 ok\n");
    QTRY_COMPARE(parlino.received, "cze\xC5\x9B\xC4\x87 \xF0\x9F\x98\x80 ok\n");

    QSignalSpy lost(&parlino.socket, &Winsock::undelivered);
    const QByteArray flood = QByteArray("[0123456789 abcdef] ").repeated(100000);
    QVERIFY(parlino.socket.SendData(QString::fromLatin1(flood)));
    toolEnds ? tool.closeWriteChannel() : parlino.socket.Close();
    QTRY_COMPARE_WITH_TIMEOUT(tool.out.size(), said.size() + flood.size(), 20000);
    tool.closeWriteChannel();  // ncat's caller waits for the end of its input
    QTRY_COMPARE(tool.state(), QProcess::NotRunning);
    QVERIFY(tool.out == said + flood);
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QVERIFY2(tool.exitCode() == 0, tool.readAllStandardError().constData());
    QTRY_VERIFY(!parlino.socket.isDelivering());
    QCOMPARE(lost.count(), 0);
    QCOMPARE(parlino.failures.count(), 0);
    QCOMPARE(parlino.socket.State(), Winsock::sckClosed);
}

enum class Partner {
    Caller,         // writes `bytes` to Parlino
    Server,         // answers Parlino's call with `bytes`
    Tool,           // calls Parlino
    RelayedCaller,  // calls Parlino through a relay that passes only its first
                    // record
    PlainAfter,     // calls Parlino through a relay that adds `bytes` after the
                    // handshake
};

void tst_TlsPeers::hostilePartner_endsWithOneFailure_data()
{
    QTest::addColumn<Partner>("partner");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("command");  // %1: the port
    QTest::addColumn<SocketFailure::Code>("code");
    QTest::addColumn<QString>("detail");  // the TLS library's reason
    const auto failed = SocketFailure::EncryptionFailed,
               timedOut = SocketFailure::EncryptionTimedOut;
    const QString sClient = u"openssl s_client -quiet -connect 127.0.0.1:%1"_s;
    QTest::newRow("caller: 0x16 0x03, then garbage")
        << Partner::Caller << "\x16\x03\x01\x00\x08garbage!"_ba << QString() << failed
        << u"unexpected message"_s;
    QTest::newRow("caller: stops half way")
        << Partner::RelayedCaller << QByteArray() << sClient << timedOut << QString();
    QTest::newRow("caller: an alert, rejecting the certificate")
        << Partner::Tool << QByteArray() << sClient + u" -verify_return_error"_s << failed
        << u"tlsv1 alert unknown ca"_s;
    QTest::newRow("caller: an oversized certificate")
        << Partner::Tool << QByteArray() << sClient + u" -cert big.pem -key big.key"_s << failed
        << u"excessive message size"_s;
    QTest::newRow("caller: plain text after the handshake")
        << Partner::PlainAfter << "hello\n"_ba << sClient << failed << u"wrong version number"_s;
    QTest::newRow("caller: TLS 1.1")
        << Partner::Tool << QByteArray() << sClient + u" -tls1_1 -cipher DEFAULT@SECLEVEL=0"_s
        << failed << u"unsupported protocol"_s;
    QTest::newRow("server: plain text")
        << Partner::Server << "hello\n"_ba << QString() << SocketFailure::PlainAnswer << QString();
    QTest::newRow("server: an alert") << Partner::Server << "\x15\x03\x03\x00\x02\x02\x28"_ba
                                      << QString() << failed << u"sslv3 alert handshake failure"_s;
    QTest::newRow("server: silent")
        << Partner::Server << QByteArray() << QString() << timedOut << QString();
    QTest::newRow("server: an oversized certificate")
        << Partner::Tool << QByteArray()
        << u"openssl s_server -quiet -naccept 1 -accept 127.0.0.1:%1 -cert big.pem -key big.key"_s
        << failed << u"excessive message size"_s;
}

void tst_TlsPeers::hostilePartner_endsWithOneFailure()
{
    QFETCH(Partner, partner);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, command);
    QFETCH(SocketFailure::Code, code);
    QFETCH(QString, detail);
    Parlino parlino;
    const bool parlinoCalls = partner == Partner::Server || command.contains(u"s_server"_s);
    QVERIFY(parlinoCalls || parlino.socket.Listen());
    QTcpServer relay;  // plays the server, or stands between the tool and Parlino
    QTcpSocket peer;   // plays the caller, or the relay's leg to Parlino
    QVERIFY(relay.listen(QHostAddress::LocalHost));
    const bool relayed = partner == Partner::RelayedCaller || partner == Partner::PlainAfter;
    quint16 port = relayed || partner == Partner::Server ? relay.serverPort()
                   : parlinoCalls                        ? closedPort()
                                                         : quint16(parlino.socket.LocalPort());
    bool stopped = false;
    QObject::connect(&relay, &QTcpServer::newConnection, [&] {
        QTcpSocket *other = relay.nextPendingConnection();
        if (!relayed)
            return void(other->write(bytes));
        peer.connectToHost(QHostAddress::LocalHost, quint16(parlino.socket.LocalPort()));
        QObject::connect(&peer, &QTcpSocket::readyRead,
                         [&, other] { other->write(peer.readAll()); });
        QObject::connect(other, &QTcpSocket::readyRead, [&, other] {
            QByteArray got = other->readAll();
            if (partner == Partner::RelayedCaller)  // only the first record passes
                got.truncate(stopped ? 0 : 5 + ((uchar(got[3]) << 8) | uchar(got[4])));
            stopped = true;
            peer.write(got);
        });
    });
    QObject::connect(&parlino.socket, &Winsock::privacyKnown, [&] {
        if (partner == Partner::PlainAfter)
            peer.write(bytes);
    });
    Tool tool(command.isEmpty() ? command : command.arg(port), m_dir.path());
    if (command.contains(u"s_server"_s))
        QTRY_VERIFY(listening(port));
    if (partner == Partner::Caller) {
        peer.connectToHost(QHostAddress::LocalHost, port);
        peer.write(bytes);
    }
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!parlinoCalls ||
            parlino.socket.ConnectEncrypted(u"127.0.0.1"_s, QString::number(port)));
    QVERIFY(parlino.failures.wait(15000));
    const auto failure = parlino.failures[0][0].value<SocketFailure>();
    QCOMPARE(failure.code, code);
    if (code == SocketFailure::EncryptionTimedOut) {
        QCOMPARE(failure.number, 10);
        QVERIFY2(clock.elapsed() >= 9500 && clock.elapsed() < 11000,
                 qPrintable(QString::number(clock.elapsed())));
    }
    QCOMPARE(failure.detail, detail);
    QVERIFY(parlino.socket.State() != Winsock::sckConnected);

    // It listens again (on a fresh port: the old one may serve another program's call by now),
    // and a plain caller is heard.
    parlino.socket.setLocalPort(0);
    QVERIFY2(parlino.socket.Listen(), qPrintable(QString::number(parlino.socket.failure().code)));
    RawPeer caller(parlino.socket.LocalPort());
    caller.write("still here");
    QTRY_COMPARE(parlino.received, "still here");
    QCOMPARE(parlino.failures.count(), 1);
}

QTEST_MAIN(tst_TlsPeers)
#include "tst_tlspeers.moc"
