// SPDX-License-Identifier: MIT
#include "conversationlinedelegate.h"

QString ConversationLineDelegate::visibleText(const QString &entry)
{
    QString text = entry.left(DrawnCharacters);
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
    return text;
}

QString ConversationLineDelegate::displayText(const QVariant &value, const QLocale &) const
{
    return visibleText(value.toString());
}
