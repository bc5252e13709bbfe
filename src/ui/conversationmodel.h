// SPDX-License-Identifier: MIT
#pragma once

#include "pageblock.h"

#include <QAbstractListModel>
#include <QByteArrayView>
#include <vector>

// The entries of the conversation, in order: status lines, sent chat lines and received text,
// each exactly as it was added, with where it came from. Entries are only ever added at the end.
//
// A conversation can hold a gigabyte of text in a hundred million entries, and most of it is
// never looked at again. So the UTF-8 bytes of all entries are kept one after the other, in
// blocks of 4 MiB that an entry may run across, and decoded only when asked for: the beginning of
// a row when it is drawn, the whole entry when it is copied or read out. Each entry adds one
// 64-bit word: where its text ends in the text of all entries run together (it starts where the
// entry before it ends), with its origin in the two highest bits. The words are kept in chunks of
// 65,536, so the index grows without ever being copied. Blocks and chunks come from the system in
// whole pages, with nothing of an allocator's beside them (which added a page to each chunk).
// Beyond its text an entry costs those 8 bytes; beyond all entries there are only the unused ends
// of the last block and the last chunk, whose pages cost nothing until they are written.
//
// What is kept has a limit, so that a partner cannot take all of the memory there is: text and
// words together. Received text that would pass it is refused. Status lines and the user's own
// lines are few and come at the user's pace, so they are always kept, and count against the limit
// like the rest.
class ConversationModel : public QAbstractListModel
{
    Q_OBJECT

public:
    // Where an entry comes from: the list draws and reads out each differently, so that a partner
    // cannot pass text off as one of the others.
    enum class Origin : quint8 { Status, Sent, Received };

    // Qt::DisplayRole gives what a row shows; this role gives the entry's exact text.
    static constexpr int EntryTextRole = Qt::UserRole;
    // Characters of an entry a row shows at most: more than the list's width holds, few enough
    // to lay out in well under a millisecond.
    static constexpr qsizetype ShownCharacters = 512;
    // Characters of an entry its tooltip shows at most: wrapped, about 13 lines of Latin letters
    // and 25 of the widest characters (Chinese, emoji, Hangul letters), which fit a screen of
    // 600 pixels; Copy takes the whole entry.
    static constexpr qsizetype ToolTipCharacters = 1000;
    // Bytes the limit counts for each entry beyond its text.
    static constexpr qint64 EntryBytes = sizeof(quint64);

    explicit ConversationModel(QObject *parent = nullptr);
    ~ConversationModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // Adds a status line or a line the user sent; always kept.
    void append(QStringView text, Origin origin);
    // Adds received text that is valid UTF-8; false, adding nothing, when it would pass the limit.
    bool appendUtf8(QByteArrayView text);
    QString entry(int row) const;
    Origin origin(int row) const;

    // Bytes the entries keep at most, text and words: a quarter of the memory, 1 GiB at most.
    qint64 textLimit() const { return m_textLimit; }
    void setTextLimit(qint64 bytes) { m_textLimit = bytes; }

private:
    using Word = quint64;
    static constexpr int OriginShift = 62;
    static constexpr Word EndMask = (Word(1) << OriginShift) - 1;
    static constexpr int ChunkShift = 16;
    static constexpr int ChunkWords = 1 << ChunkShift;

    void add(QByteArrayView text, Origin origin);
    Word *chunk(size_t index) const { return reinterpret_cast<Word *>(m_words.at(index).data()); }
    Word word(int row) const;
    qint64 end(int row) const { return row < 0 ? 0 : qint64(word(row) & EndMask); }
    // The bytes from `from` up to `to` at most, as far as they lie in one block.
    QByteArrayView piece(qint64 from, qint64 to) const;
    // The first `bytes` of an entry at most; `scratch` holds them when they lie in two blocks.
    QByteArrayView head(int row, qint64 bytes, QByteArray &scratch) const;
    QString shownBeginning(int row, qsizetype characters) const;

    std::vector<PageBlock> m_words;  // chunks of ChunkWords words
    std::vector<PageBlock> m_blocks;
    int m_count = 0;
    qint64 m_textBytes = 0;
    qint64 m_textLimit = 0;
};
