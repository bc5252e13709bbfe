// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <cstdint>

class QModelIndex;
class QTimer;
class frmMain;

// Watches a window while a peer floods it: when the expected number of bytes has been appended
// to the list, how long the event loop was away at most, what the process holds in memory
// before and after, and whether the entries are exactly the bytes the peer sent.
class FloodProbe : public QObject
{
    Q_OBJECT

public:
    FloodProbe(frmMain &window, std::int64_t expectedBytes);

Q_SIGNALS:
    void finished(bool exact);

private:
    void rowsInserted(const QModelIndex &parent, int first, int last);
    void tick();
    void complete();

    frmMain &m_window;
    std::int64_t m_expected;
    std::int64_t m_shown = 0;
    std::int64_t m_rssBeforeKiB = 0;
    std::int64_t m_firstNs = 0;
    std::int64_t m_endNs = 0;
    std::int64_t m_lastTickNs = 0;
    std::int64_t m_maxGapNs = 0;
    int m_firstRow = -1;
    QTimer *m_ticker = nullptr;
};
