// SPDX-License-Identifier: MIT
#include "incomingtext.h"

#include <utility>

bool IncomingText::add(QByteArrayView bytes)
{
    if (!bytes.isEmpty())
        m_text += m_decoder.decode(bytes);
    return !m_text.isEmpty();
}

bool IncomingText::end()
{
    m_text += m_decoder.finish();
    return !m_text.isEmpty();
}

QString IncomingText::take()
{
    return std::exchange(m_text, QString());
}

void IncomingText::reset()
{
    m_decoder.reset();
    m_text.clear();
}
