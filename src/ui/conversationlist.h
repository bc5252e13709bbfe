// SPDX-License-Identifier: MIT
#pragma once

#include "conversationmodel.h"

#include <QAbstractItemView>
#include <bitset>

class QTimer;

// The conversation list: a single column of one-line rows, only ever added to at the end.
//
// Why not QListView: entries often arrive many in a short time when a partner sends a lot, and a
// conversation can grow to hundreds of thousands of them. QListView lays out every row again
// after insertions, which costs more the longer the list grows. Here every row is one line of the
// same height, so a row's place is a multiplication and an entry added costs the same at any
// length: the geometry is computed, never laid out, in 64 bits from the row at the top of the
// view (tall rows by the million are more pixels than an int holds). Each row shows the beginning
// of its entry on one line, ending in an ellipsis when the entry goes on; copying (Ctrl+C) takes
// the whole entry, exactly as it was added.
//
// A row shows where its entry comes from, so that a partner cannot pass its text off as the
// program's or the user's: the program's status lines are in italic and a muted colour, the
// user's own lines in bold, the partner's text plain. Every row is as high as the tallest of the
// kinds shown so far.
class ConversationList : public QAbstractItemView
{
    Q_OBJECT

public:
    explicit ConversationList(QWidget *parent = nullptr);

    using Origin = ConversationModel::Origin;

    // Adds a status line or a line the user sent; always kept.
    void append(const QString &entry, Origin origin);
    // Adds received text, valid UTF-8; false, adding nothing, when the conversation is full.
    bool appendUtf8(QByteArrayView entry);
    int count() const;
    QString entry(int row) const;
    Origin origin(int row) const;
    qint64 textLimit() const;
    void setTextLimit(qint64 bytes);

    QRect visualRect(const QModelIndex &index) const override;
    QModelIndex indexAt(const QPoint &point) const override;
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;
    void reset() override;

protected:
    void rowsInserted(const QModelIndex &parent, int start, int end) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // Offers Copy for the entry under the pointer.
    void contextMenuEvent(QContextMenuEvent *event) override;
    void changeEvent(QEvent *event) override;
    void updateGeometries() override;
    void scrollContentsBy(int dx, int dy) override;
    int horizontalOffset() const override { return 0; }
    int verticalOffset() const override;
    bool isIndexHidden(const QModelIndex &) const override { return false; }
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command) override;
    QRegion visualRegionForSelection(const QItemSelection &selection) const override;

private:
    void updateScrollBar();
    // The font and colours that show where an entry comes from.
    static QStyleOptionViewItem styled(const QStyleOptionViewItem &option, Origin origin);
    // Every row is as tall as the tallest text any row has shown: characters the list's font
    // lacks come from fallback fonts that may stand taller, and no row may cut them. Fallback
    // fonts are loaded only once an entry needs them.
    int rowHeight() const;
    // Characters of one part of Unicode come from the same font as a rule.
    static constexpr char32_t UnicodePart = 128;
    int heightFor(const QString &text) const;
    // Grows the row height for rows first to last, measuring only those that bring characters of
    // a part of Unicode, or a kind of line (so a bold or italic face), no row brought before; true
    // when the rows grew.
    bool fitRows(int first, int last);
    // Whole rows the viewport shows.
    int rowsPerPage() const;
    // The row at the top of the viewport, and the row at a viewport y, which may lie outside
    // 0 .. count() - 1.
    int topRow() const;
    qint64 rowAt(int y) const;
    QRect rowsRect(int first, int last) const;
    QModelIndex indexOfRow(int row) const;

    ConversationModel *m_entries = nullptr;
    QTimer *m_scrollBarUpdate = nullptr;
    mutable int m_rowHeight = 0;
    // A character of each part of Unicode the rows have brought, which the row height fits.
    QString m_sample = QStringLiteral("\u00C9g");
    std::bitset<0x110000 / UnicodePart> m_seenParts{0b11};
    // The kinds of line the rows have brought, by Origin: only their faces are measured.
    std::bitset<3> m_seenOrigins;
};
