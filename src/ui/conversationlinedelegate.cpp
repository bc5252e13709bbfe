// SPDX-License-Identifier: MIT
#include "conversationlinedelegate.h"

QString ConversationLineDelegate::visibleText(const QString &entry)
{
    qsizetype shown = qMin(entry.size(), DrawnCharacters);
    // Never cut a character that takes two UTF-16 units in half.
    if (shown < entry.size() && entry.at(shown - 1).isHighSurrogate())
        --shown;
    QString text = entry.left(shown);
    for (QChar &c : text) {
        const char16_t code = c.unicode();
        if (code == u'\n' || code == u'\r' || code == u'\t' || code == QChar::LineSeparator ||
            code == QChar::ParagraphSeparator)
            c = u' ';
        else if (code < 0x20)
            c = QChar(char16_t(0x2400 + code));  // the Control Pictures block: ␀, ␁, …
        else if (code == 0x7F)
            c = QChar(char16_t(0x2421));  // ␡
    }
    if (shown < entry.size())
        text += QChar(0x2026);  // …
    return text;
}

QString ConversationLineDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    if (value.typeId() != QMetaType::QString)
        return QStyledItemDelegate::displayText(value, locale);
    return visibleText(value.toString());
}
