// SPDX-License-Identifier: MIT
#include "conversationlist.h"

#include "conversationlinedelegate.h"

#include <QTimer>
#include <algorithm>

namespace {

// Rows added within one frame are laid out together.
constexpr qint64 FrameNs = 16'000'000;
// After a layout that took t, the next one waits at least this many times t.
constexpr qint64 LayoutShare = 5;

}  // namespace

ConversationList::ConversationList(QWidget *parent)
    : QListWidget(parent), m_appendedLayout(new QTimer(this))
{
    setItemDelegate(new ConversationLineDelegate(this));
    m_appendedLayout->setSingleShot(true);
    m_appendedLayout->setTimerType(Qt::PreciseTimer);
    connect(m_appendedLayout, &QTimer::timeout, this, &ConversationList::layOutAppendedRows);
    m_clock.start();
}

void ConversationList::rowsInserted(const QModelIndex &parent, int start, int end)
{
    const bool appended = !parent.isValid() && end == count() - 1 && uniformItemSizes();
    if (!appended) {
        QListWidget::rowsInserted(parent, start, end);
        return;
    }
    // The rows above keep the places they have; QListView would forget them all and lay every
    // row out again on the next turn of the event loop.
    QAbstractItemView::rowsInserted(parent, start, end);
    if (!m_appendedLayout->isActive()) {
        const qint64 waitNs = std::max<qint64>(0, m_nextLayoutNs - m_clock.nsecsElapsed());
        m_appendedLayout->start(int((waitNs + 999'999) / 1'000'000));
    }
}

void ConversationList::layOutAppendedRows()
{
    const qint64 startNs = m_clock.nsecsElapsed();
    doItemsLayout();
    const qint64 endNs = m_clock.nsecsElapsed();
    m_nextLayoutNs = endNs + std::max(FrameNs, LayoutShare * (endNs - startNs));
}
