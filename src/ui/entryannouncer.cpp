// SPDX-License-Identifier: MIT
#include "entryannouncer.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

namespace {

// How long entries are gathered before they are told, and how much of them is.
constexpr int GatherMilliseconds = 150;
constexpr qsizetype MostCharacters = 2000;

}  // namespace

EntryAnnouncer::EntryAnnouncer(QAbstractItemView *list)
    : QWidget(list), m_list(list), m_gather(new QTimer(this))
{
    hide();
    QAccessible::registerAccessibleInterface(
        new QAccessibleWidget(this, QAccessible::Notification));
    m_gather->setSingleShot(true);
    m_gather->setInterval(GatherMilliseconds);
    connect(m_gather, &QTimer::timeout, this, &EntryAnnouncer::announce);
    // Nothing is gathered while no assistive technology listens.
    connect(list->model(), &QAbstractItemModel::rowsInserted, this, [this] {
        if (QAccessible::isActive() && !m_gather->isActive())
            m_gather->start();
    });
}

void EntryAnnouncer::announce()
{
    // Each entry as a reader finds it in the list: where it comes from, and its text.
    QAccessibleTableInterface *table =
        QAccessible::queryAccessibleInterface(m_list)->tableInterface();
    const int rows = m_list->model()->rowCount();
    QStringList told;
    qsizetype size = 0;
    for (int row = rows - 1; row >= m_firstUntold && size < MostCharacters; --row) {
        const QAccessibleInterface *cell = table->cellAt(row, 0);
        told.prepend((cell->text(QAccessible::Description) + u'\n' + cell->text(QAccessible::Name))
                         .left(MostCharacters - size));
        size += told.constFirst().size() + 1;
    }
    m_firstUntold = rows;
    setAccessibleName(told.join(u'\n'));
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
