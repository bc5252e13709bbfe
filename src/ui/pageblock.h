// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// One block of memory taken from the system in whole pages (SystemMemory::takePages), which goes
// back with its owner. It can be moved, never copied.
class PageBlock
{
public:
    // Throws std::bad_alloc when the system has no memory to give.
    explicit PageBlock(qint64 bytes);
    PageBlock(PageBlock &&other) noexcept;
    PageBlock &operator=(PageBlock &&other) = delete;
    ~PageBlock();

    char *data() const { return m_data; }

private:
    char *m_data;
    qint64 m_bytes;
};
