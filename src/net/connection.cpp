// SPDX-License-Identifier: MIT
#include "connection.h"

#include <QHostInfo>
#include <QSocketNotifier>
#include <QTcpSocket>
#include <QTimer>

namespace {

// Largest slice of received bytes taken in one turn of the event loop, so the window stays live.
constexpr qint64 ReadSliceBytes = 1024 * 1024;
// How often the system is asked about bytes not yet acknowledged.
constexpr int TickMilliseconds = 100;

SocketFailure failureOf(QAbstractSocket::SocketError error, const QString &qtText)
{
    switch (error) {
        case QAbstractSocket::ConnectionRefusedError:
            return {SocketFailure::Refused};
        case QAbstractSocket::HostNotFoundError:
            return {SocketFailure::HostNotFound};
        case QAbstractSocket::SocketTimeoutError:
            return {SocketFailure::TimedOut};
        case QAbstractSocket::NetworkError:
            return {SocketFailure::NetworkError, 0, {}, qtText};
        default:
            return {SocketFailure::ConnectFailed, 0, {}, qtText};
    }
}

}  // namespace

Connection::Connection(const TcpSystem::Liveness &liveness, int lingerMs, QObject *parent)
    : QObject(parent),
      m_liveness(liveness),
      m_lingerMs(lingerMs),
      m_tick(new QTimer(this)),
      m_linger(new QTimer(this))
{
    m_tick->setInterval(TickMilliseconds);
    connect(m_tick, &QTimer::timeout, this, &Connection::tick);
    m_linger->setSingleShot(true);
    connect(m_linger, &QTimer::timeout, this, &Connection::giveUp);
}

Connection::~Connection()
{
    blockSignals(true);  // its owner is going
    if (m_descriptor == -1)
        return;
    if (undelivered() == 0)
        endInOrder();
    else
        closeDescriptor(true);
}

void Connection::call(const QString &host, quint16 port, int timeoutMs)
{
    m_caller = new QTcpSocket(this);
    m_callTimer = new QTimer(this);
    m_callTimer->setSingleShot(true);
    connect(m_caller, &QTcpSocket::connected, this, [this] {
        m_callTimer->stop();
        adopt(std::exchange(m_caller, nullptr));
        Q_EMIT established();
    });
    connect(m_caller, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) {
        endCall(failureOf(e, m_caller->errorString()));
    });
    connect(m_callTimer, &QTimer::timeout, this, [this] {
        const bool lookingUp = isLookingUp();
        m_caller->disconnect(this);
        m_caller->abort();
        endCall({lookingUp ? SocketFailure::LookupTimedOut : SocketFailure::TimedOut});
    });
    m_callTimer->start(timeoutMs);
    // The name is looked up here first: Qt's socket reports a name server that did not answer
    // as a host not found. The socket then finds the addresses in Qt's cache of lookups.
    m_lookupId = QHostInfo::lookupHost(host, this, [this, host, port](const QHostInfo &info) {
        m_lookupId = -1;
        if (info.error() == QHostInfo::NoError)
            m_caller->connectToHost(host, port);
        else if (info.error() == QHostInfo::HostNotFound)
            endCall({SocketFailure::HostNotFound});
        else
            endCall({SocketFailure::LookupTimedOut});  // glibc's EAI_AGAIN
    });
}

void Connection::endCall(const SocketFailure &failure)
{
    m_callTimer->stop();
    if (m_lookupId != -1)
        QHostInfo::abortHostLookup(std::exchange(m_lookupId, -1));
    m_phase = Done;
    Q_EMIT callFailed(failure);
}

bool Connection::isLookingUp() const
{
    return m_phase == Calling &&
           (m_lookupId != -1 ||
            (m_caller && m_caller->state() == QAbstractSocket::HostLookupState));
}

