// SPDX-License-Identifier: MIT
// Parlino's benchmarks that run inside one process (with a partner process for the latency). Each
// figure has its baseline rows ("raw", "discard", "keep", "first 1000", "short line") beside the
// program's rows in the same run; the memory of one-byte entries and of a flood past the limit
// stand against the bounds the program sets itself. scripts/bench.sh runs this several times,
// measures what needs a fresh process (start-up and idle memory) against `parlino_bare_window`, and
// prints the table. Windows are offscreen (scripts/bench.sh sees to it), traffic stays on
// 127.0.0.1, and every wait has a limit.
#include "parlinotest.h"

#include <openssl/ssl.h>
#include <QProcess>
#include <QScopeGuard>
#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstring>
#include <ctime>
#include <thread>

namespace {

constexpr int Lines = 2000;  // latency: lines timed
constexpr int LongConversation = 100000;
constexpr int Batch = 1000;
constexpr int Rounds = 5;  // fresh windows per entry size
constexpr double MiB = 1024 * 1024;
constexpr int OneByteEntries = 2000000;
constexpr qint64 PastTheLimit = 256 << 20;  // the limit a flood passes, and half as much again

double nowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// The value that a share p of the values do not exceed; p = 0.5 gives the median.
double percentile(std::vector<double> values, double p)
{
    const auto at = values.begin() + qsizetype(p * double(values.size() - 1) + 0.5);
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

QString shortLine(int i)
{
    return QStringLiteral("Ann : message number %1, a line of ordinary length").arg(i);
}

// An arrival of about `bytes` UTF-8 bytes in several scripts.
QByteArray mixedScripts(int bytes)
{
    const QByteArray phrase =
        u"Grüße aus Köln, привет, 你好世界, こんにちは, مرحبا بالعالم, 🙂 ok. "_s
            .toUtf8();
    return phrase.repeated(bytes / int(phrase.size()));
}

// The program's window as the program starts it, listening on a free port, shown and drawn.
struct Window : QObject
{
    Window()
    {
        list->viewport()->installEventFilter(this);
        (new Lifecycle(form, 0, [](int) {}))->load();
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            qWarning("the window was not shown");
        QTest::qWait(30);  // the first layouts and paints
    }
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }

    // Appends and runs the event loop until the list has drawn the entry. An entry below the part
    // on screen needs no drawing: it is done once its events have run.
    bool appendDrawn(const QByteArray &utf8)
    {
        const int paintsBefore = paints;
        list->appendUtf8(utf8);
        QCoreApplication::processEvents();
        const QRect row = list->visualRect(list->model()->index(list->count() - 1, 0));
        return !row.intersects(list->viewport()->rect()) ||
               waitUntil([&] { return paints > paintsBefore; });
    }

    ScriptedWindow form;
    ConversationList *list = form.List1;
    int paints = 0;
};

// The flood's bytes: ASCII text in blocks that begin with their number, so that a lost, repeated
// or reordered block shows.
struct FloodStream
{
    static constexpr qint64 BlockBytes = 64 * 1024;

    const QByteArray &block(qint64 number)
    {
        const QByteArray stamp = '[' + QByteArray::number(number).rightJustified(10, '0') + "] ";
        return text.replace(0, stamp.size(), stamp);
    }
    // Whether `bytes` are the stream's next ones.
    bool matchNext(QByteArrayView bytes)
    {
        for (qsizetype done = 0; done < bytes.size();) {
            const qint64 offset = position % BlockBytes;
            const qsizetype take = std::min(bytes.size() - done, qsizetype(BlockBytes - offset));
            if (std::memcmp(bytes.data() + done, block(position / BlockBytes).constData() + offset,
                            size_t(take)) != 0)
                return false;
            done += take;
            position += take;
        }
        return true;
    }

