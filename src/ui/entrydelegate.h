// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

// Draws a conversation entry. An entry holds exactly the text that arrived, which can be
// megabytes long; laying all of it out to draw one row would stall the window. So only its
// beginning is laid out and drawn, followed by an ellipsis when there is more. The entry's text
// itself is never changed.
class EntryDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // Characters of an entry that are laid out and drawn: more than a row can show even when it
    // is scrolled sideways, few enough to lay out in well under a millisecond.
    static constexpr qsizetype DrawnCharacters = 512;

    QString displayText(const QVariant &value, const QLocale &locale) const override;
};