void Connection::adopt(QTcpSocket *socket)
{
    socket->disconnect(this);
    m_incoming.reset();
    m_incoming.add(socket->readAll());  // what the socket read before it was taken over
    if (socket->state() == QAbstractSocket::ConnectedState)
        takeDescriptor(TcpSystem::duplicate(socket->socketDescriptor()));
    m_partnerEnded = m_descriptor == -1;
    socket->abort();  // closes its own descriptor; the duplicate keeps the connection
    socket->deleteLater();
    m_phase = Open;
    // What the socket had read, or the end it had seen, is handed over from a fresh turn of the
    // event loop, after the caller of adopt() has finished its own work.
    if (m_incoming.hasText() || m_partnerEnded)
        QTimer::singleShot(0, this, &Connection::receiveSlice);
}

void Connection::takeDescriptor(qintptr descriptor)
{
    if (descriptor == -1)
        return;
    m_descriptor = descriptor;
    TcpSystem::setLiveness(descriptor, m_liveness);
    m_readable = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
    connect(m_readable, &QSocketNotifier::activated, this, &Connection::receiveSlice);
    m_writable = new QSocketNotifier(descriptor, QSocketNotifier::Write, this);
    m_writable->setEnabled(false);
    connect(m_writable, &QSocketNotifier::activated, this, &Connection::writeQueued);
}

bool Connection::send(QByteArrayView bytes)
{
    if (m_phase != Open || m_descriptor == -1)
        return false;
    m_queued.append(bytes.data(), bytes.size());
    writeQueued();
    return m_phase == Open;
}

