// SPDX-License-Identifier: MIT
// Load and faults on real loopback sockets: a flood of text, both partners talking at once, a
// crowd of callers, a thousand calls, resets, callers who give up, partners who go silent.
// Nothing may be lost, doubled or left open, and nothing may hang.
#include "chatwindow.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QThread>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

// Processes events until `done` holds, without the naps of QTest::qWaitFor: they would add up
// over thousands of waits, and pass for stalls of the window.
template <typename Predicate>
bool waitUntil(Predicate done, int timeoutMs = 20000)
{
    const QDeadlineTimer deadline(timeoutMs);
    QTimer wake;  // so the deadline is seen when nothing else happens
    wake.start(20);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

// What this process holds from the system, as Linux shows it; -1 elsewhere.
int openDescriptors()
{
    const QDir fds(QStringLiteral("/proc/self/fd"));
    return fds.exists()
               ? int(fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size())
               : -1;
}

qint64 residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    return statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE) / 1024;
}

// Ends a connection with a reset instead of the orderly close.
void reset(QTcpSocket &peer)
{
    const linger abortive{1, 0};
    ::setsockopt(int(peer.socketDescriptor()), SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    peer.abort();
}

QString multilingualText(qsizetype minimumBytes)
{
    const QStringList words = {QStringLiteral("Grüße"),        QStringLiteral("東京"),
                               QStringLiteral("שלום"),         QStringLiteral("नमस्ते"),
                               QStringLiteral("😀👍🏽"), QStringLiteral("e\u0301\n")};
    QString text;
    for (qsizetype i = 0, bytes = 0; bytes < minimumBytes; ++i) {
        const QString word = words[i % words.size()] + QString::number(i) + u' ';
        text += word;
        bytes += word.toUtf8().size();
    }
    return text;
}

}  // namespace

class tst_Stress : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void flood_tenMegabytesInRandomPieces_arrivesByteExact();
    void bothWaysAtOnce_everyLineArrivesOnceInOrder();
    void fiftyCallersDuringTheQuestion_areClosed_descriptorsReturn();
    void thousandCalls_descriptorsAndMemoryStayFlat();
    void faults_resetGiveUpSilenceAndHopelessTargets();
};

void tst_Stress::initTestCase()
{
    if (openDescriptors() < 0)
        QSKIP("These tests count descriptors in /proc and make raw Linux sockets.");
}

void tst_Stress::flood_tenMegabytesInRandomPieces_arrivesByteExact()
{
    ChatWindow b;
    const QString text = multilingualText(10 * 1024 * 1024);
    const QByteArray bytes = text.toUtf8();
    const quint32 seed = QRandomGenerator::global()->generate();
    const quint16 port = quint16(b.port());
    // The peer writes from its own thread, so only the window's work runs on this one.
    std::unique_ptr<QThread> peer(QThread::create([&] {
        QRandomGenerator random(seed);
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        socket.waitForConnected(5000);
        for (qsizetype at = 0; at < bytes.size() && socket.isValid();) {
            const qsizetype piece =
                qMin<qsizetype>(random.bounded(1, 1 << random.bounded(1, 19)), bytes.size() - at);
            socket.write(bytes.constData() + at, piece);
            at += piece;
            while (socket.bytesToWrite() > 0 && socket.waitForBytesWritten(30000)) {
            }
        }
        socket.disconnectFromHost();
        if (socket.state() != QAbstractSocket::UnconnectedState)
            socket.waitForDisconnected(30000);
    }));

    qint64 longestStall = 0;  // the longest time the window's thread missed a 1 ms timer
    QElapsedTimer sinceTick, elapsed;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    connect(&ticker, &QTimer::timeout, this,
            [&] { longestStall = qMax(longestStall, sinceTick.restart()); });
    elapsed.start();
    sinceTick.start();
    ticker.start(1);
    peer->start();
    qsizetype listed = 0;
    int row = 2;
    QVERIFY(waitUntil(
        [&] {
            for (; row < b.window->List1->count(); ++row)
                listed += b.window->List1->entry(row).size();
            return listed >= text.size() && b.state() == Winsock::sckClosed;
        },
        120000));
    ticker.stop();
    QVERIFY(peer->wait(QDeadlineTimer(30000)));
    QVERIFY(b.joined(2) == text);
    QVERIFY(!b.lines().contains(QString()));
    QVERIFY(b.prompter->errors.isEmpty());
    qInfo("flood: %lld bytes (seed %u) arrived as %lld entries in %lld ms; longest stall %lld ms",
          qint64(bytes.size()), seed, qint64(b.lines().size() - 2), elapsed.elapsed(),
          longestStall);
}

