// SPDX-License-Identifier: MIT
// Encrypted conversations between two Parlinos on loopback: the code they compare, what a relay in
// the middle sees and can do, and a plain caller that takes its time.
#include "parlinotest.h"
#include "tlschannel.h"
#include "tlsidentity.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QtEndian>

namespace {

// One Parlino's socket and what it has said.
struct Side
{
    Side()
    {
        QObject::connect(&socket, &Winsock::DataArrival, [this] {
            QByteArray text;
            socket.GetData(text);
            got += text;
        });
        QObject::connect(&socket, &Winsock::privacyKnown, [this](Privacy p) { known.append(p); });
        QObject::connect(&socket, &Winsock::privacyCheckReady,
                         [this](const PrivacyCheck &c) { checks.append(c); });
    }
    // Listens, and accepts every caller.
    void answer()
    {
        socket.setLocalPort(0);
        socket.Listen();
        QObject::connect(&socket, &Winsock::ConnectionRequest, [this](int id) {
            requestPrivacy = socket.requestPrivacy(id);
            socket.Close();
            socket.Accept(id);
        });
    }
    bool receives(const QByteArray &text)
    {
        return waitUntil([&] { return got.endsWith(text); });
    }

    Winsock socket;
    QByteArray got;
    QList<Privacy> known;
    QList<PrivacyCheck> checks;
    Privacy requestPrivacy = Privacy::Unknown;
};

// The code as two Parlinos compute it, worked out here on its own.
QString codeOf(const QByteArray &exporter, const QByteArray &clientNonce,
               const QByteArray &serverNonce, const QByteArray &clientPrint,
               const QByteArray &serverPrint)
{
    const QByteArray digest = QCryptographicHash::hash(
        "parlino code" + exporter + clientNonce + serverNonce + clientPrint + serverPrint,
        QCryptographicHash::Sha256);
    return u"%1"_s.arg(qFromBigEndian<quint64>(digest.constData()) % 1000000, 6, 10, QChar(u'0'));
}

}  // namespace

class tst_Tls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QTest::failOnWarning(QRegularExpression(u"."_s)); }
    void twoParlinos_showOneCode_andARecorderHoldsNoText();
    void terminatingRelay_getsTwoCodes();
    void plainCaller_isPlainWheneverItWrites_data();
    void plainCaller_isPlainWheneverItWrites();
};

// The bytes pass through a relay that records them; the conversation is byte-exact both ways.
// What either side says at once waits for the code's exchange.
void tst_Tls::twoParlinos_showOneCode_andARecorderHoldsNoText()
{
    Side a, b;
    b.answer();
    QObject::connect(&b.socket, &Winsock::ConnectionRequest,
                     [&] { QVERIFY(b.socket.SendData(u"at once, "_s)); });
    QObject::connect(&a.socket, &Winsock::privacyKnown,
                     [&] { QVERIFY(a.socket.SendData(u"at once too, "_s)); });
    QTcpServer relay;
    QVERIFY(relay.listen(QHostAddress::LocalHost));
    QByteArray recorded;
    QTcpSocket toB;
    QTcpSocket *fromA = nullptr;
    auto forward = [&](QTcpSocket *from, QTcpSocket *to) {
        const QByteArray bytes = from->readAll();
        recorded += bytes;
        to->write(bytes);
    };
    QObject::connect(&relay, &QTcpServer::newConnection, [&] {
        fromA = relay.nextPendingConnection();
        toB.connectToHost(QHostAddress::LocalHost, quint16(b.socket.LocalPort()));
        QObject::connect(fromA, &QTcpSocket::readyRead, [&] { forward(fromA, &toB); });
        QObject::connect(&toB, &QTcpSocket::readyRead, [&] { forward(&toB, fromA); });
    });
    QVERIFY(a.socket.ConnectEncrypted(u"127.0.0.1"_s, QString::number(relay.serverPort())));
    QVERIFY(waitUntil([&] { return a.checks.size() == 1 && b.checks.size() == 1; }));
    QCOMPARE(a.known, QList{Privacy::Encrypted});
    QCOMPARE(b.known, QList{Privacy::Encrypted});
    QCOMPARE(a.socket.privacy(), Privacy::Encrypted);
    QVERIFY(QRegularExpression(u"^\\d{6}$"_s).match(a.checks[0].code).hasMatch());
    QCOMPARE(a.checks[0].code, b.checks[0].code);
    QCOMPARE(a.checks[0].ownFingerprint, b.checks[0].partnerFingerprint);
    QCOMPARE(a.checks[0].partnerFingerprint.size(), 32);
    QCOMPARE(a.checks[0].protocol, u"TLSv1.3"_s);

    const QString secret = u"secret words, Grüße 😀 "_s.repeated(20000);
    QVERIFY(a.socket.SendData(secret));
    QVERIFY(b.socket.SendData(u"the other way"_s));
    QVERIFY(b.receives(secret.toUtf8()));
    QVERIFY(a.receives("the other way"));
    QCOMPARE(a.got, "at once, the other way");
    QCOMPARE(b.got, "at once too, " + secret.toUtf8());
    QVERIFY(!recorded.contains("secret") && !recorded.contains("other way"));
}