    QByteArray text = QByteArray("Ann : the quick brown fox jumps over the lazy dog, 0123456789. ")
                          .repeated(BlockBytes / 32)
                          .left(BlockBytes);
    qint64 position = 0;  // of the bytes matched so far
};

// A fast peer, in a thread of its own: calls 127.0.0.1:port, sends `bytes` of the stream as fast
// as they are taken, over TLS if asked as ncat --ssl would, and hangs up. A send that waits 10 s
// ends it.
std::thread feed(quint16 port, qint64 bytes, bool encrypted)
{
    return std::thread([port, bytes, encrypted] {
        const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
        const timeval limit{10, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        FloodStream stream;
        SSL_CTX *context = SSL_CTX_new(TLS_client_method());
        SSL *tls = SSL_new(context);
        SSL_set_fd(tls, fd);
        bool connected = ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        connected = connected && (!encrypted || SSL_connect(tls) == 1);
        for (qint64 sent = 0, n = 0; connected && sent < bytes && n >= 0; sent += n) {
            const qint64 offset = sent % FloodStream::BlockBytes;
            const char *data = stream.block(sent / FloodStream::BlockBytes).constData() + offset;
            const auto size = size_t(std::min(FloodStream::BlockBytes - offset, bytes - sent));
            n = encrypted ? SSL_write(tls, data, int(size)) : ::send(fd, data, size, MSG_NOSIGNAL);
        }
        SSL_free(tls);
        SSL_CTX_free(context);
        ::close(fd);
    });
}

enum class Receiver { Discard, Keep, Parlino, ParlinoEncrypted };

struct Flood
{
    double bytesPerSecond = 0;
    double longestGapMs = 0;
    double memoryPerMiB = 0;  // MiB held per MiB received
    bool exact = false;
};

// A flood of ASCII into a receiver in this thread: a bare socket that throws the bytes away or
// keeps them, or the program's window.
Flood receiveFlood(Receiver receiver)
{
    const bool encrypted = receiver == Receiver::ParlinoEncrypted;
    receiver = encrypted ? Receiver::Parlino : receiver;
    const int mib = qEnvironmentVariableIntValue("PARLINO_BENCH_FLOOD_MIB");
    const qint64 bytes = qint64(mib > 0 ? mib : 200) * 1024 * 1024;
    qint64 received = 0;
    double end = 0;
    const auto count = [&](qint64 size) {
        if (received < bytes && (received += size) >= bytes)
            end = nowMs();
    };
    QTcpServer server;
    QList<QByteArray> kept;
    QByteArray buffer(1024 * 1024, Qt::Uninitialized);
    std::optional<Window> window;
    if (receiver == Receiver::Parlino) {
        // The window's own handler has appended the arrival by the time this one counts it.
        window.emplace();
        QObject::connect(&window->form.socket(), &Winsock::DataArrival, &window->form, count);
    } else {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, &server, [&] {
            QTcpSocket *socket = server.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [&, socket] {
                if (receiver == Receiver::Keep) {
                    kept.append(socket->readAll());
                    count(kept.last().size());
                } else {
                    while (socket->bytesAvailable() > 0)
                        count(socket->read(buffer.data(), buffer.size()));
                }
            });
        });
    }
    // Memory that earlier work freed goes back first, so that the growth is this flood's.
    returnFreedMemory();
    const double memoryBefore = residentKiB() / 1024.0;
    double longestGap = 0, lastTick = nowMs();
    QTimer ticker;  // the event loop's turns, once a millisecond when it is free
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, &ticker, [&] {
        longestGap = std::max(longestGap, nowMs() - lastTick);
        lastTick = nowMs();
    });
    ticker.start(1);
    const double start = nowMs();
    const quint16 port = window ? quint16(window->form.socket().LocalPort()) : server.serverPort();
    std::thread peer = feed(port, bytes, encrypted);
    const bool done = waitUntil([&] { return end > 0; }, 120000);
    peer.join();
    if (!done)
        return {};
    Flood result;
    result.bytesPerSecond = double(bytes) / (end - start) * 1e3;
    result.longestGapMs = std::max(longestGap, end - lastTick);
    result.memoryPerMiB = (residentKiB() / 1024.0 - memoryBefore) / (double(bytes) / MiB);
    FloodStream expected;
    bool exact = true;
    for (const QByteArray &chunk : std::as_const(kept)) exact = exact && expected.matchNext(chunk);
    // The peer's text, between the program's own lines (an encrypted call adds some).
    for (int row = 0; window && row < window->list->count() && expected.position < bytes; ++row)
        if (window->list->origin(row) == ConversationList::Origin::Received)
            exact = exact && expected.matchNext(window->list->entry(row).toLatin1());
    result.exact = receiver == Receiver::Discard || (exact && expected.position == bytes);
    return result;
}

