// SPDX-License-Identifier: MIT
#include "floodprobe.h"

#include "benchclock.h"
#include "floodstream.h"
#include "frmmain.h"

#include <QTimer>
#include <cstdio>
#include "conversationlist.h"

FloodProbe::FloodProbe(frmMain &window, std::int64_t expectedBytes)
    : QObject(&window), m_window(window), m_expected(expectedBytes), m_ticker(new QTimer(this))
{
    connect(m_window.List1->model(), &QAbstractItemModel::rowsInserted, this,
            &FloodProbe::rowsInserted);
    m_ticker->setTimerType(Qt::PreciseTimer);
    m_ticker->setInterval(1);
    connect(m_ticker, &QTimer::timeout, this, &FloodProbe::tick);
}

void FloodProbe::rowsInserted(const QModelIndex &, int first, int last)
{
    for (int row = first; row <= last; ++row) {
        const QString text = m_window.List1->entry(row);
        if (m_firstRow < 0) {
            // Everything after the acceptance is the peer's text.
            if (text == QStringLiteral("Connection made")) {
                m_rssBeforeKiB = BenchClock::residentKiB();
                m_firstRow = row + 1;
                m_lastTickNs = BenchClock::nowNs();
                m_ticker->start();
            }
            continue;
        }
        if (m_shown == 0)
            m_firstNs = BenchClock::nowNs();
        // The stream is ASCII: one UTF-16 unit per byte. The exact check comes at the end.
        m_shown += text.size();
    }
    if (m_firstRow >= 0 && m_shown >= m_expected && m_endNs == 0) {
        m_endNs = BenchClock::nowNs();
        m_ticker->stop();
        tick();
        QMetaObject::invokeMethod(this, &FloodProbe::complete, Qt::QueuedConnection);
    }
}

void FloodProbe::tick()
{
    const std::int64_t now = BenchClock::nowNs();
    m_maxGapNs = qMax(m_maxGapNs, now - m_lastTickNs);
    m_lastTickNs = now;
}

void FloodProbe::complete()
{
    const std::int64_t rssAfterKiB = BenchClock::residentKiB();
    FloodStream expected;
    bool exact = m_shown == m_expected;
    const int rows = m_window.List1->count();
    for (int row = m_firstRow; exact && row < rows; ++row)
        exact = expected.matchNext(m_window.List1->entry(row).toUtf8());
    exact = exact && expected.position() == m_expected;
    std::printf(
        "flood bytes=%lld entries=%d first_ns=%lld end_ns=%lld maxgap_ms=%.3f "
        "rss_before_kib=%lld rss_after_kib=%lld exact=%d\n",
        (long long)m_shown, rows - m_firstRow, (long long)m_firstNs, (long long)m_endNs,
        double(m_maxGapNs) / 1e6, (long long)m_rssBeforeKiB, (long long)rssAfterKiB, exact);
    std::fflush(stdout);
    Q_EMIT finished(exact);
}
