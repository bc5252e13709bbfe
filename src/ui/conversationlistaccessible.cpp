// SPDX-License-Identifier: MIT
#include "conversationlistaccessible.h"

#include "conversationentryaccessible.h"
#include "conversationlist.h"

#include <QItemSelectionModel>

ConversationListAccessible::ConversationListAccessible(ConversationList *list)
    : QAccessibleWidget(list, QAccessible::List)
{
}

ConversationListAccessible::~ConversationListAccessible()
{
    for (QAccessible::Id id : std::as_const(m_cells)) QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface *ConversationListAccessible::create(const QString &className, QObject *object)
{
    auto *list = qobject_cast<ConversationList *>(object);
    if (className != QLatin1String("ConversationList") || !list)
        return nullptr;
    return new ConversationListAccessible(list);
}

ConversationList *ConversationListAccessible::list() const
{
    return static_cast<ConversationList *>(widget());
}

int ConversationListAccessible::rowCount() const
{
    return list()->count();
}

int ConversationListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const QAccessibleTableCellInterface *cell =
        child ? const_cast<QAccessibleInterface *>(child)->tableCellInterface() : nullptr;
    return cell && child->parent() == this ? cell->rowIndex() : -1;
}

QAccessibleInterface *ConversationListAccessible::childAt(int x, int y) const
{
    const QPoint inView = list()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = list()->indexAt(inView);
    return index.isValid() ? cellAt(index.row(), 0) : nullptr;
}

void *ConversationListAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface *ConversationListAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= rowCount() || column != 0)
        return nullptr;
    auto id = m_cells.constFind(row);
    if (id == m_cells.constEnd())
        id = m_cells.insert(row, QAccessible::registerAccessibleInterface(
                                     new ConversationEntryAccessible(list(), row)));
    return QAccessible::accessibleInterface(*id);
}

QList<QAccessibleInterface *> ConversationListAccessible::selectedCells() const
{
    QList<QAccessibleInterface *> cells;
    for (int row : selectedRows()) cells.append(cellAt(row, 0));
    return cells;
}

QList<int> ConversationListAccessible::selectedRows() const
{
    QList<int> rows;
    const QModelIndexList selected = list()->selectionModel()->selectedRows();
    for (const QModelIndex &index : selected) rows.append(index.row());
    return rows;
}

bool ConversationListAccessible::isRowSelected(int row) const
{
    return list()->selectionModel()->isRowSelected(row, {});
}

bool ConversationListAccessible::selectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    list()->selectionModel()->select(list()->model()->index(row, 0),
                                     QItemSelectionModel::ClearAndSelect);
    return true;
}

bool ConversationListAccessible::unselectRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    list()->selectionModel()->select(list()->model()->index(row, 0), QItemSelectionModel::Deselect);
    return true;
}
