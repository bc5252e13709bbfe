// SPDX-License-Identifier: MIT
// Routers that answer wrongly, too much, too slowly or not at all, played on loopback: each gets
// its line, the menu item turns itself off, and the open conversation goes on untouched.
#include "parlinotest.h"
#include "routerport.h"

#include <QtEndian>

namespace {

enum class Answer {
    WrongOpcode,
    WrongSize,
    ErrorCode,
    Silence,
    NoOutside,
    Malformed,
    PrivateOutside,
    Huge,
    Trickle,
    NotAnAddress,
    Conflict,
    NotAuthorized,
};

// A NAT-PMP router on 127.0.0.1, as RFC 6886 lays its answers out, but for the one fault. It
// speaks no PCP. Not 127.0.0.2: Wine binds a UDP socket bound to any other address of an interface
// to the whole interface, and then it answers from 127.0.0.1, which libnatpmp does not take from
// 127.0.0.2.
struct NatPmpRouter
{
    explicit NatPmpRouter(Answer fault)
    {
        udp.bind(Address, 5351);
        QObject::connect(&udp, &QUdpSocket::readyRead, [this, fault] {
            while (udp.hasPendingDatagrams()) {
                QHostAddress from;
                quint16 port = 0;
                QByteArray request(int(udp.pendingDatagramSize()), '\0');
                udp.readDatagram(request.data(), request.size(), &from, &port);
                if (fault != Answer::Silence)
                    udp.writeDatagram(answer(request, fault), from, port);
            }
        });
    }
    static QByteArray answer(const QByteArray &request, Answer fault)
    {
        if (request.at(0) != 0)  // PCP, its successor: "unsupported version"
            return QByteArray("\0\x81\0\x01\0\0\0\x01", 8);
        const char opcode = request.at(1);
        QByteArray answer(opcode == 0 ? 12 : 16, '\0');
        answer[1] = char(128 + (fault == Answer::WrongOpcode ? 77 : opcode));
        qToBigEndian<quint16>(fault == Answer::ErrorCode ? 3 : 0, answer.data() + 2);
        qToBigEndian<quint32>(1, answer.data() + 4);
        if (opcode == 0) {
            const quint32 outside = fault == Answer::NoOutside ? 0 : 0x0B000001;
            qToBigEndian(outside, answer.data() + 8);
        } else {
            answer.replace(8, 8, request.mid(4, 8));
        }
        return fault == Answer::WrongSize ? answer.left(opcode == 0 ? 9 : 14) : answer;
    }
    static inline const QHostAddress Address{u"127.0.0.1"_s};
    QUdpSocket udp;
};

// A UPnP router on loopback: its description, then SOAP answers, but for the one fault.
struct UpnpRouter
{
    explicit UpnpRouter(Answer fault)
    {
        http.listen(QHostAddress::LocalHost);
        QObject::connect(&http, &QTcpServer::newConnection, [this, fault] {
            QTcpSocket *client = http.nextPendingConnection();
            QObject::connect(client, &QTcpSocket::readyRead, client, [this, client, fault] {
                request += client->readAll();
                const qsizetype head = request.indexOf("\r\n\r\n");
                const qsizetype length = request.indexOf("Content-Length: ");
                if (head < 0 || (length >= 0 &&
                                 request.size() < head + 4 + request.mid(length + 16, 8).toInt()))
                    return;
                respond(client, std::exchange(request, {}), fault);
            });
        });
    }
    void respond(QTcpSocket *client, const QByteArray &request, Answer fault)
    {
        QByteArray status = "200 OK", body = envelope({});
        if (request.startsWith("GET")) {
            QFile description(u":/igd.xml"_s);
            description.open(QIODevice::ReadOnly);
            body = description.readAll();
        } else if (request.contains("#GetExternalIPAddress")) {
            const QByteArray outside =
                fault == Answer::NotAnAddress ? "not an address" : "10.0.0.7";
            body = fault == Answer::Malformed ? "<s:Envelope><<<NewExternalIPAddress"
                   : fault == Answer::Huge
                       ? QByteArray(10 << 20, 'x')
                       : envelope("<NewExternalIPAddress>" + outside + "</NewExternalIPAddress>");
        } else if (request.contains("#AddPortMapping") &&
                   (fault == Answer::Conflict || fault == Answer::NotAuthorized)) {
            status = "500 Internal Server Error";
            body = envelope("<s:Fault><detail><UPnPError><errorCode>" +
                            QByteArray(fault == Answer::Conflict ? "718" : "606") +
                            "</errorCode></UPnPError></detail></s:Fault>");
        }
        client->write("HTTP/1.1 " + status + "\r\nContent-Type: text/xml\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n");
        if (fault != Answer::Trickle || !request.contains("#GetExternalIPAddress"))
            return void(client->write(body)), client->disconnectFromHost();
        // One byte a second: every read the client makes gets something, and it never ends.
        auto *drip = new QTimer(client);
        QObject::connect(drip, &QTimer::timeout, client, [client] { client->write("<"); });
        drip->start(1000);
    }
    static QByteArray envelope(const QByteArray &content)
    {
        return "<?xml version=\"1.0\"?><s:Envelope "
               "xmlns:s=\"http://schemas.xmlsoap.org/soap/envelope/\"><s:Body>" +
               content + "</s:Body></s:Envelope>";
    }
    QTcpServer http;
    QByteArray request;
};

}  // namespace

