// SPDX-License-Identifier: MIT
#include "visibletext.h"

#include <QTextBoundaryFinder>

namespace {

// Runs of text longer than this with nowhere to break a line can break after any character.
constexpr qsizetype LongestUnbroken = 40;

char32_t codePointAt(QStringView text, qsizetype i)
{
    if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(text[i], text[i + 1]);
    return text[i].unicode();
}

// Unicode's Default_Ignorable_Code_Point, the Hangul fillers among them, and the interlinear
// annotation marks: characters a font draws as nothing at all. Those that change the direction
// of text are here too.
bool drawnAsNothing(char32_t c)
{
    if (c < 0x00AD)
        return false;
    if (c < 0x10000)
        return c == 0x00AD || c == 0x034F || c == 0x061C || c == 0x115F || c == 0x1160 ||
               c == 0x17B4 || c == 0x17B5 || (c >= 0x180B && c <= 0x180F) ||
               (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E) ||
               (c >= 0x2060 && c <= 0x206F) || c == 0x3164 || (c >= 0xFE00 && c <= 0xFE0F) ||
               c == 0xFEFF || c == 0xFFA0 || (c >= 0xFFF0 && c <= 0xFFFB);
    return (c >= 0x1BCA0 && c <= 0x1BCA3) || (c >= 0x1D173 && c <= 0x1D17A) ||
           (c >= 0xE0000 && c <= 0xE0FFF);
}

// What emoji sequences are made of: pictographs, and the symbols that have an emoji form.
bool pictographic(char32_t c)
{
    if (c >= 0x1F000)
        return c <= 0x1FAFF;
    if (c >= 0x2190 && c <= 0x2BFF)
        return QChar::category(c) == QChar::Symbol_Other ||
               QChar::category(c) == QChar::Symbol_Math;
    return c == 0x00A9 || c == 0x00AE || c == 0x203C || c == 0x2049 || c == 0x2122 || c == 0x2139 ||
           c == 0x3030 || c == 0x303D || c == 0x3297 || c == 0x3299;
}

// Scripts whose letters are joined or kept apart with U+200D and U+200C.
bool joinsLetters(QChar::Script script)
{
    switch (script) {
        case QChar::Script_Arabic:
        case QChar::Script_Syriac:
        case QChar::Script_Nko:
        case QChar::Script_Mongolian:
        case QChar::Script_Devanagari:
        case QChar::Script_Bengali:
        case QChar::Script_Gurmukhi:
        case QChar::Script_Gujarati:
        case QChar::Script_Oriya:
        case QChar::Script_Tamil:
        case QChar::Script_Telugu:
        case QChar::Script_Kannada:
        case QChar::Script_Malayalam:
        case QChar::Script_Sinhala:
        case QChar::Script_Myanmar:
        case QChar::Script_Khmer:
            return true;
        default:
            return false;
    }
}

// Whether a variation selector picks a form of `base`, the character drawn just before it.
bool selectsForm(char32_t selector, char32_t base, char32_t next)
{
    if (base == 0)
        return false;
    if (selector >= 0xE0100 && selector <= 0xE01EF)
        return QChar::script(base) == QChar::Script_Han;
    if ((selector >= 0x180B && selector <= 0x180D) || selector == 0x180F)
        return QChar::script(base) == QChar::Script_Mongolian;
    if (selector == 0xFE0E ||
        selector == 0xFE0F) {  // text or emoji form, and keycaps as in 1️⃣
        const bool keycap = base == u'#' || base == u'*' || (base >= u'0' && base <= u'9');
        return pictographic(base) || (keycap && next == 0x20E3);
    }
    if (selector < 0xFE00 || selector > 0xFE0D)
        return false;
    switch (QChar::script(base)) {
        case QChar::Script_Han:
        case QChar::Script_Myanmar:
        case QChar::Script_PhagsPa:
        case QChar::Script_Manichaean:
            return true;
        default:
            return base == u'0' || QChar::category(base) == QChar::Symbol_Math;
    }
}

// UTF-16 units of the tags and cancel tag after a black flag at `from` when they make one of the
// flags emoji fonts draw, England's, Scotland's and Wales's (🏴󠁧󠁢󠁳󠁣󠁴󠁿); 0
// otherwise. Other tags, which could spell a hidden sentence, show by their codes.
qsizetype tagSequenceSize(QStringView text, qsizetype from)
{
    QString tags;
    for (qsizetype i = from; i < text.size() && tags.size() <= 5; i += 2) {
        const char32_t code = codePointAt(text, i);
        if (code == 0xE007F)
            return tags == u"gbeng" || tags == u"gbsct" || tags == u"gbwls" ? i + 2 - from : 0;
        if (code < 0xE0020 || code > 0xE007E)
            return 0;
        tags += QChar(char16_t(code - 0xE0000));
    }
    return 0;
}

// Letters and digits in a font of their own (𝗕𝗼𝗹𝗱, 𝑖𝑡𝑎𝑙𝑖𝑐, ℂ) as the plain ones, so that a
// partner's text cannot pass for the user's bold lines or the program's italic ones; 0 for any
// other character.
char32_t plainLetter(char32_t code)
{
    if (QChar::decompositionTag(code) != QChar::Font || pictographic(code))  // ℹ️ stays
        return 0;
    const QString plain = QChar::decomposition(code);
    return plain.size() == 1 ? plain[0].unicode() : 0;
}

void appendCode(QString &shown, char32_t code)
{
    shown += u"<U+";
    for (int shift = code > 0xFFFFF ? 20 : code > 0xFFFF ? 16 : 12; shift >= 0; shift -= 4)
        shown += QLatin1Char("0123456789ABCDEF"[(code >> shift) & 0xF]);
    shown += u'>';
}

}  // namespace

