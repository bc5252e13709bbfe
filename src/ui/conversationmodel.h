// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractListModel>
#include <QStringList>

// The entries of the conversation, in order: status lines, sent chat lines and received text,
// each exactly as it was added. Entries are only ever added at the end.
class ConversationModel : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void append(const QString &entry);
    const QString &entry(int row) const { return m_entries.at(row); }

private:
    QStringList m_entries;
};
