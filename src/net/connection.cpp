// SPDX-License-Identifier: MIT
#include "connection.h"

#include "caller.h"
#include "incomingcall.h"
#include "textpipe.h"

#include <QTcpSocket>
#include <QTimer>

Connection::Connection(const TcpSystem::Liveness &liveness, int lingerMs, TlsEngineLoader *tls,
                       QObject *parent)
    : QObject(parent),
      m_liveness(liveness),
      m_lingerMs(lingerMs),
      m_tls(tls),
      m_linger(new QTimer(this))
{
    m_linger->setSingleShot(true);
    connect(m_linger, &QTimer::timeout, this, &Connection::giveUp);
}

Connection::~Connection()
{
    blockSignals(true);  // its owner is going
    if (m_pipe && m_pipe->isOpen())
        undelivered() == 0 ? endInOrder() : shut(true);
}

void Connection::call(const QString &host, quint16 port, int timeoutMs, bool encrypted)
{
    m_caller = new Caller(host, port, timeoutMs, this);
    connect(m_caller, &Caller::connected, this, [this, encrypted](QTcpSocket *socket) {
        std::exchange(m_caller, nullptr)->deleteLater();
        start(socket, -1, encrypted ? Privacy::Encrypted : Privacy::Plain);
    });
    connect(m_caller, &Caller::failed, this, [this](const SocketFailure &failure) {
        std::exchange(m_caller, nullptr)->deleteLater();
        m_phase = Done;
        Q_EMIT callFailed(failure);
    });
}

bool Connection::isLookingUp() const
{
    return m_caller && m_caller->isLookingUp();
}

void Connection::answer(IncomingCall *call)
{
    m_phase = Open;
    m_grace = new QTimer(this);
    m_grace->setSingleShot(true);
    m_grace->setTimerType(Qt::PreciseTimer);  // a coarse one may end it early
    // Queued, behind the bytes the call had read, which the pipe hands on from a fresh turn: a
    // grace already over is a zero timer, and Qt on Windows posts its event at once, ahead of them.
    connect(m_grace, &QTimer::timeout, this, &Connection::decideCaller, Qt::QueuedConnection);
    m_grace->start(int(call->graceLeftMs()));
    qintptr descriptor = -1;
    QTcpSocket *socket = call->accept(descriptor);
    delete call;
    start(socket, descriptor, Privacy::Unknown);
    // Decided from a fresh turn at the earliest, after the answer has been shown.
    QTimer::singleShot(0, this, &Connection::decideCaller);
}

void Connection::start(QTcpSocket *socket, qintptr descriptor, Privacy privacy)
{
    m_pipe = new TextPipe(socket, descriptor, m_liveness, this);
    connect(m_pipe, &TextPipe::received, this, &Connection::receive);
    connect(m_pipe, &TextPipe::ended, this, &Connection::receiveEnd);
    connect(m_pipe, &TextPipe::checkReady, this, &Connection::privacyCheckReady);
    connect(m_pipe, &TextPipe::failed, this, &Connection::fail);
    connect(m_pipe, &TextPipe::progressed, this, &Connection::checkDelivered);
    connect(m_pipe, &TextPipe::established, this, [this] {
        if (m_phase == Calling)
            decided(Privacy::Encrypted);
    });
    if (privacy != Privacy::Unknown)
        decided(privacy);
}

// The answered caller's first bytes, or the grace running out, decide; once.
void Connection::decideCaller()
{
    if (m_privacy != Privacy::Unknown || m_phase == Done)
        return;
    const bool graceOver = !m_grace->isActive() || m_partnerEnded;
    const Privacy privacy = privacyOfCaller(m_first, graceOver);
    if (privacy == Privacy::Unknown)
        return;
    m_grace->stop();
    m_watchForLateHello = privacy == Privacy::Plain && m_first.isEmpty();
    const QByteArray first = std::exchange(m_first, {});
    decided(privacy, first);
    if (privacy == Privacy::Plain && !first.isEmpty())
        receive(first);
    if (m_partnerEnded && m_phase != Done)
        receiveEnd(false);
}

// A call's or a caller's privacy is known (an encrypted call's once its handshake is done);
// `first`: the caller's bytes so far.
void Connection::decided(Privacy privacy, const QByteArray &first)
{
    if (privacy == Privacy::Encrypted && !m_pipe->isEncrypted()) {
        QString error;
        const auto role = m_phase == Calling ? TlsSession::Client : TlsSession::Server;
        if (!m_pipe->encrypt(role, m_tls, error, first))
            return fail({SocketFailure::EncryptionFailed, 0, {}, error}, false);
        if (role == TlsSession::Client)
            return;  // decided once the handshake is done
    }
    m_privacy = privacy;
    if (m_phase == Calling) {
        m_phase = Open;
        Q_EMIT established();
    }
    m_pipe->send(std::exchange(m_held, {}));
    Q_EMIT privacyKnown(m_privacy);
    if (m_phase == Delivering) {
        m_pipe->finish();
        checkDelivered();
    }
}

