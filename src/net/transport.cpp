// SPDX-License-Identifier: MIT
#include "transport.h"

#include <QSocketNotifier>
#include <QTcpSocket>
#include <QTimer>

namespace {

// Largest slice of received bytes taken in one turn of the event loop, so the window stays live.
constexpr qint64 ReadSliceBytes = 1024 * 1024;
// How often the system is asked about bytes not yet acknowledged.
constexpr int LookMilliseconds = 100;

}  // namespace

Transport::Transport(QTcpSocket *socket, qintptr descriptor, const TcpSystem::Liveness &liveness,
                     QObject *parent)
    : QObject(parent), m_liveness(liveness), m_descriptor(descriptor), m_look(new QTimer(this))
{
    m_look->setInterval(LookMilliseconds);
    connect(m_look, &QTimer::timeout, this, &Transport::look);
    socket->disconnect();
    m_early = socket->readAll();  // what the socket read before it was taken over
    const bool connected = socket->state() == QAbstractSocket::ConnectedState;
    if (m_descriptor == -1 && connected)
        m_descriptor = TcpSystem::duplicate(socket->socketDescriptor());
    // Qt's socket has read the end of the partner's stream already (or a reset).
    m_endedBefore = !connected;
    socket->abort();  // closes its own descriptor; the duplicate keeps the connection
    socket->deleteLater();
    if (m_descriptor != -1) {
        // Linux counts the caller's SYN as one byte acknowledged; nothing has been sent yet.
        m_acknowledgedAtStart = qMin<qint64>(TcpSystem::acknowledged(m_descriptor), 1);
        TcpSystem::setLiveness(m_descriptor, m_liveness);
        m_readable = new QSocketNotifier(m_descriptor, QSocketNotifier::Read, this);
        m_readable->setEnabled(connected);
        connect(m_readable, &QSocketNotifier::activated, this, &Transport::receiveSlice);
        m_writable = new QSocketNotifier(m_descriptor, QSocketNotifier::Write, this);
        m_writable->setEnabled(false);
        connect(m_writable, &QSocketNotifier::activated, this, &Transport::handOver);
    }
    // Handed on from a fresh turn of the event loop, once the owner has finished its own work.
    if (!m_early.isEmpty() || m_endedBefore)
        QTimer::singleShot(0, this, &Transport::handOnEarly);
}

// What Qt's socket had read, and the end it had seen, go before anything read since.
void Transport::handOnEarly()
{
    if (!m_early.isEmpty()) {
        const QByteArray early = std::exchange(m_early, {});
        Q_EMIT received(early);
    }
    if (std::exchange(m_endedBefore, false)) {
        m_ended = true;
        Q_EMIT ended();
    }
}

Transport::~Transport()
{
    close(unacknowledged() > 0);
}

void Transport::send(QByteArrayView bytes)
{
    m_queued.append(bytes.data(), bytes.size());
    handOver();
}

void Transport::handOver()
{
    if (m_descriptor == -1)
        return;
    while (m_start < m_queued.size()) {
        const TcpSystem::Transfer sent = TcpSystem::send(
            m_descriptor, m_queued.constData() + m_start, m_queued.size() - m_start);
        if (sent.outcome == TcpSystem::Transfer::Failed ||
            sent.outcome == TcpSystem::Transfer::Reset)
            return Q_EMIT failed(sent.reason, false);
        if (sent.bytes == 0)
            break;
        m_handedOver += sent.bytes;
        m_start += sent.bytes;
    }
    if (m_start == m_queued.size()) {
        m_queued.clear();
        m_start = 0;
    } else if (m_start > m_queued.size() / 2) {
        m_queued.remove(0, m_start);  // what has gone is dropped now and then, not on every write
        m_start = 0;
    }
    m_writable->setEnabled(!m_queued.isEmpty());
    if (m_finished && m_queued.isEmpty())
        TcpSystem::finish(m_descriptor);
    if (!m_look->isActive())
        m_look->start();
    Q_EMIT progressed();
}

void Transport::finish()
{
    if (m_finished || m_descriptor == -1)
        return;
    m_finished = true;
    if (m_queued.isEmpty())
        TcpSystem::finish(m_descriptor);
}

qint64 Transport::acknowledged() const
{
    if (m_descriptor == -1)
        return 0;
    const qint64 counted = TcpSystem::acknowledged(m_descriptor) - m_acknowledgedAtStart;
    return qBound<qint64>(0, counted, m_handedOver);
}

qint64 Transport::unacknowledged() const
{
    if (m_descriptor == -1)
        return 0;
    return m_queued.size() - m_start + m_handedOver - acknowledged();
}

void Transport::receiveSlice()
{
    receiveOnce(ReadSliceBytes);
}

// Takes one slice and hands it on; false when nothing more can come now.
bool Transport::receiveOnce(qint64 size)
{
    if (!m_early.isEmpty() || m_endedBefore)
        handOnEarly();
    if (m_descriptor == -1 || m_ended)
        return false;
    m_readBuffer.resize(size);  // one buffer for every slice
    const TcpSystem::Transfer got = TcpSystem::receive(m_descriptor, m_readBuffer.data(), size);
    if (got.outcome == TcpSystem::Transfer::Later)
        return false;
    if (got.outcome >= TcpSystem::Transfer::Reset) {
        Q_EMIT failed(got.reason, false);
        return false;
    }
    if (got.outcome == TcpSystem::Transfer::End) {
        m_ended = true;
        m_readable->setEnabled(false);
        Q_EMIT ended();
        return false;
    }
    Q_EMIT received(QByteArrayView(m_readBuffer.constData(), got.bytes));
    return true;
}

void Transport::takeWhatWaits()
{
    // Bounded, so that a partner that writes without end cannot hold the close back for ever.
    constexpr int MostSlices = 16;
    for (int slice = 0; slice < MostSlices && receiveOnce(ReadSliceBytes);) ++slice;
}

void Transport::look()
{
    const bool waiting = unacknowledged() > 0;
    if (!waiting)
        m_look->stop();  // after this last look
    Q_EMIT progressed();
    if (!waiting || m_descriptor == -1)
        return;
    // A reset may come with nothing to read: Wine signals it as an end that recv() never shows.
    if (TcpSystem::hasFailed(m_descriptor))
        Q_EMIT failed({}, false);
    else if (TcpSystem::silentMs(m_descriptor) >= m_liveness.silenceMs)
        Q_EMIT failed(TcpSystem::silenceReason(), true);
}

void Transport::close(bool abortive)
{
    m_look->stop();
    m_early.clear();
    m_endedBefore = false;
    delete std::exchange(m_readable, nullptr);
    delete std::exchange(m_writable, nullptr);
    if (m_descriptor == -1)
        return;
    abortive ? TcpSystem::abort(m_descriptor) : TcpSystem::close(m_descriptor);
    m_descriptor = -1;
    m_queued.clear();
    m_start = 0;
}
