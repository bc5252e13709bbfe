// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>
#include <QHash>

class ConversationList;

// What assistive technologies see of the conversation list: a list of one-column rows, each
// entry a cell whose text is the whole entry, with its control characters shown as the list
// shows them. Qt gives its own item views such an interface; ConversationList draws its rows
// itself, so it brings its own. EntryAnnouncer tells readers of new entries.
//
// A conversation can hold a million entries, more than a screen reader can take in one answer:
// the list's children are the newest entries and the current one, while the table reaches every
// row. Cells are made when asked for and let go again once they fall out of the children.
class ConversationListAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
public:
    // Children of the list at most.
    static constexpr int ChildRows = 10000;

    explicit ConversationListAccessible(ConversationList *list);
    ~ConversationListAccessible() override;

    // For QAccessible::installFactory().
    static QAccessibleInterface *create(const QString &className, QObject *object);

    QAccessible::Role role() const override { return QAccessible::List; }
    int childCount() const override { return qMin(rowCount(), ChildRows); }
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QAccessibleInterface *caption() const override { return nullptr; }
    QAccessibleInterface *summary() const override { return nullptr; }
    QAccessibleInterface *cellAt(int row, int column) const override;
    int columnCount() const override { return 1; }
    int rowCount() const override;
    int selectedCellCount() const override { return int(selectedRows().size()); }
    QList<QAccessibleInterface *> selectedCells() const override;
    QString columnDescription(int) const override { return {}; }
    QString rowDescription(int) const override { return {}; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return int(selectedRows().size()); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int row) override;
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent *) override {}

private:
    ConversationList *list() const;
    // The first of the newest rows that are children, and the current row when it is older.
    int firstChildRow() const;
    int olderCurrentRow() const;
    // Lets go of the cells that are not children, once there are many of them.
    void trimCells() const;

    mutable QHash<int, QAccessible::Id> m_cells;
};