bool Connection::send(QByteArrayView text)
{
    if (m_phase != Open || !m_pipe->isOpen())
        return false;
    if (m_privacy == Privacy::Unknown)
        m_held.append(text);  // nothing goes before the caller's privacy is decided
    else
        m_pipe->send(text);
    return m_phase == Open;
}

void Connection::receive(QByteArrayView text)
{
    if (m_phase == Done)
        return;
    if (m_privacy == Privacy::Unknown && !m_pipe->isEncrypted()) {
        m_first.append(text);
        return decideCaller();
    }
    if (std::exchange(m_watchForLateHello, false) &&
        privacyOfCaller(text.first(qMin<qsizetype>(2, text.size())), true) == Privacy::Encrypted)
        Q_EMIT lateHandshake();
    showText(text, false);
}

void Connection::receiveEnd(bool cut)
{
    if (m_phase == Done)
        return;
    m_partnerEnded = true;
    if (m_privacy == Privacy::Unknown && !m_pipe->isEncrypted())
        return decideCaller();
    showText({}, true);
    if (m_phase != Open)
        return checkDelivered();
    beginDelivering();
    Q_EMIT conversationEnded(cut ? SocketFailure::EncryptedEndCut : SocketFailure::None);
}

void Connection::showText(QByteArrayView text, bool ended)
{
    bool waits = m_incoming.add(text);
    if (ended)
        waits = m_incoming.end();  // a character cut short by the end shows as U+FFFD
    if (waits)
        Q_EMIT textArrived(text.size());
}

void Connection::close()
{
    if (m_phase == Calling) {
        delete std::exchange(m_caller, nullptr);
        shut(true);
        m_phase = Done;
    } else if (m_phase == Open) {
        beginDelivering();
    }
}

void Connection::stopWaitingForPartner()
{
    m_waitForPartner = false;
    checkDelivered();
}

void Connection::beginDelivering()
{
    m_phase = Delivering;
    m_linger->start(m_lingerMs);
    // A caller still deciding how it talks is given its grace: its text goes the way it chooses.
    if (m_privacy != Privacy::Unknown)
        m_pipe->finish();
    // Looked at from a fresh turn, so that a conversation closed from inside a handler ends
    // after that handler.
    QTimer::singleShot(0, this, &Connection::checkDelivered);
}

void Connection::checkDelivered()
{
    if (m_phase != Delivering || m_privacy == Privacy::Unknown)
        return;
    if (!m_pipe->isOpen() || (m_pipe->isDelivered() && (m_partnerEnded || !m_waitForPartner)))
        endInOrder();
}

// Everything sent has been acknowledged: what the partner sent meanwhile is taken (a close with
// unread bytes would be a reset), and the connection closes.
void Connection::endInOrder()
{
    if (!m_partnerEnded && m_pipe->isOpen())
        m_pipe->takeWhatWaits();
    m_pipe->finish();
    m_pipe->close(false);
    if (std::exchange(m_phase, Done) != Delivering)
        return;
    if (m_incoming.end())
        Q_EMIT textArrived(0);
    Q_EMIT finished(0);
}

// The call or the conversation failed: the partner reset it (no reason given), stopped
// answering, or failed the encryption. A reset with everything delivered is just the partner
// leaving.
void Connection::fail(SocketFailure failure, bool abortive)
{
    if (m_phase == Calling) {
        shut(false);
        m_phase = Done;
        return Q_EMIT callFailed(failure);
    }
    if (m_phase != Open)
        return endDelivering();
    const qint64 bytes = undelivered();
    shut(abortive);
    m_phase = Done;
    if (m_incoming.end())
        Q_EMIT textArrived(0);
    if (failure.code == SocketFailure::ConnectionLost && failure.detail.isEmpty() && bytes == 0)
        failure = {};
    else
        failure.number = bytes;
    Q_EMIT conversationEnded(failure);
}

// The linger time ran out: with everything delivered the connection still ends in order.
void Connection::giveUp()
{
    if (m_phase == Delivering && m_pipe->isOpen() && m_pipe->isDelivered())
        return endInOrder();
    endDelivering();
}

// Delivering failed, or ran out of time with text not delivered: the connection ends at once.
void Connection::endDelivering()
{
    if (m_phase != Delivering)
        return;
    const qint64 bytes = undelivered();
    shut(true);
    m_phase = Done;
    if (m_incoming.end())
        Q_EMIT textArrived(0);
    Q_EMIT finished(bytes);
}

void Connection::shut(bool abortive)
{
    m_linger->stop();
    if (m_grace)
        m_grace->stop();
    if (m_pipe)
        m_pipe->close(abortive);
}

qint64 Connection::undelivered() const
{
    return m_held.size() + (m_pipe ? m_pipe->undelivered() : 0);
}
