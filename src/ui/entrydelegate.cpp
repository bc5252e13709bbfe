// SPDX-License-Identifier: MIT
#include "entrydelegate.h"

QString EntryDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    if (value.typeId() != QMetaType::QString)
        return QStyledItemDelegate::displayText(value, locale);
    const QString text = value.toString();
    if (text.size() <= DrawnCharacters)
        return QStyledItemDelegate::displayText(value, locale);
    // Never cut a character that takes two UTF-16 units in half.
    qsizetype shown = DrawnCharacters;
    if (text.at(shown - 1).isHighSurrogate())
        --shown;
    return QStyledItemDelegate::displayText(text.left(shown) + QChar(0x2026), locale);
}
