// SPDX-License-Identifier: MIT
// Runs every benchmark against its baseline, several times each, and prints one table.
//   parlino_bench --bindir BUILD [--runs N] [--flood-mib N] [--lines N] [--platforms a,b]
//                 [--tsv FILE]
// Each figure is measured with its baseline in the same run, alternating, so that a busy
// machine slows both alike; the table shows the ratios. All traffic stays on 127.0.0.1, and every
// wait has a limit.
#include "benchclock.h"
#include "childprocess.h"
#include "resulttable.h"
#include "stats.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace {

using Goal = ResultTable::Goal;
constexpr quint16 ProgramPort = 1981;

struct Setup
{
    QString bench;    // folder of the bench programs
    QString parlino;  // the program itself
    QString scratch;  // folder for time stamp files
    int runs = 5;
    qint64 floodBytes = 0;
    int lines = 0;
    QStringList platforms;
};

double msBetween(std::int64_t fromNs, std::int64_t toNs)
{
    return double(toNs - fromNs) / 1e6;
}

QString program(const Setup &setup, const char *name)
{
    return setup.bench + u'/' + QLatin1String(name);
}

// "key=value" fields of a line the bench programs print.
QHash<QString, QString> fields(const QString &line)
{
    QHash<QString, QString> result;
    const QStringList words = line.split(u' ', Qt::SkipEmptyParts);
    for (const QString &word : words) {
        const qsizetype at = word.indexOf(u'=');
        if (at > 0)
            result.insert(word.left(at), word.mid(at + 1));
    }
    return result;
}

int portOf(const QString &readyLine)
{
    return fields(readyLine).value(QStringLiteral("port")).toInt();
}

// A TCP connection to 127.0.0.1:port, or -1 when it is refused.
int connectTo(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0)
        return fd;
    ::close(fd);
    return -1;
}

bool portIsFree(quint16 port)
{
    QTcpServer probe;
    return probe.listen(QHostAddress::Any, port);
}

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// Start-up: from launching the program until its port accepts a connection and its event loop,
// which runs only once the window has been shown, has taken that caller. Both programs stop
// listening when they take a caller (Parlino to ask its user), so a refused second connection
// tells that the first was taken. -1 when the program never got there.
double startUp(const QString &path, const QStringList &arguments, const QString &platform,
               quint16 port)
{
    constexpr int PollMicroseconds = 500;
    constexpr int Polls = 20000;  // 10 s
    const std::int64_t start = BenchClock::nowNs();
    ChildProcess child(path, arguments, platform);
    int caller = -1;
    int poll = 0;
    for (; poll < Polls && caller < 0; ++poll) {
        caller = connectTo(port);
        if (caller < 0)
            QThread::usleep(PollMicroseconds);
    }
    double result = -1;
    for (; poll < Polls && caller >= 0; ++poll) {
        const int another = connectTo(port);
        if (another < 0) {
            result = msBetween(start, BenchClock::nowNs());
            break;
        }
        ::close(another);
        QThread::usleep(PollMicroseconds);
    }
    if (caller >= 0)
        ::close(caller);
    return result;
}

void measureStartUp(const Setup &setup, ResultTable &table)
{
    // The program itself when its port is free; otherwise the same window on another port.
    const bool real = portIsFree(ProgramPort);
    for (const QString &platform : setup.platforms) {
        std::vector<double> ratios, bare, ours;
        for (int run = 0; run < setup.runs; ++run) {
            const quint16 port = real ? ProgramPort : freePort();
            const QStringList portArgs{QStringLiteral("--port"), QString::number(port)};
            double baseMs = 0, oursMs = 0;
            // Alternate which goes first, so neither always meets a warmer cache.
            for (int turn = 0; turn < 2; ++turn) {
                if ((turn == 0) == (run % 2 == 0)) {
                    baseMs = startUp(program(setup, "bench_bare_window"), portArgs, platform, port);
                } else {
                    oursMs = real ? startUp(setup.parlino, {}, platform, port)
                                  : startUp(program(setup, "parlino_bench_app"),
                                            QStringList{QStringLiteral("idle")} + portArgs,
                                            platform, port);
                }
            }
            if (baseMs <= 0 || oursMs <= 0) {
                std::fprintf(stderr, "start-up run %d on %s failed\n", run, qPrintable(platform));
                continue;
            }
            bare.push_back(baseMs);
            ours.push_back(oursMs);
            ratios.push_back(oursMs / baseMs);
        }
        table.add({QStringLiteral("1"),
                   QStringLiteral("start-up, %1 (%2 ms)")
                           .arg(platform, QString::number(Stats::median(ours), 'f', 1)) +
                       (real ? QString() : QStringLiteral(", bench app")),
                   QString::number(Stats::median(bare), 'f', 1) + QStringLiteral(" ms"),
                   QStringLiteral("x"), ratios, Goal::AtMost, 1.15});
    }
}

