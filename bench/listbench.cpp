// SPDX-License-Identifier: MIT
#include "listbench.h"

#include "benchclock.h"
#include "frmmain.h"
#include "lifecycle.h"
#include "yesprompter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>
#include "conversationlist.h"

namespace {

constexpr int LongConversation = 100000;
constexpr int Batch = 1000;
constexpr int ShortRows = 5;
constexpr int HugeRounds = 5;

// Processor time this thread has used, in nanoseconds: what work costs, whatever the waits.
std::int64_t threadCpuNs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

double msSince(std::int64_t startNs)
{
    return double(BenchClock::nowNs() - startNs) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

void report(const char *name, double value)
{
    std::printf("%s %.4f\n", name, value);
    std::fflush(stdout);
}

QString shortLine(int i)
{
    return QStringLiteral("Ann : message number %1, a line of ordinary length").arg(i);
}

// Lets pending layouts and paints finish: a frame and a half of event loop.
void settle()
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 25) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

// A window as the program starts it, shown and drawn once.
std::unique_ptr<frmMain> openWindow()
{
    auto window = std::make_unique<frmMain>(std::make_unique<YesPrompter>());
    auto *lifecycle = new Lifecycle(*window, 0, [] {});
    lifecycle->load();
    window->show();
    QElapsedTimer waited;
    waited.start();
    while (!(window->windowHandle() && window->windowHandle()->isExposed()) &&
           waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    settle();
    return window;
}

// Text of `bytes` UTF-8 bytes in several scripts, cut at a character boundary.
QString mixedScripts(int bytes)
{
    const QByteArray phrase = QStringLiteral(
                                  u"Grüße aus Köln, привет, 你好世界, こんにちは, مرحبا بالعالم, "
                                  u"🙂 ok. ")
                                  .toUtf8();
    QByteArray text;
    while (text.size() + phrase.size() <= bytes) text += phrase;
    while (text.size() < bytes) text += 'x';
    return QString::fromUtf8(text);
}

QString asciiLine(int bytes)
{
    const QByteArray words = "the quick brown fox jumps over the lazy dog 0123456789 ";
    QByteArray text = "Ann : ";
    while (text.size() + words.size() <= bytes) text += words;
    while (text.size() < bytes) text += '.';
    return QString::fromLatin1(text);
}

}  // namespace

void ListBench::run()
{
    longConversation();
    hugeEntries();
}

bool ListBench::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && m_watched) {
        ++m_paints;
        ConversationList *list = m_watched->List1;
        if (list->visualRect(list->model()->index(list->count() - 1, 0)).isValid())
            ++m_paintsWithLastRow;
    }
    return QObject::eventFilter(watched, event);
}

void ListBench::watch(frmMain &window)
{
    if (m_watched != &window)
        window.List1->viewport()->installEventFilter(this);
    m_watched = &window;
    m_paints = 0;
}

bool ListBench::waitUntilLastRowDrawn(frmMain &window)
{
    m_paintsWithLastRow = 0;
    // A row below the part of the list on screen needs no drawing: once the events it caused
    // have run, it is done.
    QCoreApplication::processEvents();
    QListView *list = window.List1;
    if (!list->visualRect(list->model()->index(list->model()->rowCount() - 1, 0))
             .intersects(list->viewport()->rect()))
        return true;
    // Sleeps between events rather than spinning, so that waiting costs no processor time; the
    // guard wakes the loop should nothing else be due.
    QTimer guard;
    guard.start(100);
    QElapsedTimer waited;
    waited.start();
    while (m_paintsWithLastRow == 0 && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return m_paintsWithLastRow > 0;
}

double ListBench::appendAndShow(frmMain &window, const QString &line)
{
    const std::int64_t start = BenchClock::nowNs();
    window.appendLine(line);
    if (!waitUntilLastRowDrawn(window))
        std::fprintf(stderr, "warning: an entry was not drawn after its append\n");
    return msSince(start);
}

double ListBench::medianRepaint(frmMain &window, int rounds)
{
    settle();
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const std::int64_t start = BenchClock::nowNs();
        window.List1->viewport()->repaint();
        times.push_back(msSince(start));
    }
    return median(times);
}

void ListBench::longConversation()
{
    auto window = openWindow();
    watch(*window);
    int next = 0;
    // The processor time from the first append of a batch until its last entry has been laid
    // out and drawn.
    const auto appendBatch = [&] {
        const std::int64_t start = threadCpuNs();
        for (int i = 0; i < Batch; ++i) {
            window->appendLine(shortLine(next++));
            QApplication::processEvents();
        }
        waitUntilLastRowDrawn(*window);
        return double(threadCpuNs() - start) / 1e6;
    };
    const double first = appendBatch();
    const int paintsFirst = m_paints;
    // The rows between the first and the last batch add state, not information: they are added
    // without a turn of the event loop each.
    while (next < LongConversation - Batch) window->appendLine(shortLine(next++));
    settle();
    m_paints = 0;
    const double last = appendBatch();
    report("long.first1000_ms", first);
    report("long.last1000_ms", last);
    report("long.paints_first", paintsFirst);
    report("long.paints_last", m_paints);
    report("long.repaint_top_ms", medianRepaint(*window, 15));
    window->List1->scrollTo(window->List1->model()->index(window->List1->count() - 1, 0));
    report("long.repaint_bottom_ms", medianRepaint(*window, 15));
}

void ListBench::hugeEntries()
{
    struct Case
    {
        const char *name;
        QString text;
    };
    const Case cases[] = {{"short", shortLine(-1)},
                          {"line1mb", asciiLine(1024 * 1024)},
                          {"arrival64k", mixedScripts(64 * 1024)}};
    for (const Case &c : cases) {
        std::vector<double> appends, repaints;
        for (int round = 0; round < HugeRounds; ++round) {
            auto window = openWindow();
            for (int i = 0; i < ShortRows; ++i) window->appendLine(shortLine(i));
            settle();
            watch(*window);
            appends.push_back(appendAndShow(*window, c.text));
            if (window->List1->entry(window->List1->count() - 1) != c.text)
                std::fprintf(stderr, "error: %s changed in the list\n", c.name);
            repaints.push_back(medianRepaint(*window, 9));
        }
        report(qPrintable(QStringLiteral("huge.%1.append_ms").arg(QLatin1String(c.name))),
               median(appends));
        report(qPrintable(QStringLiteral("huge.%1.repaint_ms").arg(QLatin1String(c.name))),
               median(repaints));
    }
    // The worst a repaint can meet: every visible row a long entry in several scripts.
    std::vector<double> repaints;
    for (int round = 0; round < HugeRounds; ++round) {
        auto window = openWindow();
        for (int i = 0; i < 20; ++i) window->appendLine(mixedScripts(64 * 1024));
        watch(*window);
        waitUntilLastRowDrawn(*window);
        repaints.push_back(medianRepaint(*window, 9));
    }
    report("huge.allrows64k.repaint_ms", median(repaints));
}
