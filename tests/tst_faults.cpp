// SPDX-License-Identifier: MIT
// What a real network does to a conversation: resets, callers who give up, partners who go
// silent, addresses nobody answers at, and text that looks like markup. Each ends in a clear
// sentence or a clean state, never in a crash or a hang.
#include "chatwindow.h"
#include "eventwait.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpSocket>
#include <QTest>
#include <algorithm>
#include <memory>

#ifdef Q_OS_UNIX
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

const QString StartLine = QStringLiteral("Listening to Port 1981 for new connection requests.");
const QString ListenLine = QStringLiteral("Listening to port 1981 for new connection requests.");
const QString Made = QStringLiteral("Connection made");

std::unique_ptr<QTcpSocket> call(const ChatWindow &callee)
{
    auto peer = std::make_unique<QTcpSocket>();
    peer->connectToHost(QHostAddress::LocalHost, quint16(callee.port()));
    return peer;
}

bool connected(const ChatWindow &chat)
{
    return chat.state() == Winsock::sckConnected;
}

// Ends the peer's connection with a reset (RST) instead of the orderly FIN: a zero linger
// makes close() drop whatever is unsent.
bool resetConnection(QTcpSocket &peer)
{
#ifdef Q_OS_UNIX
    const linger abortive{1, 0};
    if (::setsockopt(int(peer.socketDescriptor()), SOL_SOCKET, SO_LINGER, &abortive,
                     sizeof abortive) != 0)
        return false;
    peer.abort();
    return true;
#else
    Q_UNUSED(peer)
    return false;
#endif
}

}  // namespace

class tst_Faults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void peerResetsMidStream_endsWithAPrefixOfTheText();
    void callerGivesUpBeforeYes_acceptFailsWithSentence_data();
    void callerGivesUpBeforeYes_acceptFailsWithSentence();
    void silentPeer_sendsAndDisconnectNeverBlock();
    void hopelessConnect_endsInOneErrorBox_data();
    void hopelessConnect_endsInOneErrorBox();
    void markupInRemoteIP_isQuotedVerbatim();
};

void tst_Faults::peerResetsMidStream_endsWithAPrefixOfTheText()
{
    ChatWindow b;
    auto peer = call(b);
    QVERIFY(waitUntil([&] { return connected(b); }));
    QString text;
    while (text.size() < 4 * 1024 * 1024)
        text += QStringLiteral("Grüße 東京 😀 שלום %1\n").arg(text.size());
    peer->write(text.toUtf8());
    QVERIFY(waitUntil([&] { return b.lines().size() > 2; }));
    QVERIFY(peer->bytesToWrite() > 0);
    QVERIFY(resetConnection(*peer));

    QVERIFY(waitUntil([&] { return b.state() == Winsock::sckClosed; }));
    // What arrived is the start of the text, at most its last character cut short.
    QString received = b.joined(2);
    while (received.endsWith(QChar::ReplacementCharacter)) received.chop(1);
    QVERIFY(!received.isEmpty());
    QVERIFY(received.size() < text.size());
    QVERIFY(text.startsWith(received));
    // A reset is the partner leaving, not a failure of this program.
    QVERIFY(b.prompter->errors.isEmpty());

    b.window->cmdListen->click();
    auto next = call(b);
    QVERIFY(waitUntil([&] { return connected(b); }));
    QCOMPARE(b.prompter->questions.size(), 2);
}

void tst_Faults::callerGivesUpBeforeYes_acceptFailsWithSentence_data()
{
    QTest::addColumn<bool>("reset");
    QTest::newRow("hangs up") << false;
    QTest::newRow("resets") << true;
}

void tst_Faults::callerGivesUpBeforeYes_acceptFailsWithSentence()
{
    QFETCH(bool, reset);
    ChatWindow b;
    std::unique_ptr<QTcpSocket> peer;
    b.prompter->whileAsking = [&] {
        QVERIFY(waitUntil([&] { return peer->state() == QAbstractSocket::ConnectedState; }));
        if (reset)
            QVERIFY(resetConnection(*peer));
        else
            peer->disconnectFromHost();
        // The request's socket sees the caller leave while the question is still open.
        QVERIFY(waitUntil([&] {
            const auto sockets = b.socket().findChildren<QTcpSocket *>();
            return std::all_of(sockets.begin(), sockets.end(), [](const QTcpSocket *socket) {
                return socket->state() == QAbstractSocket::UnconnectedState;
            });
        }));
    };
    peer = call(b);
    QVERIFY(waitUntil([&] { return !b.prompter->errors.isEmpty(); }));
    QCOMPARE(b.prompter->errors,
             QStringList{QStringLiteral("The caller gave up before the request was accepted.")});
    QCOMPARE(b.prompter->questions.size(), 1);
    QCOMPARE(b.lines(), QStringList{StartLine});
    QCOMPARE(b.state(), int(Winsock::sckClosed));
}

