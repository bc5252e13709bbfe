// SPDX-License-Identifier: MIT
// The network layer on its own: received bytes checked as UTF-8 in pieces, the address shown as
// Local IP, and the socket component with real peers on loopback. (Arrivals cut every way: the
// fuzzer, fuzz/fuzz_arrivals.)
#include "callerratelimit.h"
#include "incomingtext.h"
#include "localaddress.h"
#include "parlinotest.h"

#include <QElapsedTimer>
#include <QRegularExpression>

class tst_Net : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The network layer has nothing to say on the console: any warning of Qt's is a fault.
    void init() { QTest::failOnWarning(QRegularExpression(u"."_s)); }
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void incomingText_anyThreePieces_giveTheWholeDecodedAtOnce_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("two, three and four bytes") << u"Grüße 東 😀"_s.toUtf8() << u"Grüße 東 😀"_s;
        // Qt 6.4's QStringDecoder drops the 'A' and the '€' here when a cut falls inside.
        QTest::newRow("sequences cut short") << "x\342\202A\342\202\342\202\254\360\237z"_ba
                                             << u"x\uFFFD\uFFFDA\uFFFD\uFFFD€\uFFFD\uFFFDz"_s;
        QTest::newRow("overlong, surrogate, too big")
            << "\xC0\xAF\xE0\x80\xAF\xED\xA0\x80\xF4\x90\x80\x80\xF5"_ba
            << QString(13, QChar::ReplacementCharacter);
        QTest::newRow("strays, NUL, controls")
            << "\200\277a\0b\x1B[m\r\n"_ba << u"\uFFFD\uFFFDa\0b\x1B[m\r\n"_s;
        QTest::newRow("byte-order marks") << "\xEF\xBB\xBFw\xEF\xBB\xBFv"_ba << u"\uFEFFw\uFEFFv"_s;
        QTest::newRow("ends unfinished") << "ok \xF0\x9F\x98"_ba << u"ok \uFFFD\uFFFD\uFFFD"_s;
    }

    // However the bytes are cut into three arrivals, the text taken after each and at the end
    // gives exactly what the whole stream decoded at once gives.
    void incomingText_anyThreePieces_giveTheWholeDecodedAtOnce()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const QByteArrayView all(bytes);
        for (qsizetype first = 0; first <= all.size(); ++first)
            for (qsizetype second = first; second <= all.size(); ++second) {
                IncomingText incoming;
                QByteArray taken, piece;
                for (QByteArrayView arrival :
                     {all.first(first), all.sliced(first, second - first), all.sliced(second)}) {
                    incoming.add(arrival);
                    incoming.take(piece);
                    taken += piece;
                }
                incoming.end();
                incoming.take(piece);
                QCOMPARE(taken + piece, text.toUtf8());
            }
    }

    void localAddress_isOneAPartnerCanReach_data()
    {
        using I = LocalAddress::Interface;
        using A = QHostAddress;
        const I loopback{u"lo"_s, QNetworkInterface::Loopback, true, {A(u"127.0.0.1"_s)}};
        const I docker{u"docker0"_s, QNetworkInterface::Ethernet, true, {A(u"172.17.0.1"_s)}};
        const I bridge{u"br-5f2a"_s, QNetworkInterface::Ethernet, true, {A(u"172.18.0.1"_s)}};
        const I down{u"eth1"_s, QNetworkInterface::Ethernet, false, {A(u"10.0.0.5"_s)}};
        const I vpn{u"tun0"_s, QNetworkInterface::Unknown, true, {A(u"10.8.0.2"_s)}};
        const QList<A> wifiIps{A(u"fe80::1"_s), A(u"169.254.3.4"_s), A(u"192.168.1.20"_s)};
        const I wifi{u"wlan0"_s, QNetworkInterface::Wifi, true, wifiIps};
        QTest::addColumn<QList<I>>("interfaces");
        QTest::addColumn<QString>("shown");
        QTest::newRow("bridges and a down link")
            << QList<I>{loopback, docker, bridge, down} << u"127.0.0.1"_s;
        QTest::newRow("Wi-Fi before a bridge and a tunnel")
            << QList<I>{docker, vpn, wifi} << u"192.168.1.20"_s;
        QTest::newRow("a tunnel before nothing") << QList<I>{loopback, vpn} << u"10.8.0.2"_s;
    }

    void localAddress_isOneAPartnerCanReach()
    {
        QFETCH(QList<LocalAddress::Interface>, interfaces);
        QFETCH(QString, shown);
        QCOMPARE(LocalAddress::choose(interfaces), shown);
    }

    void connectFailures_areReportedLater_data()
    {
        QTest::addColumn<QString>("host");  // empty: a listener that answers no handshake
        QTest::addColumn<SocketFailure::Code>("failure");
#ifdef Q_OS_LINUX
        // First, before a lookup has started Qt's lookup threads: they stay in the namespaces they
        // were started in, and would ask the machine's name server.
        QTest::newRow("name server silent")
            << u"partner.example"_s << SocketFailure::LookupTimedOut;
#endif
        QTest::newRow("refused") << u"127.0.0.1"_s << SocketFailure::Refused;
        QTest::newRow("unanswered") << QString() << SocketFailure::TimedOut;
    }

    void connectFailures_areReportedLater()
    {
        QFETCH(QString, host);
        QFETCH(SocketFailure::Code, failure);
        Winsock socket;
        socket.setConnectTimeout(failure == SocketFailure::LookupTimedOut ? 10000 : 300);
        QSignalSpy reports(&socket, &Winsock::errorOccurred);
        QTcpServer listener;
        std::vector<std::unique_ptr<QTcpSocket>> fillers;
        const quint16 port = host.isEmpty() ? fullListener(listener, fillers) : closedPort();
        QUdpSocket nameServer;  // takes questions and answers none
        if (failure == SocketFailure::LookupTimedOut)
            QVERIFY(silentNameServer(nameServer));
        QVERIFY(socket.Connect(host.isEmpty() ? u"127.0.0.1"_s : host, QString::number(port)));
        QCOMPARE(reports.count(), 0);  // never from inside Connect()
        QVERIFY(reports.wait(5000));
        QCOMPARE(reports.count(), 1);
        QCOMPARE(reports[0][0].value<SocketFailure>().code, failure);
        QCOMPARE(socket.State(), Winsock::sckError);
    }

    void vanishedPartner_isNoticed_data()
    {
        QTest::addColumn<int>("textAfterMs");  // -1: none
        QTest::newRow("idle") << -1;
        QTest::newRow("text waiting") << 0;
        // The silence counts from the partner's last answer, not from the text.
        QTest::newRow("text sent later") << 3000;
    }

    // A partner on a network of the test's own, behind a link that then goes down, as when its
    // machine is switched off: it is noticed within the silence time of its last answer, with how
    // much was not delivered. (A partner that only stops reading: tst_promises.) Linux only:
    // namespaces.
    void vanishedPartner_isNoticed()
    {
        QFETCH(int, textAfterMs);
        const auto run = [](const QString &command) {
            return QProcess::execute(u"sh"_s, {u"-c"_s, command}) == 0;
        };
        QVERIFY2(ownNetwork(), "needs root: a network namespace of the test's own");
        const QString remote = u"parlino-far-%1"_s.arg(QCoreApplication::applicationPid());
        QVERIFY(
            run(u"ip link set lo up && ip netns add %1 && "
                "ip link add v0 type veth peer name v1 netns %1 && "
                "ip addr add 10.198.0.1/30 dev v0 && ip link set v0 up && "
                "ip -n %1 addr add 10.198.0.2/30 dev v1 && ip -n %1 link set v1 up && "
                "ip netns exec %1 sysctl -qw net.ipv4.tcp_rmem='4096 4096 4096'"_s.arg(remote)));
        const auto cleanup = qScopeGuard(
            [&] { run(u"ip netns pids %1 | xargs -r kill; ip netns del %1"_s.arg(remote)); });
        Side parlino;
        const TcpSystem::Liveness quick{2, 1, 2, 5000};
        parlino.socket.setLiveness(quick);
        QVERIFY(parlino.socket.Listen());
        const QByteArray text = "are you there?";
        // The partner reads nothing until it is given a line, then counts what it gets.
        Tool partner(
            u"ip netns exec %1 bash -c \"exec 3<>/dev/tcp/10.198.0.1/%2 && printf x >&3 && "
            "read -u 0 && head -c %3 <&3 | md5sum\""_s.arg(remote)
                .arg(parlino.socket.LocalPort())
                .arg(text.size()));
        QTRY_COMPARE(parlino.socket.State(), Winsock::sckConnected);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(run(u"ip -n %1 link set v1 down"_s.arg(remote)));
        if (textAfterMs >= 0) {
            QVERIFY(!parlino.failures.wait(textAfterMs));
            QVERIFY(parlino.socket.SendData(QString::fromLatin1(text)));
        }
        QVERIFY(parlino.failures.wait(quick.silenceMs + 3000));
        QCOMPARE_LE(clock.elapsed(), quick.silenceMs + 1000);
        const auto failure = parlino.failures[0][0].value<SocketFailure>();
        QCOMPARE(failure.code, SocketFailure::ConnectionLost);
        QCOMPARE(failure.number, textAfterMs >= 0 ? text.size() : 0);
        QVERIFY(parlino.socket.State() != Winsock::sckConnected);
    }

    void callerRateLimit_callsOverTime_knownVerdicts_data()
    {
        QTest::addColumn<QString>("calls");  // milliseconds/address
        // Take, TurnAway, TurnAwayAndTell: t, x, !
        QTest::addColumn<QString>("verdicts");
        const QString a = u"/192.0.2.7 "_s;
        QString everyTenSeconds;
        for (int i = 0; i < 12; ++i) everyTenSeconds += QString::number(i * 10000) + a;
        QTest::newRow("the minute slides; calls turned away count too")
            << u"0%1 30000%1 30000%1 30000%1 30000%1 59999%1 60000%1 90000%1"_s.arg(a)
            << u"ttttt!xt"_s;
        QTest::newRow("told again a minute after") << everyTenSeconds << u"ttttt!xxxxx!"_s;
        QTest::newRow("each address on its own")
            << u"0%1 0%1 0%1 0%1 0%1 0/2001:db8::7 0%1"_s.arg(a) << u"tttttt!"_s;
        QTest::newRow("loopback never counted")
            << u"0/127.9.8.7 "_s.repeated(6) + u"0/::1 "_s.repeated(6) << u"t"_s.repeated(12);
    }

    void callerRateLimit_callsOverTime_knownVerdicts()
    {
        QFETCH(QString, calls);
        QFETCH(QString, verdicts);
        qint64 now = 0;
        CallerRateLimit limit([&] { return now; });
        QString got;
        for (const QString &call : calls.split(u' ', Qt::SkipEmptyParts)) {
            now = call.section(u'/', 0, 0).toLongLong();
            got += QLatin1Char("tx!"[int(limit.count(call.section(u'/', 1)))]);
        }
        QCOMPARE(got, verdicts);
    }

    void incomingText_floodNobodyTakes_keepsOnlyItsBeginning()
    {
        // What is read after the conversation's end waits untaken, while a partner may go on
        // sending: a UTF-8 lead byte and all else past the bound is dropped.
        IncomingText incoming;
        const QByteArray piece(4096, 'x');
        for (int i = 0; i < 3 * IncomingText::MostWaiting / piece.size(); ++i) incoming.add(piece);
        incoming.add("\xC3");
        QVERIFY(incoming.isFull() && incoming.end());
        QByteArray text;
        incoming.take(text);
        QCOMPARE(text, QByteArray(IncomingText::MostWaiting, 'x'));
    }
};

QTEST_MAIN(tst_Net)
#include "tst_net.moc"
