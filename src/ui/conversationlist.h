// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QListWidget>

class QTimer;

// The conversation list. Entries are only ever added at the end, often many in a short time
// when a partner sends a lot. A QListView lays out every row again after each insertion, which
// costs more the longer the conversation grows; here rows added at the end are laid out
// together, at most once a frame, and the list never spends more than a fifth of its time
// laying itself out. Each entry is drawn on one line by ConversationLineDelegate.
class ConversationList : public QListWidget
{
    Q_OBJECT

public:
    explicit ConversationList(QWidget *parent = nullptr);

protected:
    void rowsInserted(const QModelIndex &parent, int start, int end) override;

private:
    void layOutAppendedRows();

    QTimer *m_appendedLayout = nullptr;
    QElapsedTimer m_clock;
    qint64 m_nextLayoutNs = 0;
};
