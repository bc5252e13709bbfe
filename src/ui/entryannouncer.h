// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QAbstractItemView;
class QTimer;

// Tells screen readers of each new entry of a list, wherever the keyboard focus is. A reader
// speaks a notification when it shows (Orca does so for AT-SPI's object:state-changed:showing of
// an object in the notification role), while Qt's bridge passes on nothing of the table-model
// events that an item view sends for new rows. So this hidden child of the list plays the
// notification: its name is the newest entries, each as its cell tells it (where it comes from,
// then its text). Entries that arrive close together are told once, the newest of them as far
// as they fit.
class EntryAnnouncer : public QWidget
{
public:
    explicit EntryAnnouncer(QAbstractItemView *list);

private:
    void announce();

    QAbstractItemView *m_list = nullptr;
    QTimer *m_gather = nullptr;
    int m_firstUntold = 0;
};