// Idle memory: the resident set of each program once its window has been drawn and it has
// settled, paired run by run.
void measureIdleMemory(const Setup &setup, ResultTable &table)
{
    std::vector<double> extra, bare;
    for (int run = 0; run < setup.runs; ++run) {
        double kib[2] = {0, 0};
        for (int which = 0; which < 2; ++which) {
            ChildProcess child(which == 0 ? program(setup, "bench_bare_window")
                                          : program(setup, "parlino_bench_app"),
                               which == 0 ? QStringList{} : QStringList{QStringLiteral("idle")},
                               QStringLiteral("offscreen"));
            if (child.waitForLine(QStringLiteral("ready"), 10000).isEmpty())
                break;
            QThread::msleep(300);
            kib[which] = double(BenchClock::residentKiB(child.pid()));
        }
        if (kib[0] <= 0 || kib[1] <= 0)
            continue;
        bare.push_back(kib[0] / 1024);
        extra.push_back((kib[1] - kib[0]) / 1024);
    }
    table.add({QStringLiteral("5"), QStringLiteral("idle memory above the bare program"),
               QString::number(Stats::median(bare), 'f', 1) + QStringLiteral(" MiB"),
               QStringLiteral("MiB"), extra, Goal::AtMost, 3.0});
}

struct Stamps
{
    QHash<int, std::int64_t> sent;
    QHash<int, std::int64_t> received;
};

Stamps readStamps(const QString &path)
{
    Stamps stamps;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return stamps;
    while (!file.atEnd()) {
        const QList<QByteArray> parts = file.readLine().trimmed().split(' ');
        if (parts.size() != 3)
            continue;
        (parts[0] == "S" ? stamps.sent : stamps.received)
            .insert(parts[1].toInt(), parts[2].toLongLong());
    }
    return stamps;
}

// One-way latencies in microseconds, both directions: a line's arrival in one process less its
// sending in the other, on the machine's one monotonic clock.
std::vector<double> latencies(const Stamps &caller, const Stamps &answerer)
{
    std::vector<double> result;
    for (auto it = caller.sent.cbegin(); it != caller.sent.cend(); ++it) {
        if (answerer.received.contains(it.key()))
            result.push_back(double(answerer.received.value(it.key()) - it.value()) / 1e3);
    }
    for (auto it = answerer.sent.cbegin(); it != answerer.sent.cend(); ++it) {
        if (caller.received.contains(it.key()))
            result.push_back(double(caller.received.value(it.key()) - it.value()) / 1e3);
    }
    return result;
}