// The highest resident memory of this process from now on, in KiB, once the peak so far has been
// forgotten.
struct PeakMemory
{
    PeakMemory()
    {
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        forgotten = clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
    }
    qint64 kib() const
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!forgotten || !status.open(QIODevice::ReadOnly))
            return -1;
        // "VmHWM:    13544 kB"
        const QByteArray text = status.readAll();
        const QByteArray line = text.mid(text.indexOf("VmHWM:")).split('\n').value(0);
        return line.simplified().split(' ').value(1).toLongLong();
    }
    bool forgotten = false;
};

// The partner for the latency figure, in a process of its own as a real partner is. It calls
// 127.0.0.1:port with the program's window or with a bare socket, and answers each line with the
// time it arrived.
int partner(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const quint16 port = quint16(std::atoi(argv[3]));
    std::optional<Window> window;
    QTcpSocket socket;
    const auto received = [&] {
        const QString arrived = QString::number(nowMs(), 'f', 6);
        QTimer::singleShot(0, &app, [&, arrived] {
            if (!window)
                return void(socket.write(arrived.toLatin1()));
            window->form.txtMessage->setText(arrived);
            window->form.cmdSend->click();
        });
    };
    if (std::strcmp(argv[2], "raw") == 0) {
        QObject::connect(&socket, &QTcpSocket::readyRead, &app, [&] {
            socket.readAll();
            received();
        });
        socket.connectToHost(QHostAddress::LocalHost, port);
    } else {
        window.emplace();
        window->form.txtDisplayName->setText(QStringLiteral("Bob"));
        window->form.txtRemoteIP->setText(QStringLiteral("127.0.0.1"));
        window->form.txtRemotePort->setText(QString::number(port));
        QObject::connect(window->list->model(), &QAbstractItemModel::rowsInserted, &app,
                         [&](const QModelIndex &, int row) {
                             if (window->list->entry(row).startsWith(u"Ann : "))
                                 received();
                         });
        window->form.cmdConnect->click();
    }
    QTimer::singleShot(60000, &app, &QCoreApplication::quit);  // should it be left behind
    return app.exec();
}

// Keeps the calling thread, and the processes it starts, on one processor.
void runOn(int processor)
{
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(processor, &set);
    sched_setaffinity(0, sizeof set, &set);
}

// Latencies of lines sent from here to two partner processes, a bare socket and the program's
// window, taking turns so that the machine's moods reach both alike: from sending until the
// partner has the line, on the machine's one clock. A line goes a millisecond after the last
// answer, as no conversation is faster: both ends have then finished with the last line. Each
// end has a processor of its own, as on two machines: the window drawing the line it sent must
// not hold up its partner.
std::array<std::vector<double>, 2> latencies()
{
    cpu_set_t processors;
    sched_getaffinity(0, sizeof processors, &processors);
    const auto restore = qScopeGuard([&] { sched_setaffinity(0, sizeof processors, &processors); });
    runOn(0);
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    Window window;
    window.form.txtDisplayName->setText(QStringLiteral("Ann"));
    QProcess partners[2];  // each killed and waited for when it goes
    for (const bool raw : {true, false}) {
        partners[raw].setChildProcessModifier([] { runOn(1); });
        partners[raw].start(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--partner"), QLatin1String(raw ? "raw" : "window"),
             QString::number(raw ? server.serverPort() : window.form.socket().LocalPort())});
    }
    if (!waitUntil([&] {
            return server.hasPendingConnections() &&
                   window.form.socket().State() == Winsock::sckConnected;
        }))
        return {};
    QString answers[2];  // when the partner had the line
    QTcpSocket *socket = server.nextPendingConnection();
    QObject::connect(socket, &QTcpSocket::readyRead, socket,
                     [&] { answers[0] = QString::fromLatin1(socket->readAll()); });
    QObject::connect(window.list->model(), &QAbstractItemModel::rowsInserted, &window,
                     [&](const QModelIndex &, int row) {
                         if (window.list->entry(row).startsWith(u"Bob : "))
                             answers[1] = window.list->entry(row).mid(6);
                     });
    std::array<std::vector<double>, 2> times;  // bare sockets, the window
    for (int i = -100; i < Lines; ++i) {       // the first 100 warm up
        for (int which = 0; which < 2; ++which) {
            answers[which].clear();
            double sent = 0;
            if (which == 0) {
                sent = nowMs();
                socket->write(shortLine(i).toUtf8());
                socket->flush();
            } else {
                window.form.txtMessage->setText(shortLine(i).mid(6));
                sent = nowMs();
                window.form.cmdSend->click();
            }
            if (!waitUntil([&] { return !answers[which].isEmpty(); }))
                return {};
            if (i >= 0)
                times[which].push_back(answers[which].toDouble() - sent);
            QTest::qWait(1);
        }
    }
    return times;
}

}  // namespace