void Connection::writeQueued()
{
    while (m_start < m_queued.size()) {
        const TcpSystem::Transfer sent = TcpSystem::send(
            m_descriptor, m_queued.constData() + m_start, m_queued.size() - m_start);
        if (sent.outcome == TcpSystem::Transfer::Failed ||
            sent.outcome == TcpSystem::Transfer::Reset)
            return m_phase == Open ? fail(sent.reason, false) : giveUp();
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
    if (!m_tick->isActive())
        m_tick->start();
    if (m_phase == Delivering)
        checkDelivered();
}

qint64 Connection::undelivered() const
{
    if (m_descriptor == -1)
        return 0;
    const qint64 inFlight = m_handedOver - TcpSystem::acknowledged(m_descriptor);
    return m_queued.size() - m_start + qMax<qint64>(inFlight, 0);
}

// Takes one slice of what has arrived and hands its text over. The notifier rests meanwhile, so a
// handler that runs a nested event loop is not entered again; it wakes once the handler returns.
void Connection::receiveSlice()
{
    const Phase phase = m_phase;
    if (phase != Open && phase != Delivering)
        return;
    bool ended = m_partnerEnded;
    bool failed = false;
    QString failure;
    qint64 got = 0;
    if (!ended && m_descriptor != -1) {
        m_readBuffer.resize(ReadSliceBytes);  // one buffer for every slice
        const TcpSystem::Transfer received =
            TcpSystem::receive(m_descriptor, m_readBuffer.data(), ReadSliceBytes);
        got = received.bytes;
        ended = received.outcome == TcpSystem::Transfer::End;
        failed = received.outcome >= TcpSystem::Transfer::Reset;
        failure = received.reason;
    }
    if (failed)
        return phase == Open ? fail(failure, false) : giveUp();
    bool textWaits = m_incoming.add(QByteArrayView(m_readBuffer.constData(), got));
    if (ended) {
        // A character cut short by the end of the stream still shows, as U+FFFD.
        textWaits = m_incoming.end();
        m_partnerEnded = true;
        if (m_readable)
            m_readable->setEnabled(false);
    }
    if (textWaits) {
        if (m_readable)
            m_readable->setEnabled(false);
        Q_EMIT textArrived(got);
        // The handler may have closed the conversation; a closed connection's late text is read
        // on.
        if (m_readable && !m_partnerEnded && (m_phase == Open || m_phase == Delivering))
            m_readable->setEnabled(true);
    }
    if (ended && m_phase == Open) {
        beginDelivering();
        Q_EMIT conversationEnded({});
    }
}

void Connection::close()
{
    if (m_phase == Calling) {
        if (m_lookupId != -1)
            QHostInfo::abortHostLookup(std::exchange(m_lookupId, -1));
        if (m_caller) {
            m_caller->disconnect(this);
            m_caller->abort();
        }
        m_phase = Done;
        return;
    }
    if (m_phase == Open)
        beginDelivering();
}

void Connection::beginDelivering()
{
    m_phase = Delivering;
    m_linger->start(m_lingerMs);
    // Looked at from a fresh turn, so that a conversation closed from inside a handler ends
    // after that handler.
    QTimer::singleShot(0, this, &Connection::checkDelivered);
}

void Connection::tick()
{
    if (m_phase == Delivering)
        return checkDelivered();
    if (m_phase != Open || undelivered() == 0)
        return m_tick->stop();
    // A reset may come with nothing to read: Wine signals it as an end that recv() never shows.
    if (TcpSystem::hasFailed(m_descriptor))
        fail({}, false);
    else if (TcpSystem::silentMs(m_descriptor) >= m_liveness.silenceMs)
        fail(TcpSystem::silenceReason(), true);
}

void Connection::checkDelivered()
{
    if (m_phase != Delivering)
        return;
    if (m_descriptor == -1)
        return endInOrder();
    if (TcpSystem::hasFailed(m_descriptor))
        return giveUp();
    if (!m_tick->isActive())
        m_tick->start();
    if (m_queued.isEmpty() && !m_finishSent) {
        TcpSystem::finish(m_descriptor);
        m_finishSent = true;
    }
    if (undelivered() == 0)
        endInOrder();
}

// Everything sent has been acknowledged: what the partner sent meanwhile is taken (a close with
// unread bytes would be a reset), and the descriptor goes.
void Connection::endInOrder()
{
    if (m_descriptor != -1 && !m_partnerEnded) {
        char slice[4096];
        for (;;) {
            const TcpSystem::Transfer received =
                TcpSystem::receive(m_descriptor, slice, sizeof slice);
            if (received.outcome != TcpSystem::Transfer::Done)
                break;
            m_incoming.add(QByteArrayView(slice, received.bytes));
        }
    }
    if (m_descriptor != -1 && !m_finishSent)
        TcpSystem::finish(m_descriptor);
    closeDescriptor(false);
    if (std::exchange(m_phase, Done) != Delivering)
        return;
    if (m_incoming.end())
        Q_EMIT textArrived(0);
    Q_EMIT finished(0);
}

// The conversation failed: the partner reset it (no reason given), or stopped answering. A reset
// with everything delivered is just the partner leaving.
void Connection::fail(const QString &reason, bool abortive)
{
    const qint64 bytes = undelivered();
    closeDescriptor(abortive);
    m_phase = Done;
    if (m_incoming.end())
        Q_EMIT textArrived(0);
    if (reason.isEmpty() && bytes == 0)
        Q_EMIT conversationEnded({});
    else
        Q_EMIT conversationEnded({SocketFailure::ConnectionLost, bytes, {}, reason});
}

// Delivering failed, or the linger time ran out.
void Connection::giveUp()
{
    if (m_phase != Delivering)
        return;
    const qint64 bytes = undelivered();
    closeDescriptor(true);
    m_phase = Done;
    Q_EMIT finished(bytes);
}

void Connection::closeDescriptor(bool abortive)
{
    m_tick->stop();
    m_linger->stop();
    delete std::exchange(m_readable, nullptr);
    delete std::exchange(m_writable, nullptr);
    if (m_descriptor == -1)
        return;
    abortive ? TcpSystem::abort(m_descriptor) : TcpSystem::close(m_descriptor);
    m_descriptor = -1;
    m_queued.clear();
    m_start = 0;
}
