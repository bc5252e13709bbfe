// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The text a flooding peer sends: ASCII chat words in blocks of 1 MiB, each block stamped with
// its number so that lost, doubled or reordered data shows. The sender produces it block by
// block; the receiver checks what it shows against it, byte by byte.
class FloodStream
{
public:
    static constexpr qint64 BlockBytes = 1024 * 1024;

    FloodStream();
    // The block with this number; valid until the next call.
    const QByteArray &block(qint64 number);
    // Whether `bytes` are the next bytes of the stream; the position moves past them.
    bool matchNext(QByteArrayView bytes);
    qint64 position() const { return m_position; }

private:
    QByteArray m_block;
    qint64 m_stamped = -1;
    qint64 m_position = 0;
};