std::vector<double> pingPong(const Setup &setup, const QString &path, int run)
{
    const QString tag = QStringLiteral("%1-%2").arg(QFileInfo(path).fileName()).arg(run);
    const QString answererLog = setup.scratch + QStringLiteral("/pong-") + tag;
    const QString callerLog = setup.scratch + QStringLiteral("/ping-") + tag;
    const QStringList common{QStringLiteral("--lines"), QString::number(setup.lines / 2)};
    ChildProcess answerer(
        path, QStringList{QStringLiteral("pong"), QStringLiteral("--log"), answererLog} + common,
        QStringLiteral("offscreen"));
    const int port = portOf(answerer.waitForLine(QStringLiteral("ready"), 10000));
    if (port <= 0)
        return {};
    ChildProcess caller(
        path,
        QStringList{QStringLiteral("ping"), QStringLiteral("--log"), callerLog,
                    QStringLiteral("--call"), QStringLiteral("127.0.0.1:%1").arg(port)} +
            common,
        QStringLiteral("offscreen"));
    if (caller.waitForLine(QStringLiteral("done ok=1"), 120000).isEmpty() ||
        answerer.waitForLine(QStringLiteral("done ok=1"), 10000).isEmpty())
        return {};
    return latencies(readStamps(callerLog), readStamps(answererLog));
}

void measureLatency(const Setup &setup, ResultTable &table)
{
    std::vector<double> ratios, p99s, rawP50s, rawP99s;
    for (int run = 0; run < setup.runs; ++run) {
        const bool rawFirst = run % 2 == 0;
        std::vector<double> raw, ours;
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == rawFirst)
                raw = pingPong(setup, program(setup, "bench_raw_peer"), run);
            else
                ours = pingPong(setup, program(setup, "parlino_bench_app"), run);
        }
        if (raw.size() != std::size_t(setup.lines) || ours.size() != std::size_t(setup.lines)) {
            std::fprintf(stderr, "latency run %d: %zu and %zu of %d lines timed\n", run, raw.size(),
                         ours.size(), setup.lines);
            continue;
        }
        const double rawP50 = Stats::percentile(raw, 0.5);
        rawP50s.push_back(rawP50);
        rawP99s.push_back(Stats::percentile(raw, 0.99) / 1e3);
        ratios.push_back(Stats::percentile(ours, 0.5) / rawP50);
        p99s.push_back(Stats::percentile(ours, 0.99) / 1e3);
    }
    table.add({QStringLiteral("2"),
               QStringLiteral("latency p50, %1 lines over loopback").arg(setup.lines),
               QString::number(Stats::median(rawP50s), 'f', 0) + QStringLiteral(" us"),
               QStringLiteral("x"), ratios, Goal::AtMost, 2.0});
    table.add({QStringLiteral("2"), QStringLiteral("latency p99"),
               QString::number(Stats::median(rawP99s), 'f', 2) + QStringLiteral(" ms"),
               QStringLiteral("ms"), p99s, Goal::AtMost, 2.0});
}

struct Flood
{
    double mibPerSecond = 0;
    double maxGapMs = 0;
    double rssPerMib = 0;
    bool exact = false;
};

Flood flood(const Setup &setup, bool window)
{
    const QString bytes = QString::number(setup.floodBytes);
    ChildProcess receiver(
        window ? program(setup, "parlino_bench_app") : program(setup, "bench_raw_peer"),
        {window ? QStringLiteral("flood") : QStringLiteral("sink"), QStringLiteral("--bytes"),
         bytes},
        QStringLiteral("offscreen"));
    const int port = portOf(receiver.waitForLine(QStringLiteral("ready"), 10000));
    if (port <= 0)
        return {};
    ChildProcess feeder(program(setup, "bench_raw_peer"),
                        {QStringLiteral("feed"), QStringLiteral("--bytes"), bytes,
                         QStringLiteral("--call"), QStringLiteral("127.0.0.1:%1").arg(port)},
                        QStringLiteral("offscreen"));
    const auto start = fields(feeder.waitForLine(QStringLiteral("start_ns"), 10000));
    const auto done = fields(receiver.waitForLine(QStringLiteral("flood"), 300000));
    if (start.isEmpty() || done.isEmpty())
        return {};
    Flood result;
    const double seconds = msBetween(start.value(QStringLiteral("start_ns")).toLongLong(),
                                     done.value(QStringLiteral("end_ns")).toLongLong()) /
                           1e3;
    const double mib = double(setup.floodBytes) / (1024 * 1024);
    result.mibPerSecond = mib / seconds;
    result.maxGapMs = done.value(QStringLiteral("maxgap_ms")).toDouble();
    result.rssPerMib = (done.value(QStringLiteral("rss_after_kib")).toDouble() -
                        done.value(QStringLiteral("rss_before_kib")).toDouble()) /
                       1024 / mib;
    result.exact = done.value(QStringLiteral("exact")) == QStringLiteral("1") &&
                   done.value(QStringLiteral("bytes")).toLongLong() == setup.floodBytes;
    return result;
}

