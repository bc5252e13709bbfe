// SPDX-License-Identifier: MIT
#include "outgoingtext.h"

#include "tcpsystem.h"

#include <QSocketNotifier>

OutgoingText::OutgoingText(qintptr descriptor, QObject *parent)
    : QObject(parent), m_descriptor(TcpSystem::duplicate(descriptor))
{
    if (m_descriptor == -1)
        return;
    m_writable = new QSocketNotifier(m_descriptor, QSocketNotifier::Write, this);
    m_writable->setEnabled(false);
    connect(m_writable, &QSocketNotifier::activated, this, &OutgoingText::writeQueued);
}

OutgoingText::~OutgoingText()
{
    abandon();
}

bool OutgoingText::send(QByteArrayView bytes)
{
    if (m_descriptor == -1 || m_failed)
        return false;
    m_queued.append(bytes.data(), bytes.size());
    writeQueued();
    return !m_failed;
}

void OutgoingText::writeQueued()
{
    while (m_start < m_queued.size()) {
        const qint64 taken = TcpSystem::send(m_descriptor, m_queued.constData() + m_start,
                                             m_queued.size() - m_start);
        if (taken < 0) {
            m_failed = true;
            m_writable->setEnabled(false);
            Q_EMIT failed();
            return;
        }
        if (taken == 0)
            break;
        m_handedOver += taken;
        m_start += taken;
    }
    if (m_start == m_queued.size()) {
        m_queued.clear();
        m_start = 0;
    } else if (m_start > m_queued.size() / 2) {
        m_queued.remove(0, m_start);  // what has gone is dropped now and then, not on every write
        m_start = 0;
    }
    m_writable->setEnabled(!m_queued.isEmpty());
}

qint64 OutgoingText::undelivered() const
{
    if (m_descriptor == -1)
        return 0;
    const qint64 inFlight = m_handedOver - TcpSystem::acknowledged(m_descriptor);
    return m_queued.size() - m_start + qMax<qint64>(inFlight, 0);
}

bool OutgoingText::hasFailed() const
{
    return m_failed || (m_descriptor != -1 && TcpSystem::hasFailed(m_descriptor));
}

void OutgoingText::finish()
{
    if (m_descriptor == -1)
        return;
    delete m_writable;
    m_writable = nullptr;
    TcpSystem::finish(m_descriptor);
    m_descriptor = -1;
}

void OutgoingText::abandon()
{
    if (m_descriptor == -1)
        return;
    delete m_writable;
    m_writable = nullptr;
    TcpSystem::release(m_descriptor);
    m_descriptor = -1;
}