void tst_Stress::bothWaysAtOnce_everyLineArrivesOnceInOrder()
{
    const int count = qEnvironmentVariableIntValue("PARLINO_STRESS_LINES") > 0
                          ? qEnvironmentVariableIntValue("PARLINO_STRESS_LINES")
                          : 10000;
    ChatWindow a, b;
    QVERIFY(connectPair(a, b));
    ChatWindow *sides[2] = {&a, &b};
    QString sent[2], received[2];
    QList<int> ownRows[2];
    for (int i = 0; i < count; ++i) {
        for (int s = 0; s < 2; ++s) {
            say(*sides[s], s ? QStringLiteral("Бо́б") : QStringLiteral("Ann"),
                QStringLiteral("%1 ☕ %2;")
                    .arg(s ? QStringLiteral("привет") : QStringLiteral("ciao"))
                    .arg(i));
            ownRows[s].append(sides[s]->window->List1->count() - 1);
            sent[s] += sides[s]->window->List1->entry(ownRows[s].last());
        }
        if (i % 16 == 0)
            QCoreApplication::processEvents();
    }
    // Every row after the first two that this side did not send itself came from the partner.
    int nextRow[2] = {2, 2}, nextOwn[2] = {0, 0};
    const auto collect = [&](int s) {
        ConversationList *list = sides[s]->window->List1;
        for (; nextRow[s] < list->count(); ++nextRow[s]) {
            if (nextOwn[s] < ownRows[s].size() && ownRows[s][nextOwn[s]] == nextRow[s])
                ++nextOwn[s];
            else
                received[s] += list->entry(nextRow[s]);
        }
        return received[s].size() >= sent[1 - s].size();
    };
    QVERIFY(waitUntil([&] { return collect(0) & collect(1); }));
    QVERIFY(received[0] == sent[1]);
    QVERIFY(received[1] == sent[0]);
    QVERIFY(a.prompter->errors.isEmpty() && b.prompter->errors.isEmpty());
}

void tst_Stress::fiftyCallersDuringTheQuestion_areClosed_descriptorsReturn()
{
    ChatWindow b;
    const int baseline = openDescriptors();
    std::vector<std::unique_ptr<QTcpSocket>> callers;
    const auto turnedAway = [&] {
        return std::count_if(callers.begin(), callers.end(), [](const auto &caller) {
            return caller->state() == QAbstractSocket::UnconnectedState;
        });
    };
    b.prompter->whileAsking = [&] {
        for (int i = 0; i < 50; ++i) callers.push_back(call(b));
        QVERIFY(waitUntil([&] { return turnedAway() == 50; }));
    };
    auto first = call(b);
    QVERIFY(waitUntil([&] { return b.connected(); }));
    QCOMPARE(b.prompter->questions.size(), 1);
    QCOMPARE(turnedAway(), 50);
    QCOMPARE(first->state(), QAbstractSocket::ConnectedState);

    callers.clear();
    first.reset();
    QVERIFY(waitUntil([&] { return b.state() == Winsock::sckClosed; }));
    b.window->cmdListen->click();
    QVERIFY(waitUntil([&] { return openDescriptors() == baseline; }, 5000));
    qInfo("50 callers turned away; open descriptors %d before and after", baseline);
}