void measureFlood(const Setup &setup, ResultTable &table)
{
    std::vector<double> ratios, gaps, perMib, rawRates;
    int inexact = 0;
    for (int run = 0; run < setup.runs; ++run) {
        Flood raw, ours;
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == (run % 2 == 0))
                raw = flood(setup, false);
            else
                ours = flood(setup, true);
        }
        if (raw.mibPerSecond <= 0 || ours.mibPerSecond <= 0) {
            std::fprintf(stderr, "flood run %d failed\n", run);
            continue;
        }
        inexact += ours.exact ? 0 : 1;
        rawRates.push_back(raw.mibPerSecond);
        ratios.push_back(ours.mibPerSecond / raw.mibPerSecond);
        gaps.push_back(ours.maxGapMs);
        perMib.push_back(ours.rssPerMib);
    }
    const QString size = QString::number(setup.floodBytes / (1024 * 1024));
    table.add({QStringLiteral("3"),
               QStringLiteral("receive %1 MiB into the list%2")
                   .arg(size, inexact ? QStringLiteral(" - NOT EXACT") : QStringLiteral(", exact")),
               QString::number(Stats::median(rawRates), 'f', 0) + QStringLiteral(" MiB/s"),
               QStringLiteral("x"), ratios, Goal::AtLeast, inexact ? 1e9 : 0.5});
    table.add({QStringLiteral("4"), QStringLiteral("longest event-loop gap during the flood"),
               QStringLiteral("-"), QStringLiteral("ms"), gaps, Goal::AtMost, 50});
    table.add({QStringLiteral("5"), QStringLiteral("memory per MiB of ASCII received"),
               QStringLiteral("-"), QStringLiteral("MiB"), perMib, Goal::AtMost, 2.5});
}

