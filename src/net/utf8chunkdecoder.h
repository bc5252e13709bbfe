// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Decodes UTF-8 that arrives in pieces. A character whose bytes are split between two pieces is
// held back until it is whole, so the pieces decoded one by one give exactly the text that the
// whole stream decoded at once would give: invalid bytes become U+FFFD in the same places, and
// nothing around them is lost.
//
// (QStringDecoder keeps state too, but Qt 6.4 drops the byte that follows a sequence left
// unfinished at the end of one piece, so it cannot be trusted with a foreign peer's bytes.)
class Utf8ChunkDecoder
{
public:
    // Decodes what can be decoded of the bytes so far; an unfinished character waits.
    QString decode(QByteArrayView bytes);
    // The end of the stream: a character still unfinished becomes U+FFFD.
    QString finish();
    void reset() { m_held.clear(); }

private:
    QByteArray m_held;
};
