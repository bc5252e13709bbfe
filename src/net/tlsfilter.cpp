// SPDX-License-Identifier: MIT
#include "tlsfilter.h"

#include <QTimer>

TlsFilter::TlsFilter(std::unique_ptr<TlsSession> session, TlsSession::Role role, QObject *parent)
    : QObject(parent), m_session(std::move(session)), m_role(role), m_clock(new QTimer(this))
{
    m_clock->setSingleShot(true);
    m_clock->setTimerType(Qt::PreciseTimer);  // a coarse one may end it early
    connect(m_clock, &QTimer::timeout, this, [this] {
        fail({isEstablished() ? SocketFailure::CodeTimedOut : SocketFailure::EncryptionTimedOut});
    });
    if (m_role == TlsSession::Server)
        startClock();
}

TlsFilter::~TlsFilter() = default;

void TlsFilter::startClock()
{
    m_clock->start(SocketFailure::EncryptionSeconds * 1000);
}

bool TlsFilter::read(QByteArrayView bytes, bool ended, QByteArray &text)
{
    if (m_failed)
        return false;
    if (!m_heard && !bytes.isEmpty()) {
        m_heard = true;
        if (m_role == TlsSession::Client) {
            if (bytes[0] != '\x16' && bytes[0] != '\x15')  // neither a handshake nor an alert
                return fail({SocketFailure::PlainAnswer}), false;
            startClock();  // the answering side has begun its part
        }
    }
    const bool going = m_session->read(bytes, text, ended);
    if (!going && !m_session->partnerClosed())
        return fail({SocketFailure::EncryptionFailed, 0, {}, m_session->error()}), false;
    m_cut = ended && isEstablished() && !partnerClosed();
    if (isEstablished() && !std::exchange(m_wasEstablished, true))
        Q_EMIT established();
    if (m_session->isChecked() && !m_checkReported && !m_failed) {
        m_checkReported = true;
        m_clock->stop();
        Q_EMIT checkReady(m_session->check());
    }
    return going && !m_failed;
}

void TlsFilter::fail(const SocketFailure &failure)
{
    m_clock->stop();
    m_failed = true;
    Q_EMIT failed(failure);
}