void tst_Stress::thousandCalls_descriptorsAndMemoryStayFlat()
{
    const int calls = qEnvironmentVariableIntValue("PARLINO_STRESS_CALLS") > 0
                          ? qEnvironmentVariableIntValue("PARLINO_STRESS_CALLS")
                          : 1000;
    ChatWindow a, b;
    aimAt(a, b);
    const auto oneCall = [&] {
        a.window->cmdConnect->click();
        const bool up = waitUntil([&] { return a.connected() && b.connected(); });
        a.window->cmdDissconnect->click();
        const bool down = waitUntil([&] { return b.state() == Winsock::sckClosed; });
        b.window->cmdListen->click();
        return up && down;
    };
    for (int i = 0; i < 50; ++i)  // warm up Qt's caches before measuring
        QVERIFY(oneCall());
    const int descriptors = openDescriptors();
    const qint64 resident = residentKiB();
    for (int i = 0; i < calls; ++i)
        QVERIFY2(oneCall(), qPrintable(QStringLiteral("call %1").arg(i)));
    QVERIFY(waitUntil([&] { return openDescriptors() == descriptors; }, 5000));
#ifndef __SANITIZE_ADDRESS__  // AddressSanitizer holds freed memory back on purpose
    QVERIFY2(residentKiB() - resident < 4096,
             qPrintable(QStringLiteral("grew by %1 KiB").arg(residentKiB() - resident)));
#endif
    qInfo("%d calls: descriptors %d before and after, memory grew by %lld KiB", calls, descriptors,
          residentKiB() - resident);
}

void tst_Stress::faults_resetGiveUpSilenceAndHopelessTargets()
{
    ChatWindow b;
    // A reset in the middle of a long text: what arrived is its start, and the window listens
    // again on request. A reset is the partner leaving, not an error of this program.
    QString text;
    while (text.size() < 4 * 1024 * 1024)
        text += QStringLiteral("Grüße 東京 😀 %1\n").arg(text.size());
    auto peer = call(b);
    QVERIFY(waitUntil([&] { return b.connected(); }));
    peer->write(text.toUtf8());
    QVERIFY(waitUntil([&] { return b.lines().size() > 2; }));
    reset(*peer);
    QVERIFY(waitUntil([&] { return b.state() == Winsock::sckClosed; }));
    QString received = b.joined(2);
    while (received.endsWith(QChar::ReplacementCharacter)) received.chop(1);
    QVERIFY(!received.isEmpty() && received.size() < text.size() && text.startsWith(received));
    QVERIFY(b.prompter->errors.isEmpty());

    // A caller that gives up while the question is open: no "Connection made", one sentence.
    b.window->cmdListen->click();
    const int before = int(b.lines().size());
    b.prompter->whileAsking = [&] {
        peer->disconnectFromHost();
        QVERIFY(waitUntil([&] {
            const auto pending = b.window->socket().findChildren<QTcpSocket *>();
            return !pending.isEmpty() &&
                   pending.constFirst()->state() == QAbstractSocket::UnconnectedState;
        }));
    };
    peer = call(b);
    QVERIFY(waitUntil([&] { return !b.prompter->errors.isEmpty(); }));
    QCOMPARE(b.prompter->errors,
             QStringList{QStringLiteral("The caller gave up before the request was accepted. "
                                        "Parlino is not listening now; Listen waits for another "
                                        "request.")});
    QCOMPARE(b.lines().size(), before);
    b.prompter->whileAsking = nullptr;

    // A partner that neither reads nor closes: sends far beyond the kernel's buffers and the
    // Disconnect after them return at once, and the next caller gets in.
    b.window->cmdListen->click();
    const int silent = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(quint16(b.port()));
    QVERIFY(::connect(silent, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0);
    QVERIFY(waitUntil([&] { return b.connected(); }));
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 32; ++i) say(b, QStringLiteral("Bob"), QString(256 * 1024, u'x'));
    b.window->cmdDissconnect->click();
    QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(b.state(), Winsock::sckListening);
    peer = call(b);
    QVERIFY(waitUntil([&] { return b.connected(); }));
    ::close(silent);

    // Addresses no TCP connection can reach, on any network: one clear sentence each.
    for (const QString &target : {QStringLiteral("255.255.255.255"), QStringLiteral("224.0.0.1")}) {
        ChatWindow a;
        a.window->socket().setConnectTimeout(300);
        a.window->txtRemoteIP->setText(target);
        a.window->cmdConnect->click();
        QVERIFY(waitUntil([&] { return !a.prompter->errors.isEmpty(); }, 5000));
        QVERIFY(!waitUntil([&] { return a.prompter->errors.size() > 1; }, 400));
        qInfo("%s: %s", qPrintable(target), qPrintable(a.prompter->errors.constFirst()));
        QVERIFY(a.state() == Winsock::sckError || a.state() == Winsock::sckClosed);
    }
}

QTEST_MAIN(tst_Stress)
#include "tst_stress.moc"
