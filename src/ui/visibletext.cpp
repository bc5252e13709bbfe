// SPDX-License-Identifier: MIT
#include "visibletext.h"

namespace {

bool changesDirection(char16_t code)
{
    return code == 0x061C || code == 0x200E || code == 0x200F ||
           (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

}  // namespace

QString VisibleText::of(QStringView text)
{
    QString shown;
    shown.reserve(text.size());
    for (QChar c : text) {
        const char16_t code = c.unicode();
        if (code == u'\n' || code == u'\r' || code == u'\t' || code == QChar::LineSeparator ||
            code == QChar::ParagraphSeparator) {
            shown += u' ';
        } else if (code < 0x20 || code == 0x7F) {
            shown += u'^';
            shown += QChar(char16_t(code ^ 0x40));  // ^@ … ^_, and ^? for Delete
        } else if ((code >= 0x80 && code < 0xA0) || changesDirection(code)) {
            shown += QStringLiteral("<U+%1>").arg(uint(code), 4, 16, QLatin1Char('0')).toUpper();
        } else {
            shown += c;
        }
    }
    return shown;
}
