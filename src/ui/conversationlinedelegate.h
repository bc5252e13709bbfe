// SPDX-License-Identifier: MIT
#pragma once

#include <QStyledItemDelegate>

// Draws each entry of the conversation list on one line. An entry holds exactly the text that
// arrived, line breaks, control characters and megabytes included; only what is drawn differs:
// line breaks and tabs show as spaces, other control characters as their visible symbols, and
// only the start of a very long entry is laid out, since no more of it fits the list anyway.
class ConversationLineDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // More characters than any list row can show.
    static constexpr qsizetype DrawnCharacters = 1024;

    static QString visibleText(const QString &entry);

    QString displayText(const QVariant &value, const QLocale &locale) const override;
};