QString VisibleText::of(QStringView text)
{
    QString shown;
    shown.reserve(text.size());
    // What came just before: the character drawn (0 after one drawn as nothing), the script of
    // the last letter, and whether an emoji was being drawn.
    char32_t base = 0;
    QChar::Script script = QChar::Script_Common;
    bool emoji = false;
    qsizetype tagsEnd = 0;  // a flag's tags are drawn up to here
    for (qsizetype at = 0, next = 0; at < text.size(); at = next) {
        if (const char16_t unit = text[at].unicode(); unit >= 0x20 && unit < 0x7F) {
            shown += QChar(unit);  // most text: nothing to look at
            base = unit;
            script = QChar::Script_Common;
            emoji = false;
            next = at + 1;
            continue;
        }
        const char32_t code = codePointAt(text, at);
        next = at + (QChar::requiresSurrogates(code) ? 2 : 1);
        if (const char32_t plain = plainLetter(code)) {
            shown += QChar(char16_t(plain));
            base = plain;
            script = plain < 0x300 ? QChar::Script_Common : QChar::script(plain);
            emoji = false;
            continue;
        }
        if (code >= 0x20 && code != 0x7F && (code < 0x80 || code >= 0xA0) &&
            code != QChar::LineSeparator && code != QChar::ParagraphSeparator &&
            !drawnAsNothing(code)) {
            shown += text.sliced(at, next - at);
            base = code;
            if (code < 0x300) {
                script = QChar::Script_Common;
            } else if (const QChar::Script own = QChar::script(code);
                       own != QChar::Script_Inherited) {
                script = own;
            }
            emoji = pictographic(code) || (emoji && code == 0x20E3);
            if (code == 0x1F3F4)
                tagsEnd = next + tagSequenceSize(text, next);
            continue;
        }
        const char32_t after = next < text.size() ? codePointAt(text, next) : 0;
        if (at < tagsEnd || selectsForm(code, base, after) ||
            (code == 0x200D && emoji && pictographic(after)) ||
            ((code == 0x200C || code == 0x200D) && joinsLetters(script) &&
             QChar::script(after) == script)) {
            // Needed where it is: it joins, keeps apart or picks the form of what is drawn.
            shown += text.sliced(at, next - at);
            base = 0;
            continue;
        }
        if (code == u'\n' || code == u'\r' || code == u'\t' || code == QChar::LineSeparator ||
            code == QChar::ParagraphSeparator) {
            shown += u' ';
        } else if (code < 0x20 || code == 0x7F) {
            shown += u'^';
            shown += QChar(char16_t(code ^ 0x40));  // ^@ … ^_, and ^? for Delete
        } else {
            appendCode(shown, code);
        }
        base = 0;
        script = QChar::Script_Common;
        emoji = false;
    }
    return shown;
}

QString VisibleText::wrappable(QStringView text)
{
    QString wrappable;
    wrappable.reserve(text.size());
    QTextBoundaryFinder lines(QTextBoundaryFinder::Line, text);
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype from = 0, to = lines.toNextBoundary(); to > from;
         from = to, to = lines.toNextBoundary()) {
        if (to - from <= LongestUnbroken) {
            wrappable += text.sliced(from, to - from);
            continue;
        }
        for (qsizetype at = from, next; at < to; at = next) {
            characters.setPosition(at);
            next = qMin(characters.toNextBoundary(), to);
            // A single character may go on without end (a chain of joined emoji, a syllable of
            // Hangul letters): a line may break inside it, between its code points.
            if (next - at > LongestUnbroken)
                next = at + (QChar::requiresSurrogates(codePointAt(text, at)) ? 2 : 1);
            wrappable += text.sliced(at, next - at);
            if (next < to)
                wrappable += QChar(0x200B);  // a zero-width space, where a line may break
        }
    }
    return wrappable;
}