class tst_Gateway : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hostileRouter_getsItsLineAndTheConversationGoesOn_data()
    {
        QTest::addColumn<Answer>("fault");
        QTest::addColumn<QString>("line");
        const QString unreadable =
            u"The router's answer could not be read (%1): port %2 is not open."_s;
        const QString cgnat =
            u"The router forwards port %2, but its own internet address %1 is private or shared: a "
            "carrier-grade NAT beyond it turns callers from the internet away. Ask your internet "
            "provider for a public address."_s;
        QTest::newRow("NAT-PMP, wrong opcode")
            << Answer::WrongOpcode << unreadable.arg(u"NAT-PMP"_s);
        QTest::newRow("NAT-PMP, wrong size") << Answer::WrongSize << unreadable.arg(u"NAT-PMP"_s);
        QTest::newRow("NAT-PMP, error code")
            << Answer::ErrorCode << u"The router refused to forward port %2 (NAT-PMP error 3)."_s;
        QTest::newRow("NAT-PMP, never answers")
            << Answer::Silence
            << u"No router answered within 3 seconds: port %2 is not open to callers on the internet."_s;
        QTest::newRow("NAT-PMP, no outside address")
            << Answer::NoOutside
            << u"The router reported an outside address that is not an address (NAT-PMP): port %2 "
               u"is "
               "not open."_s;
        QTest::newRow("UPnP, malformed SOAP") << Answer::Malformed << unreadable.arg(u"UPnP"_s);
        QTest::newRow("UPnP, 10 MB answer") << Answer::Huge << unreadable.arg(u"UPnP"_s);
        QTest::newRow("UPnP, endless trickle")
            << Answer::Trickle
            << u"The router did not finish answering within 6 seconds: port %2 is not open."_s;
        QTest::newRow("UPnP, outside address not an address")
            << Answer::NotAnAddress
            << u"The router reported an outside address that is not an address (UPnP): port %2 is "
               "not open."_s;
        QTest::newRow("UPnP, private outside address")
            << Answer::PrivateOutside << cgnat.arg(u"10.0.0.7"_s);
        QTest::newRow("UPnP, port forwarded elsewhere")
            << Answer::Conflict
            << u"The router refused to forward port %2: it forwards that port to another computer "
               "already."_s;
        QTest::newRow("UPnP, not authorised")
            << Answer::NotAuthorized
            << u"The router refused to forward port %2 (UPnP error 606)."_s;
    }
    void hostileRouter_getsItsLineAndTheConversationGoesOn()
    {
        QFETCH(Answer, fault);
        const bool natpmp = fault <= Answer::NoOutside;  // the first are NAT-PMP's faults
        QFETCH(QString, line);
        ChatWindow caller, callee;
        QVERIFY(connectPair(caller, callee));
        NatPmpRouter natpmpRouter(fault);
        UpnpRouter upnpRouter(fault);
        const QByteArray description =
            "http://127.0.0.1:" + QByteArray::number(upnpRouter.http.serverPort()) + "/igd.xml";
        caller.window->router().setSearch(natpmp ? RouterSearch{NatPmpRouter::Address, {}, {}}
                                                 : RouterSearch{{}, description, {}});

        caller.window->mnuCommunicationsOpenPortOnRouter->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(caller.lines().constLast(), line.arg(caller.port()), 10000);
        // A port that was not opened is not shown as open; one behind another router may still be.
        QCOMPARE(caller.window->mnuCommunicationsOpenPortOnRouter->isChecked(),
                 fault == Answer::PrivateOutside);
        say(caller, u"Ann"_s, u"still here"_s);
        QTRY_COMPARE(callee.lines().constLast(), u"Ann : still here"_s);
    }
};

QTEST_MAIN(tst_Gateway)
#include "tst_gateway.moc"
