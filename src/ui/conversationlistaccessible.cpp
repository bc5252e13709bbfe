// SPDX-License-Identifier: MIT
#include "conversationlistaccessible.h"

#include "conversationentryaccessible.h"
#include "conversationlist.h"

#include <QItemSelectionModel>

namespace {

// Cells beyond the children kept before the cache is trimmed: trimming then costs little for
// each cell made, however a screen reader walks the table.
constexpr int SpareCells = ConversationListAccessible::ChildRows / 10;

}  // namespace

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

int ConversationListAccessible::olderCurrentRow() const
{
    const int row = list()->currentIndex().row();
    return row >= 0 && row < rowCount() - childCount() ? row : -1;
}

int ConversationListAccessible::firstChildRow() const
{
    return rowCount() - childCount() + (olderCurrentRow() >= 0 ? 1 : 0);
}

QAccessibleInterface *ConversationListAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    const int older = olderCurrentRow();
    if (older < 0)
        return cellAt(firstChildRow() + index, 0);
    return cellAt(index == 0 ? older : firstChildRow() + index - 1, 0);
}

int ConversationListAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const QAccessibleTableCellInterface *cell =
        child ? const_cast<QAccessibleInterface *>(child)->tableCellInterface() : nullptr;
    if (!cell || child->parent() != this)
        return -1;
    const int row = cell->rowIndex(), older = olderCurrentRow(), first = firstChildRow();
    if (row == older)
        return 0;
    return row >= first && row < rowCount() ? row - first + (older >= 0 ? 1 : 0) : -1;
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
    if (id == m_cells.constEnd()) {
        trimCells();
        id = m_cells.insert(row, QAccessible::registerAccessibleInterface(
                                     new ConversationEntryAccessible(list(), row)));
    }
    return QAccessible::accessibleInterface(*id);
}

void ConversationListAccessible::trimCells() const
{
    if (m_cells.size() < ChildRows + SpareCells)
        return;
    const int first = firstChildRow(), older = olderCurrentRow();
    for (auto cell = m_cells.begin(); cell != m_cells.end();) {
        if (cell.key() < first && cell.key() != older) {
            QAccessible::deleteAccessibleInterface(cell.value());
            cell = m_cells.erase(cell);
        } else {
            ++cell;
        }
    }
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