// A relay that runs TLS with each side forwards the exchange of the code, byte by byte, each byte
// in a record of its own. Each side's code is the one its own session gives, and they differ.
void tst_Tls::terminatingRelay_getsTwoCodes()
{
    Side a, b;
    b.answer();
    TlsIdentity identity;
    TlsChannel legA(TlsChannel::Server, identity, false), legB(TlsChannel::Client, identity, false);
    QTcpServer relay;
    QVERIFY(relay.listen(QHostAddress::LocalHost));
    QTcpSocket toB;
    QTcpSocket *fromA = nullptr;
    QByteArray textA, textB;  // what each side sent through the relay
    qsizetype forwardedA = 0, forwardedB = 0;
    bool heldAtCommitments = false;
    auto pump = [&] {
        legA.read(fromA->readAll(), textA);
        legB.read(toB.readAll(), textB);
        // Nothing goes across until both have committed: then each has sent its commitment and
        // nothing more, its nonce waiting for the other's commitment.
        if (textA.size() >= 32 && textB.size() >= 32) {
            heldAtCommitments |= forwardedA == 0 && textA.size() == 32 && textB.size() == 32;
            for (; forwardedA < textA.size(); ++forwardedA) legB.write(textA.mid(forwardedA, 1));
            for (; forwardedB < textB.size(); ++forwardedB) legA.write(textB.mid(forwardedB, 1));
        }
        QByteArray out;
        legA.takeOutput(out);
        fromA->write(std::exchange(out, {}));
        legB.takeOutput(out);
        toB.write(out);
    };
    QObject::connect(&relay, &QTcpServer::newConnection, [&] {
        fromA = relay.nextPendingConnection();
        toB.connectToHost(QHostAddress::LocalHost, quint16(b.socket.LocalPort()));
        QObject::connect(fromA, &QTcpSocket::readyRead, pump);
        QObject::connect(&toB, &QTcpSocket::readyRead, pump);
        QByteArray hello;
        legB.takeOutput(hello);
        toB.write(hello);
    });
    QVERIFY(a.socket.ConnectEncrypted(u"127.0.0.1"_s, QString::number(relay.serverPort())));
    QVERIFY(waitUntil([&] { return a.checks.size() == 1 && b.checks.size() == 1; }));
    QVERIFY(heldAtCommitments);
    const PrivacyCheck &checkA = legA.check(), &checkB = legB.check();
    const QByteArray nonceA = textA.mid(32, 32), nonceB = textB.mid(32, 32);
    QCOMPARE(a.checks[0].code, codeOf(legA.exporter(), nonceA, nonceB, checkA.partnerFingerprint,
                                      checkA.ownFingerprint));
    QCOMPARE(b.checks[0].code, codeOf(legB.exporter(), nonceA, nonceB, checkB.ownFingerprint,
                                      checkB.partnerFingerprint));
    QVERIFY(a.checks[0].code != b.checks[0].code);

    // Characters split across records arrive whole; the end is close_notify after the text.
    QVERIFY(b.socket.SendData(u"€ back"_s));
    QVERIFY(a.receives(u"€ back"_s.toUtf8()));
    QVERIFY(a.socket.SendData(u"Grüße 😀"_s));
    a.socket.Close();
    QVERIFY(b.receives(u"Grüße 😀"_s.toUtf8()));
    QVERIFY(waitUntil([&] { return legA.partnerClosed(); }));
}

void tst_Tls::plainCaller_isPlainWheneverItWrites_data()
{
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("later");
    QTest::addColumn<Privacy>("asked");
    QTest::newRow("writes later") << QByteArray() << QByteArray("hi") << Privacy::Unknown;
    QTest::newRow("writes at once") << QByteArray("hi") << QByteArray("!") << Privacy::Plain;
    QTest::newRow("0x16 alone first") << QByteArray("\x16") << QByteArray("Z") << Privacy::Unknown;
}

// Nothing is sent to a caller that has not written; text sent meanwhile follows its first bytes.
void tst_Tls::plainCaller_isPlainWheneverItWrites()
{
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, later);
    QFETCH(Privacy, asked);
    Side b;
    b.answer();
    RawPeer caller(b.socket.LocalPort());
    caller.write(first);
    QVERIFY(waitUntil([&] { return b.socket.State() == Winsock::sckConnected; }));
    QCOMPARE(b.requestPrivacy, asked);
    QVERIFY(b.socket.SendData(u"early"_s));
    if (first.isEmpty() || first == "\x16") {
        QCOMPARE(b.socket.privacy(), Privacy::Unknown);
        char byte = 0;
        QCOMPARE(::recv(caller.socket, &byte, 1, 0), -1);  // loopback delivers at once
    }
    caller.write(later);
    QVERIFY(b.receives(first + later));
    QCOMPARE(b.known, QList{Privacy::Plain});
    QByteArray got;
    QVERIFY(caller.read(got, 5));
    QCOMPARE(got, "early");
}

QTEST_MAIN(tst_Tls)
#include "tst_tls.moc"
