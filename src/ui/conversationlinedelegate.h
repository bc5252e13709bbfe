// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

// Draws each entry of the conversation list on one line. An entry holds exactly the text that
// arrived, line breaks, control characters and megabytes included; only what is drawn differs:
// line breaks and tabs show as spaces, other control characters as their visible symbols, and
// only the beginning of a long entry is laid out and drawn, followed by an ellipsis. Laying out
// all of a megabyte to draw one row would stall the window.
class ConversationLineDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // More than a row can show even when scrolled sideways, few enough to lay out in well under
    // a millisecond.
    static constexpr qsizetype DrawnCharacters = 512;

    static QString visibleText(const QString &entry);
    QString displayText(const QVariant &value, const QLocale &locale) const override;
};
