// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Checks UTF-8 that arrives in pieces and passes it on as whole characters. A character whose
// bytes are split between two pieces is held back until it is whole, so the pieces taken one by
// one give exactly the text that the whole stream decoded at once would give: valid bytes pass
// unchanged, every character (U+FEFF and NUL included) is kept, invalid bytes become U+FFFD in
// the same places, and nothing around them is lost.
//
// (QStringDecoder keeps state too, but Qt 6.4 drops the byte that follows a sequence left
// unfinished at the end of one piece, so it cannot be trusted with a foreign peer's bytes.
// QString::fromUtf8 drops a byte-order mark at the start of what it is given.)
class Utf8ChunkDecoder
{
public:
    // Appends to `text`, as valid UTF-8, the characters that the bytes so far complete; an
    // unfinished character waits for the next piece.
    void decode(QByteArrayView bytes, QByteArray &text);
    // The end of the stream: a character still unfinished becomes U+FFFD.
    void finish(QByteArray &text);
    void reset() { m_held.clear(); }

    // Whole UTF-8 text as a QString, keeping a leading U+FEFF.
    static QString toString(QByteArrayView utf8);

private:
    QByteArray m_held;
};