class tst_Bench : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // 2: one-way latency of a line, in ms.
    void latency_data()
    {
        QTest::addColumn<bool>("window");
        QTest::addColumn<double>("share");
        QTest::newRow("raw p50") << false << 0.5;
        QTest::newRow("parlino p50") << true << 0.5;
        QTest::newRow("raw p99") << false << 0.99;
        QTest::newRow("parlino p99") << true << 0.99;
    }
    void latency()
    {
        QFETCH(bool, window);
        QFETCH(double, share);
        static const auto measured = latencies();  // every row reads the one measurement
        const std::vector<double> &times = measured[window];
        QCOMPARE(times.size(), size_t(Lines));
        QTest::setBenchmarkResult(percentile(times, share), QTest::WalltimeMilliseconds);
    }

    // 3, 4, 5: a flood of ASCII, byte-exact. Its memory is reported as bytes held per MiB
    // received.
    void flood_data()
    {
        QTest::addColumn<Receiver>("receiver");
        QTest::addColumn<int>("figure");
        QTest::newRow("discard") << Receiver::Discard << int(QTest::BytesPerSecond);
        QTest::newRow("keep") << Receiver::Keep << int(QTest::BytesPerSecond);
        QTest::newRow("parlino") << Receiver::Parlino << int(QTest::BytesPerSecond);
        QTest::newRow("parlino encrypted")
            << Receiver::ParlinoEncrypted << int(QTest::BytesPerSecond);
        QTest::newRow("discard gap") << Receiver::Discard << int(QTest::WalltimeMilliseconds);
        QTest::newRow("parlino gap") << Receiver::Parlino << int(QTest::WalltimeMilliseconds);
        QTest::newRow("keep memory") << Receiver::Keep << int(QTest::BytesAllocated);
        QTest::newRow("parlino memory") << Receiver::Parlino << int(QTest::BytesAllocated);
    }
    void flood()
    {
        QFETCH(Receiver, receiver);
        QFETCH(int, figure);
        const Flood result = receiveFlood(receiver);
        QVERIFY(result.exact);
        const auto metric = QTest::QBenchmarkMetric(figure);
        QTest::setBenchmarkResult(metric == QTest::BytesPerSecond ? result.bytesPerSecond
                                  : metric == QTest::WalltimeMilliseconds
                                      ? result.longestGapMs
                                      : result.memoryPerMiB * MiB,
                                  metric);
    }

    // 5: entries of one byte, the smallest arrival there is: the memory each takes beyond its
    // byte, once the list has drawn its first row.
    void oneByteEntries()
    {
        Window window;
        window.appendDrawn("z");
        returnFreedMemory();
        const qint64 before = residentKiB();
        for (int i = 0; i < OneByteEntries; ++i) window.list->appendUtf8("z");
        QCoreApplication::processEvents();
        QTest::setBenchmarkResult(double(residentKiB() - before) * 1024 / OneByteEntries - 1,
                                  QTest::BytesAllocated);
    }

    // 5: a partner floods past the conversation's limit, as fast as it can, and goes on once it
    // has been cut off: the highest memory while the window takes the flood, cuts it off and reads
    // what is left, above the memory before.
    void floodPastTheLimit_data()
    {
        QTest::addColumn<bool>("encrypted");
        QTest::newRow("plain") << false;
        QTest::newRow("encrypted") << true;
    }
    void floodPastTheLimit()
    {
        QFETCH(bool, encrypted);
        Window window;
        window.list->setTextLimit(PastTheLimit);
        returnFreedMemory();
        const qint64 before = residentKiB();
        const PeakMemory peak;
        std::thread peer =
            feed(quint16(window.form.socket().LocalPort()), PastTheLimit * 3 / 2, encrypted);
        const bool cut = waitUntil(
            [&] { return !window.form.errors.isEmpty() && !window.form.socket().isDelivering(); },
            120000);
        peer.join();
        QVERIFY(cut && window.list->count() > 1 && peak.kib() > 0);
        QTest::setBenchmarkResult(double(peak.kib() - before) * 1024, QTest::BytesAllocated);
    }

    // 8: a call on loopback until both ends can talk: connected (plain), or each with the code to
    // compare (encrypted), between two fresh sockets that make their keys first; the median.
    void handshake_data()
    {
        QTest::addColumn<bool>("encrypted");
        QTest::newRow("plain") << false;
        QTest::newRow("encrypted") << true;
    }
    void handshake()
    {
        QFETCH(bool, encrypted);
        std::vector<double> times;
        for (int round = 0; round < 21; ++round) {
            Winsock callee, caller;
            callee.setLocalPort(0);
            QVERIFY(callee.Listen());
            QObject::connect(&callee, &Winsock::ConnectionRequest, &callee, [&](int id) {
                callee.Close();
                callee.Accept(id);
            });
            int checks = 0;
            for (Winsock *side : {&callee, &caller})
                QObject::connect(side, &Winsock::privacyCheckReady, side, [&] { ++checks; });
            const auto call = encrypted ? &Winsock::ConnectEncrypted : &Winsock::Connect;
            const double start = nowMs();
            QVERIFY(
                (caller.*call)(QStringLiteral("127.0.0.1"), QString::number(callee.LocalPort())));
            QVERIFY(waitUntil([&] {
                return checks == (encrypted ? 2 : 0) && caller.State() == Winsock::sckConnected &&
                       callee.State() == Winsock::sckConnected;
            }));
            times.push_back(nowMs() - start);
        }
        QTest::setBenchmarkResult(percentile(times, 0.5), QTest::WalltimeMilliseconds);
    }

    // 6: processor time of 1,000 appends, each until drawn, at the start of a conversation and
    // after 99,000 entries.
    void longConversation_data()
    {
        QTest::addColumn<int>("before");
        QTest::newRow("first 1000") << 0;
        QTest::newRow("last 1000") << LongConversation - Batch;
    }
    void longConversation()
    {
        QFETCH(int, before);
        Window window;
        for (int i = 0; i < before; ++i)
            window.list->append(shortLine(i), ConversationList::Origin::Sent);
        QTest::qWait(30);
        const std::clock_t start = std::clock();  // what the work costs, whatever the waits
        for (int i = 0; i < Batch; ++i) QVERIFY(window.appendDrawn(shortLine(before + i).toUtf8()));
        QTest::setBenchmarkResult(double(std::clock() - start) * 1e3 / CLOCKS_PER_SEC,
                                  QTest::WalltimeMilliseconds);
    }

    // 7: one huge entry against a short one: the append until drawn (median of fresh windows),
    // and a repaint with it on screen. 6: a repaint at the end of a long conversation.
    void appendEntry_data() { entries(); }
    void appendEntry()
    {
        QFETCH(QByteArray, text);
        std::vector<double> times;
        for (int round = 0; round < Rounds; ++round) {
            Window window;
            const double start = nowMs();
            QVERIFY(window.appendDrawn(text));
            times.push_back(nowMs() - start);
            QCOMPARE(window.list->entry(window.list->count() - 1), QString::fromUtf8(text));
        }
        QTest::setBenchmarkResult(percentile(times, 0.5), QTest::WalltimeMilliseconds);
    }
    void repaintEntry_data()
    {
        entries();
        QTest::newRow("64 KiB in every row") << mixedScripts(64 * 1024) << 20;
        QTest::newRow("long conversation") << shortLine(0).toUtf8() << LongConversation;
    }
    void repaintEntry()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, copies);
        Window window;
        for (int i = 0; i < copies; ++i) window.list->appendUtf8(text);
        window.list->scrollTo(window.list->model()->index(window.list->count() - 1, 0));
        QTest::qWait(30);
        QBENCHMARK
        {
            window.list->viewport()->repaint();
        }
    }

private:
    static void entries()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("copies");
        QTest::newRow("short line") << shortLine(0).toUtf8() << 1;
        QTest::newRow("1 MiB line") << FloodStream().block(0).repeated(16) << 1;
        QTest::newRow("64 KiB arrival") << mixedScripts(64 * 1024) << 1;
    }
};

int main(int argc, char *argv[])
{
    if (argc > 3 && std::strcmp(argv[1], "--partner") == 0)
        return partner(argc, argv);
    // A peer cut off in the middle of a write gets an error, not a signal that ends the process.
    std::signal(SIGPIPE, SIG_IGN);
    QApplication app(argc, argv);
    tst_Bench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "tst_bench.moc"
