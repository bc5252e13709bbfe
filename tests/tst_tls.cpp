// SPDX-License-Identifier: MIT
// Encrypted conversations on loopback: two Parlinos and the code they compare, what a relay in the
// middle sees and can do, a plain caller that takes its time, the usual tools (openssl s_client,
// ncat --ssl) as partners, and partners that break the rules of TLS.
#include "codeexchange.h"
#include "parlinotest.h"
#include "tlschannel.h"
#include "tlsidentity.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// A relay on loopback: a caller reaches `port` through it, and `pass` moves the bytes on.
struct Relay
{
    explicit Relay(int port)
    {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, [this, port] {
            fromA = server.nextPendingConnection();
            toB.connectToHost(QHostAddress::LocalHost, quint16(port));
            QObject::connect(fromA, &QTcpSocket::readyRead, pass);
            QObject::connect(&toB, &QTcpSocket::readyRead, pass);
            pass();
        });
    }
    QString port() const { return QString::number(server.serverPort()); }

    QTcpServer server;
    QTcpSocket toB;
    QTcpSocket *fromA = nullptr;
    std::function<void()> pass;
};

// Server: answers Parlino's call with `bytes`; Tool: calls Parlino; RelayedCaller: calls Parlino
// through a relay that passes only its first record.
enum class Partner { Server, Tool, RelayedCaller };

const QString SClient = u"openssl s_client -quiet -connect 127.0.0.1:%1"_s;

}  // namespace

class tst_Tls : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QByteArray m_peerPrint;  // the SHA-256 fingerprint of the tools' certificate

