// SPDX-License-Identifier: MIT
#include "utf8chunkdecoder.h"

#include <QStringDecoder>
#include <utility>

namespace {

bool isContinuation(uchar byte)
{
    return (byte & 0xC0) == 0x80;
}

// Bytes a sequence needs in all, by its lead byte, as Qt's UTF-8 decoder reads them; 0 for a
// byte that starts no sequence of several bytes.
int sequenceLength(uchar lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// How many bytes at the end of `bytes` begin a character that is not complete yet.
qsizetype unfinishedTail(QByteArrayView bytes)
{
    const qsizetype size = bytes.size();
    for (qsizetype back = 1; back <= 3 && back <= size; ++back) {
        const auto byte = uchar(bytes[size - back]);
        if (isContinuation(byte))
            continue;
        return sequenceLength(byte) > back ? back : 0;
    }
    return 0;
}

// Appends complete bytes: unchanged when they are valid UTF-8, else with U+FFFD for what is not.
void appendChecked(QByteArrayView bytes, QByteArray &text)
{
    if (bytes.isValidUtf8())
        text.append(bytes);
    else
        text.append(Utf8ChunkDecoder::toString(bytes).toUtf8());
}

}  // namespace

void Utf8ChunkDecoder::decode(QByteArrayView bytes, QByteArray &text)
{
    if (!m_held.isEmpty()) {
        m_held.append(bytes);
        const QByteArray joined = std::exchange(m_held, QByteArray());
        return decode(joined, text);
    }
    const qsizetype tail = unfinishedTail(bytes);
    m_held = bytes.last(tail).toByteArray();
    appendChecked(bytes.first(bytes.size() - tail), text);
}

void Utf8ChunkDecoder::finish(QByteArray &text)
{
    appendChecked(std::exchange(m_held, QByteArray()), text);
}

QString Utf8ChunkDecoder::toString(QByteArrayView utf8)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder.decode(utf8);
    return text;
}