void measureList(const Setup &setup, ResultTable &table)
{
    QHash<QString, std::vector<double>> values;
    for (int run = 0; run < setup.runs; ++run) {
        ChildProcess child(program(setup, "parlino_bench_app"), {QStringLiteral("list")},
                           QStringLiteral("offscreen"));
        QString line;
        while (!(line = child.waitForLine(QString(), 120000)).isEmpty()) {
            const QStringList parts = line.split(u' ');
            if (parts.size() == 2)
                values[parts[0]].push_back(parts[1].toDouble());
        }
    }
    const auto &first = values.value(QStringLiteral("long.first1000_ms"));
    const auto &last = values.value(QStringLiteral("long.last1000_ms"));
    std::vector<double> growth;
    for (std::size_t i = 0; i < std::min(first.size(), last.size()); ++i)
        growth.push_back(last[i] / first[i]);
    std::vector<double> repaint;
    const auto &top = values.value(QStringLiteral("long.repaint_top_ms"));
    const auto &bottom = values.value(QStringLiteral("long.repaint_bottom_ms"));
    for (std::size_t i = 0; i < std::min(top.size(), bottom.size()); ++i)
        repaint.push_back(std::max(top[i], bottom[i]));
    const auto ms = [](const std::vector<double> &v) {
        return QString::number(Stats::median(v), 'f', 2) + QStringLiteral(" ms");
    };
    table.add({QStringLiteral("6"), QStringLiteral("100,000 entries: last 1,000 appends / first"),
               ms(first), QStringLiteral("x"), growth, Goal::AtMost, 1.5});
    table.add({QStringLiteral("6"), QStringLiteral("100,000 entries: repaint of the list"),
               QStringLiteral("-"), QStringLiteral("ms"), repaint, Goal::AtMost, 16});
    const QString shortAppend = ms(values.value(QStringLiteral("huge.short.append_ms")));
    const QString shortRepaint = ms(values.value(QStringLiteral("huge.short.repaint_ms")));
    const struct
    {
        const char *key;
        const char *what;
        bool append;
    } huge[] = {{"huge.line1mb.append_ms", "1 MiB line: append", true},
                {"huge.line1mb.repaint_ms", "1 MiB line: repaint", false},
                {"huge.arrival64k.append_ms", "64 KiB arrival (several scripts): append", true},
                {"huge.arrival64k.repaint_ms", "64 KiB arrival (several scripts): repaint", false}};
    for (const auto &h : huge) {
        table.add({QStringLiteral("7"), QLatin1String(h.what),
                   h.append ? shortAppend : shortRepaint, QStringLiteral("ms"),
                   values.value(QLatin1String(h.key)), Goal::AtMost, h.append ? 20.0 : 16.0});
    }
    table.add({QStringLiteral("7"), QStringLiteral("every visible row 64 KiB: repaint"),
               shortRepaint, QStringLiteral("ms"),
               values.value(QStringLiteral("huge.allrows64k.repaint_ms")), Goal::None, 0});
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption bindir(QStringLiteral("bindir"), QStringLiteral("Build folder."),
                                    QStringLiteral("path"));
    const QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("Runs per figure."),
                                  QStringLiteral("n"), QStringLiteral("5"));
    const QCommandLineOption floodMib(QStringLiteral("flood-mib"),
                                      QStringLiteral("Size of the flood."), QStringLiteral("MiB"),
                                      QStringLiteral("200"));
    const QCommandLineOption lines(QStringLiteral("lines"), QStringLiteral("Latency lines."),
                                   QStringLiteral("n"), QStringLiteral("10000"));
    const QCommandLineOption platforms(QStringLiteral("platforms"),
                                       QStringLiteral("Qt platforms for start-up."),
                                       QStringLiteral("list"), QStringLiteral("offscreen"));
    const QCommandLineOption tsv(QStringLiteral("tsv"), QStringLiteral("Write the results here."),
                                 QStringLiteral("file"));
    const QCommandLineOption only(
        QStringLiteral("only"),
        QStringLiteral("Figures to run: startup,memory,latency,flood,list."),
        QStringLiteral("list"), QStringLiteral("startup,memory,latency,flood,list"));
    parser.addOptions({bindir, runs, floodMib, lines, platforms, tsv, only});
    parser.process(app);

    QTemporaryDir scratch;
    Setup setup;
    const QString build = QDir(parser.value(bindir)).absolutePath();
    setup.bench = build + QStringLiteral("/bench");
    setup.parlino = build + QStringLiteral("/src/app/parlino");
    setup.scratch = scratch.path();
    setup.runs = std::max(1, parser.value(runs).toInt());
    setup.floodBytes = parser.value(floodMib).toLongLong() * 1024 * 1024;
    setup.lines = parser.value(lines).toInt() / 2 * 2;
    setup.platforms = parser.value(platforms).split(u',', Qt::SkipEmptyParts);
    const QStringList figures = parser.value(only).split(u',', Qt::SkipEmptyParts);

    ResultTable table;
    const auto step = [&](const char *name, void (*measure)(const Setup &, ResultTable &)) {
        if (!figures.contains(QLatin1String(name)))
            return;
        std::fprintf(stderr, "measuring %s...\n", name);
        measure(setup, table);
    };
    step("startup", measureStartUp);
    step("memory", measureIdleMemory);
    step("latency", measureLatency);
    step("flood", measureFlood);
    step("list", measureList);

    std::printf(
        "\nParlino benchmarks: %d runs per figure; baseline and ratio from the same run\n\n",
        setup.runs);
    const int missed = table.print();
    if (parser.isSet(tsv) && !table.writeTsv(parser.value(tsv)))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(parser.value(tsv)));
    std::printf("\n%d target(s) missed\n", missed);
    return 0;
}