private Q_SLOTS:
    // A certificate for the tools, and its fingerprint.
    void initTestCase()
    {
        // Where openssl cannot run (a Windows build under Wine), the rows that need it are left
        // out by name.
        if (QStandardPaths::findExecutable(u"openssl"_s).isEmpty())
            return;
        Tool make(
            u"openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:P-256 -nodes -days 1 "
            "-subj /CN=peer -keyout peer.key -out peer.pem"_s,
            m_dir.path());
        QVERIFY(make.waitForFinished() && make.exitCode() == 0);
        Tool x509(u"openssl x509 -noout -fingerprint -sha256 -in peer.pem"_s, m_dir.path());
        QVERIFY(x509.waitForFinished());  // "sha256 Fingerprint=AB:CD:..."
        m_peerPrint = QByteArray::fromHex(x509.out.split('=').last());
    }
    void init() { QTest::failOnWarning(QRegularExpression(u"."_s)); }

    // Two Parlinos talk through a relay that runs TLS with each side and forwards what they say
    // (the code's exchange included) byte by byte, each byte in a record of its own: the two codes
    // differ, each bound to its own session. What either side says at once waits for the code's
    // exchange; text arrives byte-exact, and the end is close_notify after the text, passed on to
    // the other side.
    void twoParlinos_throughARelay()
    {
        Side a, b;
        QVERIFY(b.socket.Listen());
        QObject::connect(&b.socket, &Winsock::ConnectionRequest,
                         [&] { QVERIFY(b.socket.SendData(u"at once, "_s)); });
        QObject::connect(
            &a.socket, &Winsock::privacyKnown, &a.socket,
            [&] { QVERIFY(a.socket.SendData(u"at once too, "_s)); }, Qt::SingleShotConnection);
        Relay relay(b.socket.LocalPort());
        TlsIdentity identity;
        TlsChannel legA(TlsChannel::Server, identity, false),
            legB(TlsChannel::Client, identity, false);
        QByteArray textA, textB;  // what each side sent
        qsizetype sentA = 0, sentB = 0;
        bool heldAtCommitments = false;
        relay.pass = [&] {
            QByteArray fromA = relay.fromA->readAll(), toA = relay.toB.readAll();
            legA.read(std::exchange(fromA, {}), textA);
            legB.read(std::exchange(toA, {}), textB);
            // Nothing goes across until both have committed: then each has sent its commitment
            // and nothing more, its nonce waiting for the other's commitment.
            if (textA.size() >= 32 && textB.size() >= 32) {
                heldAtCommitments |= sentA == 0 && textA.size() == 32 && textB.size() == 32;
                for (; sentA < textA.size(); ++sentA) legB.write(textA.mid(sentA, 1));
                for (; sentB < textB.size(); ++sentB) legA.write(textB.mid(sentB, 1));
            }
            if (legA.partnerClosed())
                legB.close();
            legA.takeOutput(toA);
            legB.takeOutput(fromA);
            relay.toB.write(fromA);
            relay.fromA->write(toA);
        };
        QVERIFY(a.socket.ConnectEncrypted(u"127.0.0.1"_s, relay.port()));
        QVERIFY(waitUntil([&] { return a.checks.size() == 1 && b.checks.size() == 1; }));
        QVERIFY(heldAtCommitments);
        QVERIFY(a.check().code != b.check().code);
        // a's code is the one its own session gives, its parts as the relay's leg sees them.
        QCOMPARE(a.check().code,
                 CodeExchange::code(legA.exporter(), textA.mid(32, 32), textB.mid(32, 32),
                                    legA.check().partnerFingerprint, legA.check().ownFingerprint));

        QVERIFY(waitUntil([&] { return a.got == "at once, "; }));
        // Longer than one record.
        const QByteArray secret = u"secret words, Grüße 😀 "_s.toUtf8().repeated(700);
        QVERIFY(a.socket.SendData(QString::fromUtf8(secret)));
        a.socket.Close();
        QVERIFY(waitUntil([&] { return b.got == "at once too, " + secret; }));
        QVERIFY(waitUntil([&] { return legA.partnerClosed(); }));
    }

    // Fixed parts give fixed digits, with a leading zero, so every version of Parlino arrives at
    // the same code. The parts: the exporter, the client's and server's nonces, then their
    // certificates' fingerprints.
    void code_knownParts_knownDigits()
    {
        QCOMPARE(CodeExchange::code("e", "c", "s", "C", "S"), u"083213"_s);
    }

    // A partner that reveals another nonce than the one it committed to fails the exchange.
    void codeExchange_anotherNonceRevealed_fails()
    {
        QByteArray sent = CodeExchange::commitmentTo(QByteArray(32, 'n')) + QByteArray(32, 'm');
        QVERIFY(!CodeExchange().take(sent));
    }

    // Two ncats relay between two Parlinos: each runs TLS with one of them, agrees to no protocol
    // name and shows the same certificate. Both windows warn, and each shows one fingerprint, its
    // own session's called side's: a's the relay's, b's its own, so nothing a shows is in b.
    void relayWithoutParlinoProtocol_bothWarn_noShownValueMatches()
    {
        ChatWindow a, b;
        const quint16 port = closedPort();
        const QString leg = u"ncat --ssl --ssl-cert peer.pem --ssl-key peer.key 127.0.0.1 "_s;
        Tool relay(leg + u"%1 -l -c '%2%3'"_s.arg(port).arg(leg).arg(b.port()), m_dir.path());
        QTRY_VERIFY(listening(port));
        aimAt(a, u"127.0.0.1"_s, port);
        a.window->mnuCommunicationsConnectEncrypted->trigger();
        const QString warning =
            u"If your partner is using Parlino, someone is between you: end the conversation."_s;
        QTRY_VERIFY(a.lines().contains(warning) && b.lines().contains(warning));
        QList<QByteArray> shown[2];  // each run of 64 hexadecimal digits in a's list, in b's
        const QRegularExpression hex(u"([0-9A-F]{4} ?){16}"_s);
        for (const int side : {0, 1})
            for (const auto &match : hex.globalMatch((side ? b : a).lines().join(u'\n')))
                shown[side].append(QByteArray::fromHex(match.captured().toLatin1()));
        QVERIFY(shown[0] == QList{m_peerPrint} && shown[1].size() == 1 && shown[1] != shown[0]);
    }

    void answeredCaller_decidedOnceAtTheAnswer_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("later");
        QTest::newRow("writes at once: plain at once") << QByteArray("hi") << QByteArray("Z");
        QTest::newRow("silent: plain after the grace") << QByteArray() << QByteArray("Z");
        QTest::newRow("0x16 alone: plain after the grace") << QByteArray("\x16") << QByteArray("Z");
        QTest::newRow("a TLS hello after the grace: plain, and said")
            << QByteArray() << QByteArray("\x16\x03\x01");
    }
    // The answering side's text reaches a caller that has not written, once the grace for a TLS
    // hello is over; one that writes at once is served at once.
    void answeredCaller_decidedOnceAtTheAnswer()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, later);
        Side b;
        QVERIFY(b.socket.Listen());
        QSignalSpy late(&b.socket, &Winsock::lateHandshake);
        QElapsedTimer clock;
        clock.start();
        RawPeer caller(b.socket.LocalPort());
        caller.write(first);
        QVERIFY(waitUntil([&] { return b.socket.State() == Winsock::sckConnected; }));
        QVERIFY(b.socket.SendData(u"early"_s));
        QByteArray got;
        QVERIFY(caller.read(got, 5) && got == "early");
        QCOMPARE(clock.elapsed() >= FirstBytesGraceMs, first != "hi");
        QCOMPARE(b.known, QList{Privacy::Plain});
        caller.write(later);
        QVERIFY(waitUntil([&] { return b.got == first + later; }));
        QCOMPARE(late.count(), later.startsWith('\x16') ? 1 : 0);
    }

    void partner_data()
    {
        QTest::addColumn<Partner>("partner");
        QTest::addColumn<QString>("what");  // the bytes it sends, or the tool's command (%1: port)
        QTest::addColumn<SocketFailure::Code>("code");  // how the conversation ends, if it fails
        QTest::addColumn<QString>("detail");            // the TLS library's reason
        const auto row = [](const char *name, Partner partner, const QString &what,
                            SocketFailure::Code code = {}, const QString &detail = {}) {
            QTest::newRow(name) << partner << what << code << detail;
        };
        using enum SocketFailure::Code;
        row("caller: stops half way", Partner::RelayedCaller, SClient, EncryptionTimedOut);
        row("caller: an alert, rejecting the certificate", Partner::Tool,
            SClient + u" -verify_return_error"_s, EncryptionFailed, u"tlsv1 alert unknown ca"_s);
        row("caller: TLS 1.1", Partner::Tool, SClient + u" -tls1_1 -cipher DEFAULT@SECLEVEL=0"_s,
            EncryptionFailed, u"unsupported protocol"_s);
        row("server: plain text", Partner::Server, u"hello\n"_s, PlainAnswer);
        row("server: an alert", Partner::Server, u"\x15\x03\x03\x00\x02\x02\x28"_s,
            EncryptionFailed, u"sslv3 alert handshake failure"_s);
    }
    // Hostile partners each end the conversation with a failure, in time, and Parlino listens
    // again after it. (The tools as friendly partners: tst_promises.)
    void partner()
    {
        QFETCH(Partner, partner);
        QFETCH(QString, what);
        QFETCH(SocketFailure::Code, code);
        QFETCH(QString, detail);
        Side parlino;
        const bool server = partner == Partner::Server;
        QByteArray bytes = server ? what.toLatin1() : QByteArray();
        QVERIFY(server || parlino.socket.Listen());
        // Plays the server, or stands between the tool and Parlino; its leg to Parlino, a caller.
        Relay relay(parlino.socket.LocalPort());
        const bool relayed = partner == Partner::RelayedCaller;
        const quint16 port =
            relayed || server ? relay.server.serverPort() : quint16(parlino.socket.LocalPort());
        bool stopped = false;
        relay.pass = [&] {
            if (!relayed)
                return void(relay.fromA->write(std::exchange(bytes, {})));
            QByteArray got = relay.fromA->readAll();
            if (got.size() >= 5)  // only the first record
                got.truncate(
                    std::exchange(stopped, true) ? 0 : 5 + (uchar(got[3]) << 8 | uchar(got[4])));
            relay.toB.write(got);
            relay.fromA->write(relay.toB.readAll());
        };
        Tool tool(server ? QString() : what.arg(port), m_dir.path());
        const QDeadlineTimer limit(11000);
        QVERIFY(!server || parlino.socket.ConnectEncrypted(u"127.0.0.1"_s, QString::number(port)));
        QVERIFY(parlino.failures.wait(15000));
        const auto failure = parlino.failures[0][0].value<SocketFailure>();
        QCOMPARE(failure.code, code);
        QCOMPARE(failure.detail, detail);
        if (code == SocketFailure::EncryptionTimedOut)
            QVERIFY2(failure.number == 0 && limit.remainingTime() < 1500 && !limit.hasExpired(),
                     qPrintable(QString::number(limit.remainingTime())));

        // It listens again (on a fresh port: the old one may serve another program's call by
        // now), and a plain caller is heard.
        parlino.socket.setLocalPort(0);
        QVERIFY(parlino.socket.Listen());
        RawPeer caller(parlino.socket.LocalPort());
        caller.write("still here");
        QTRY_COMPARE(parlino.got, "still here");
    }

    void codeExchange_partnerSilent_endsAtTheLimitCountingTheText_data()
    {
        QTest::addColumn<bool>("commits");
        QTest::newRow("never commits: the text waits, and counts") << false;
        QTest::newRow("commits, never reveals: the text went") << true;
    }
    // A partner that agrees on parlino/1 and stalls in the code's exchange: the conversation ends
    // at the time limit, saying how much of what was sent meanwhile did not arrive.
    void codeExchange_partnerSilent_endsAtTheLimitCountingTheText()
    {
        QFETCH(bool, commits);
        Side a;
        Relay relay(closedPort());  // the partner itself, passing nothing on
        TlsIdentity identity;
        TlsChannel leg(TlsChannel::Server, identity, false);
        QByteArray text;
        relay.pass = [&] {
            leg.read(relay.fromA->readAll(), text);
            if (std::exchange(commits, false))
                leg.write(QByteArray(32, 'c'));
            QByteArray out;
            leg.takeOutput(out);
            relay.fromA->write(out);
        };
        QVERIFY(a.socket.ConnectEncrypted(u"127.0.0.1"_s, relay.port()));
        QVERIFY(waitUntil([&] { return a.socket.State() == Winsock::sckConnected; }));
        QVERIFY(a.socket.SendData(u"typed meanwhile"_s));
        QVERIFY(a.failures.wait(SocketFailure::EncryptionSeconds * 1000 + 2000));
        const auto failure = a.failures[0][0].value<SocketFailure>();
        QCOMPARE(failure.code, SocketFailure::CodeTimedOut);
        const bool went = text.endsWith("typed meanwhile");
        QCOMPARE(went, leg.check().code.isEmpty() && text.size() > 32);
        QCOMPARE(failure.number, went ? 0 : 15);
    }

    // A relay that cannot decrypt passes the first record of a long text, then ends the stream
    // without close_notify: the partner shows what came and says the text may be cut.
    void encryptedStream_cutByARelay_isReported()
    {
        Side a, b;
        QVERIFY(b.socket.Listen());
        Relay relay(b.socket.LocalPort());
        bool cutting = false, cut = false;
        relay.pass = [&] {
            if (cut)
                return;
            QByteArray fromA = relay.fromA->readAll();
            if (cutting && fromA.size() >= 5) {
                fromA.truncate(5 + (uchar(fromA[3]) << 8 | uchar(fromA[4])));
                relay.toB.write(fromA);
                relay.toB.disconnectFromHost();
                cut = true;
                return;
            }
            relay.toB.write(fromA);
            relay.fromA->write(relay.toB.readAll());
        };
        QVERIFY(a.socket.ConnectEncrypted(u"127.0.0.1"_s, relay.port()));
        QVERIFY(waitUntil([&] { return a.checks.size() == 1 && b.checks.size() == 1; }));
        cutting = true;
        const QByteArray message(40000, 'x');
        QVERIFY(a.socket.SendData(QString::fromLatin1(message)));
        QVERIFY(waitUntil([&] { return b.failures.size() == 1; }));
        QCOMPARE(b.failures[0][0].value<SocketFailure>().code, SocketFailure::EncryptedEndCut);
        QVERIFY(!b.got.isEmpty() && message.startsWith(b.got) && b.got.size() < message.size());
    }
};

QTEST_MAIN(tst_Tls)
#include "tst_tls.moc"
