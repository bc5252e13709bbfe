// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractListModel>
#include <QByteArrayView>
#include <memory>
#include <vector>

// The entries of the conversation, in order: status lines, sent chat lines and received text,
// each exactly as it was added. Entries are only ever added at the end.
//
// A conversation can hold a gigabyte of text in a million entries, and most of it is never
// looked at again, so each entry is kept as the UTF-8 bytes of its text, packed one after the
// other into large blocks, and decoded only when asked for: the beginning of a row when it is
// drawn, the whole entry when it is copied or read out. Every entry costs 16 bytes beyond its
// text. The text held has a limit, so that a partner cannot take all of the memory there is.
class ConversationModel : public QAbstractListModel
{
    Q_OBJECT

public:
    // Qt::DisplayRole gives what a row shows; this role gives the entry's exact text.
    static constexpr int EntryTextRole = Qt::UserRole;
    // Characters of an entry a row shows at most: more than the list's width holds, few enough
    // to lay out in well under a millisecond.
    static constexpr qsizetype ShownCharacters = 512;
    // Characters of an entry its tooltip shows at most.
    static constexpr qsizetype ToolTipCharacters = 4000;

    explicit ConversationModel(QObject *parent = nullptr);
    ~ConversationModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    void append(QStringView text);
    // Adds text that is valid UTF-8; false, adding nothing, when it would pass the limit.
    bool appendUtf8(QByteArrayView text);
    QString entry(int row) const;

    // Bytes of UTF-8 text the entries hold at most: a quarter of the memory, 1 GiB at most.
    qint64 textLimit() const { return m_textLimit; }
    void setTextLimit(qint64 bytes) { m_textLimit = bytes; }

private:
    struct Entry
    {
        const char *bytes;
        qint64 size;
    };
    QByteArrayView bytesOf(int row) const;
    const char *store(QByteArrayView text);

    std::vector<Entry> m_entries;
    std::vector<std::unique_ptr<char[]>> m_blocks;
    char *m_block = nullptr;  // the block small entries go to
    qint64 m_blockFree = 0;   // bytes left at its end
    qint64 m_textBytes = 0;
    qint64 m_textLimit = 0;
};