void tst_Faults::silentPeer_sendsAndDisconnectNeverBlock()
{
#ifdef Q_OS_UNIX
    // A partner that neither reads nor closes, as a machine that lost its power or its network:
    // no FIN ever comes, and its receive window fills up.
    ChatWindow b;
    const int silent = ::socket(AF_INET, SOCK_STREAM, 0);
    QVERIFY(silent >= 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(quint16(b.port()));
    QVERIFY(::connect(silent, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0);
    QVERIFY(waitUntil([&] { return connected(b); }));

    // Far more than the kernel's buffers hold: every send still returns at once.
    b.window->txtDisplayName->setText(QStringLiteral("Bob"));
    const QString block(256 * 1024, u'x');
    const int before = int(b.lines().size());
    qint64 longestSend = 0;
    for (int i = 0; i < 32; ++i) {
        b.window->txtMessage->setText(block);
        QElapsedTimer clock;
        clock.start();
        b.window->cmdSend->click();
        longestSend = qMax(longestSend, clock.elapsed());
        QCoreApplication::processEvents();
    }
    QCOMPARE(b.lines().size(), before + 32);
    QVERIFY(b.prompter->errors.isEmpty());
    QVERIFY2(longestSend < 2000, qPrintable(QString::number(longestSend)));
    QVERIFY(connected(b));

    // Disconnect does not wait for the unsent text, and the next caller is let in at once.
    b.window->cmdDissconnect->click();
    QCOMPARE(b.lines().mid(before + 32), (QStringList{QStringLiteral("Disconnected"), ListenLine}));
    QCOMPARE(b.state(), int(Winsock::sckListening));
    auto next = call(b);
    QVERIFY(waitUntil([&] { return connected(b); }));
    QCOMPARE(b.prompter->questions.size(), 2);
    ::close(silent);
#else
    QSKIP("The silent partner is a plain POSIX socket.");
#endif
}

void tst_Faults::hopelessConnect_endsInOneErrorBox_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");
    // Addresses no TCP connection can be routed to, on any network: the attempt fails on this
    // machine (and the component would give up after a short timeout if it did not).
    QTest::newRow("broadcast address")
        << QStringLiteral("255.255.255.255") << QStringLiteral("1981");
    QTest::newRow("multicast address") << QStringLiteral("224.0.0.1") << QStringLiteral("1981");
    for (const char *port : {"", "0", "-1", "65536", "12ab", " 1981"})
        QTest::addRow("port \"%s\"", port)
            << QStringLiteral("127.0.0.1") << QString::fromUtf8(port);
}

void tst_Faults::hopelessConnect_endsInOneErrorBox()
{
    QFETCH(QString, address);
    QFETCH(QString, port);
    ChatWindow a;
    a.socket().setConnectTimeout(300);
    a.window->txtRemoteIP->setText(address);
    a.window->txtRemotePort->setText(port);
    a.window->cmdConnect->click();
    QVERIFY(waitUntil([&] { return !a.prompter->errors.isEmpty(); }, 5000));
    const QString error = a.prompter->errors.constFirst();
    if (address == QLatin1String("127.0.0.1")) {
        // Refused before anything is sent, so no line claims a request went out.
        QCOMPARE(
            error,
            QStringLiteral("The remote port \"%1\" is not a number from 1 to 65535.").arg(port));
        QCOMPARE(a.lines(), QStringList{StartLine});
    } else {
        // The sentence the system's refusal gives, or the component's own timeout.
        QVERIFY2(error.startsWith(QLatin1String("The network reported an error")) ||
                     error.startsWith(QLatin1String("The connection failed")) ||
                     error.startsWith(QLatin1String("The connection attempt timed out")),
                 qPrintable(error));
        qInfo("%s", qPrintable(error));
        QCOMPARE(a.lines(),
                 (QStringList{StartLine,
                              QStringLiteral("Connection request has been sent to: ") + address}));
        // One box only: the timeout does not follow a failure already reported.
        QVERIFY(!waitUntil([&] { return a.prompter->errors.size() > 1; }, 500));
    }
    QVERIFY(a.state() == Winsock::sckClosed || a.state() == Winsock::sckError);
    a.window->cmdListen->click();
    QCOMPARE(a.state(), int(Winsock::sckListening));
}

void tst_Faults::markupInRemoteIP_isQuotedVerbatim()
{
    ChatWindow a, b;
    a.window->txtRemoteIP->setText(QStringLiteral("127.0.0.1"));
    a.window->txtRemotePort->setText(QString::number(b.port()));
    a.window->cmdConnect->click();
    QVERIFY(waitUntil([&] { return connected(a) && connected(b); }));
    const QString markup = QStringLiteral("<img src=\"file:///etc/passwd\"><b>x</b>&amp;<br>");
    a.window->txtRemoteIP->setText(markup);
    a.window->cmdConnect->click();
    QCOMPARE(a.prompter->errors,
             QStringList{QStringLiteral("You are already connected to: ") + markup +
                         QStringLiteral("You must disconnect before proceeding.")});
}

QTEST_MAIN(tst_Faults)
#include "tst_faults.moc"
