// SPDX-License-Identifier: MIT
#include "floodstream.h"

#include <cstdio>
#include <cstring>

FloodStream::FloodStream()
{
    const QByteArray words = "Ann : the quick brown fox jumps over the lazy dog, 0123456789. ";
    m_block.reserve(BlockBytes);
    while (m_block.size() < BlockBytes) m_block += words.left(BlockBytes - m_block.size());
}

const QByteArray &FloodStream::block(qint64 number)
{
    if (number != m_stamped) {
        char stamp[32];
        const int length = std::snprintf(stamp, sizeof stamp, "[#%010lld] ", (long long)number);
        std::memcpy(m_block.data(), stamp, size_t(length));
        m_stamped = number;
    }
    return m_block;
}

bool FloodStream::matchNext(QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 offset = m_position % BlockBytes;
        const qsizetype take = qMin<qint64>(bytes.size() - done, BlockBytes - offset);
        const QByteArray &expected = block(m_position / BlockBytes);
        if (std::memcmp(bytes.data() + done, expected.constData() + offset, size_t(take)) != 0)
            return false;
        done += take;
        m_position += take;
    }
    return true;
}
