// SPDX-License-Identifier: MIT
#include "pageblock.h"

#include "systemmemory.h"

#include <utility>

PageBlock::PageBlock(qint64 bytes) : m_data(SystemMemory::takePages(bytes)), m_bytes(bytes) {}

PageBlock::PageBlock(PageBlock &&other) noexcept
    : m_data(std::exchange(other.m_data, nullptr)), m_bytes(other.m_bytes)
{
}

PageBlock::~PageBlock()
{
    if (m_data)
        SystemMemory::returnPages(m_data, m_bytes);
}
