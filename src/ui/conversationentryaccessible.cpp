// SPDX-License-Identifier: MIT
#include "conversationentryaccessible.h"

#include "conversationlist.h"

#include <QItemSelectionModel>
#include <QWidget>

bool ConversationEntryAccessible::isValid() const
{
    return m_list && m_row < m_list->count();
}

QWindow *ConversationEntryAccessible::window() const
{
    return m_list ? m_list->window()->windowHandle() : nullptr;
}

QAccessibleInterface *ConversationEntryAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_list.data());
}

QString ConversationEntryAccessible::text(QAccessible::Text type) const
{
    if (!isValid())
        return {};
    if (type == QAccessible::Name)
        return m_list->model()->index(m_row, 0).data(Qt::AccessibleTextRole).toString();
    if (type != QAccessible::Description)
        return {};
    switch (m_list->origin(m_row)) {
        case ConversationList::Origin::Status:
            return tr("Status line from Parlino");
        case ConversationList::Origin::Sent:
            return tr("Sent by you");
        case ConversationList::Origin::Received:
            return tr("Received from your partner");
    }
    return {};
}

QRect ConversationEntryAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect inView = m_list->visualRect(m_list->model()->index(m_row, 0));
    return QRect(m_list->viewport()->mapToGlobal(inView.topLeft()), inView.size());
}

QAccessible::State ConversationEntryAccessible::state() const
{
    QAccessible::State state;
    if (!isValid())
        return state;
    state.selectable = true;
    state.focusable = true;
    state.selected = isSelected();
    state.invisible = !m_list->viewport()->rect().intersects(
        m_list->visualRect(m_list->model()->index(m_row, 0)));
    return state;
}

void *ConversationEntryAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface *>(this);
    return nullptr;
}

bool ConversationEntryAccessible::isSelected() const
{
    return isValid() && m_list->selectionModel()->isSelected(m_list->model()->index(m_row, 0));
}
