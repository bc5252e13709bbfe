// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleInterface>
#include <QCoreApplication>
#include <QPointer>

class ConversationList;

// One entry of the conversation list, as assistive technologies see it: a cell of the list
// whose name is the whole entry as the list shows it, and whose description says where it
// comes from, as the row's font and colour show it.
class ConversationEntryAccessible : public QAccessibleInterface,
                                    public QAccessibleTableCellInterface
{
    Q_DECLARE_TR_FUNCTIONS(ConversationEntryAccessible)

public:
    ConversationEntryAccessible(ConversationList *list, int row) : m_list(list), m_row(row) {}

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface *> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return 0; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return parent(); }

private:
    QPointer<ConversationList> m_list;
    int m_row = 0;
};
