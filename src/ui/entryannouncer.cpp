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
    const QAbstractItemModel *model = m_list->model();
    QStringList told;
    qsizetype size = 0;
    for (int row = model->rowCount() - 1; row >= m_firstUntold && size < MostCharacters; --row) {
        told.prepend(model->index(row, 0)
                         .data(Qt::AccessibleTextRole)
                         .toString()
                         .left(MostCharacters - size));
        size += told.constFirst().size() + 1;
    }
    m_firstUntold = model->rowCount();
    setAccessibleName(told.join(u'\n'));
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
