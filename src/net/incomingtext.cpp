// SPDX-License-Identifier: MIT
#include "incomingtext.h"

#include <utility>

bool IncomingText::add(QByteArrayView bytes)
{
    m_gap = m_gap || m_text.size() >= MostWaiting;
    if (!bytes.isEmpty() && !m_gap)
        m_decoder.decode(bytes, m_text);
    return !m_text.isEmpty();
}

bool IncomingText::end()
{
    m_decoder.finish(m_text);
    return !m_text.isEmpty();
}

void IncomingText::take(QByteArray &text)
{
    std::swap(text, m_text);
    m_text.resize(0);  // keeps the capacity when the buffer is not shared
}

void IncomingText::reset()
{
    m_decoder.reset();
    m_text.clear();
    m_gap = false;
}
