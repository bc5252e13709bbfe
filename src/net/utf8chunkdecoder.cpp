// SPDX-License-Identifier: MIT
#include "utf8chunkdecoder.h"

namespace {

bool isContinuation(uchar byte)
{
    return (byte & 0xC0) == 0x80;
}

// Bytes a sequence needs in all, by its lead byte, as QString::fromUtf8 reads them; 0 for a byte
// that starts no sequence of several bytes.
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

}  // namespace

QString Utf8ChunkDecoder::decode(QByteArrayView bytes)
{
    if (!m_held.isEmpty()) {
        m_held.append(bytes.data(), bytes.size());
        const QByteArray joined = std::exchange(m_held, QByteArray());
        return decode(joined);
    }
    const qsizetype tail = unfinishedTail(bytes);
    m_held = bytes.last(tail).toByteArray();
    return QString::fromUtf8(bytes.first(bytes.size() - tail));
}

QString Utf8ChunkDecoder::finish()
{
    return QString::fromUtf8(std::exchange(m_held, QByteArray()));
}
