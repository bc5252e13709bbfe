// SPDX-License-Identifier: MIT
#include "connection.h"

#include "caller.h"
#include "incomingcall.h"
#include "tlsengine.h"
#include "tlsengineloader.h"
#include "tlsfilter.h"
#include "transport.h"

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
    if (m_transport && m_transport->isOpen())
        undelivered() == 0 ? endInOrder() : shut(true);
}

void Connection::call(const QString &host, quint16 port, int timeoutMs, bool encrypted)
{
    m_caller = new Caller(host, port, timeoutMs, this);
    connect(m_caller, &Caller::connected, this, [this, encrypted](QTcpSocket *socket) {
        m_caller->deleteLater();
        m_caller = nullptr;
        start(socket, -1, encrypted ? Privacy::Encrypted : Privacy::Plain);
    });
    connect(m_caller, &Caller::failed, this, [this](const SocketFailure &failure) {
        m_caller->deleteLater();
        m_caller = nullptr;
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
    connect(m_grace, &QTimer::timeout, this, &Connection::decideCaller);
    m_grace->start(int(call->graceLeftMs()));
    qintptr descriptor = -1;
    QTcpSocket *socket = call->accept(descriptor);
    delete call;
    // Its privacy is decided from a fresh turn at the earliest, after the answer has been shown.
    start(socket, descriptor, Privacy::Unknown);
    QTimer::singleShot(0, this, &Connection::decideCaller);
}

// The answered caller's first bytes, or the grace running out, decide; once.
void Connection::decideCaller()
{
    if (m_privacy != Privacy::Unknown || m_phase == Done)
        return;
    const bool graceOver = !m_grace->isActive() || m_partnerEnded || m_phase == Delivering;
    const Privacy privacy = privacyOfCaller(m_first, graceOver);
    if (privacy == Privacy::Unknown)
        return;
    m_grace->stop();
    m_watchForLateHello = privacy == Privacy::Plain && m_first.isEmpty();
    const QByteArray first = std::exchange(m_first, {});
    if (privacy == Privacy::Encrypted) {
        startTls(TlsSession::Server);
    } else {
        m_privacy = Privacy::Plain;
        push(std::exchange(m_held, {}));
        Q_EMIT privacyKnown(m_privacy);
    }
    if (!first.isEmpty())
        receive(first);
    if (m_partnerEnded && m_phase != Done)
        receiveEnd(true);
    if (m_phase == Delivering)
        checkDelivered();
}

void Connection::start(QTcpSocket *socket, qintptr descriptor, Privacy privacy)
{
    m_transport = new Transport(socket, descriptor, m_liveness, this);
    connect(m_transport, &Transport::received, this, &Connection::receive);
    connect(m_transport, &Transport::ended, this, [this] { receiveEnd(false); });
    connect(m_transport, &Transport::progressed, this, &Connection::onProgress);
    connect(m_transport, &Transport::failed, this, [this](const QString &reason, bool silent) {
        fail({SocketFailure::ConnectionLost, 0, {}, reason}, silent);
    });
    if (privacy == Privacy::Encrypted)
        return startTls(TlsSession::Client);
    if (privacy == Privacy::Plain) {
        m_privacy = privacy;
        m_phase = Open;
        Q_EMIT established();
        Q_EMIT privacyKnown(m_privacy);
    }
}

void Connection::startTls(TlsSession::Role role)
{
    // The TLS library is loaded, and the key made, when the first encrypted connection needs them.
    QString error;
    std::unique_ptr<TlsSession> session;
    if (TlsEngine *engine = m_tls->engine())
        session = engine->newSession(role, error);
    else
        error = m_tls->errorString();
    if (!session)
        return fail({SocketFailure::EncryptionFailed, 0, {}, error}, false);
    m_filter = new TlsFilter(std::move(session), role, this);
    connect(m_filter, &TlsFilter::failed, this,
            [this](const SocketFailure &failure) { fail(failure, true); });
    connect(m_filter, &TlsFilter::checkReady, this, &Connection::privacyCheckReady);
    connect(m_filter, &TlsFilter::established, this, [this] {
        if (m_phase != Calling)
            return;
        m_phase = Open;
        m_privacy = Privacy::Encrypted;
        Q_EMIT established();
        Q_EMIT privacyKnown(m_privacy);
    });
    if (role == TlsSession::Server) {
        m_privacy = Privacy::Encrypted;
        push(std::exchange(m_held, {}));
        Q_EMIT privacyKnown(m_privacy);
    }
    if (m_phase == Delivering)
        m_filter->close();
    pushTlsOutput();
}

bool Connection::send(QByteArrayView bytes)
{
    if (m_phase != Open || (m_transport && !m_transport->isOpen()))
        return false;
    m_textSent += bytes.size();
    if (m_privacy == Privacy::Unknown && !m_filter)
        m_held.append(bytes);  // nothing goes before the caller's privacy is decided
    else
        push(bytes);
    return m_phase == Open;
}

// Text goes through the filter, or as it is, to the transport.
void Connection::push(QByteArrayView text)
{
    if (!m_filter)
        return text.isEmpty() ? void() : m_transport->send(text);
    m_filter->write(text);
    pushTlsOutput();
}

void Connection::pushTlsOutput()
{
    m_filter->takeOutput(m_output);
    if (!m_output.isEmpty())
        m_transport->send(std::exchange(m_output, {}));
}

void Connection::receive(QByteArrayView bytes)
{
    if (m_phase == Done)
        return;
    if (m_privacy == Privacy::Unknown && !m_filter) {
        m_first.append(bytes);
        return decideCaller();
    }
    if (std::exchange(m_watchForLateHello, false) &&
        privacyOfCaller(bytes.first(qMin<qsizetype>(2, bytes.size())), true) == Privacy::Encrypted)
        Q_EMIT lateHandshake();
    if (!m_filter)
        return showText(bytes, false);
    const bool going = m_filter->read(bytes, false, m_plain);
    pushTlsOutput();
    if (m_phase == Done)
        return;
    showText(std::exchange(m_plain, {}), false);
    if (!going && m_filter->partnerClosed())
        receiveEnd(false);
}

// The partner ended its stream; `again`: its end was kept while its privacy was decided.
void Connection::receiveEnd(bool again)
{
    if (m_phase == Done || (m_partnerEnded && !again))
        return;
    m_partnerEnded = true;
    if (m_privacy == Privacy::Unknown && !m_filter)
        return decideCaller();
    if (m_filter && !m_filter->partnerClosed()) {
        m_filter->read({}, true, m_plain);
        if (m_phase == Done)
            return;
        pushTlsOutput();
    }
    const bool cut = m_filter && m_filter->wasCut();
    showText(std::exchange(m_plain, {}), true);
    if (m_phase == Open) {
        beginDelivering();
        Q_EMIT conversationEnded(cut ? SocketFailure::EncryptedEndCut : SocketFailure::None);
    } else {
        checkDelivered();
    }
}

void Connection::showText(QByteArrayView text, bool ended)
{
    bool waits = m_incoming.add(text);
    if (ended)
        waits = m_incoming.end();  // a character cut short by the end shows as U+FFFD
    if (waits)
        Q_EMIT textArrived(text.size());
}

void Connection::onProgress()
{
    if (m_filter && m_transport->isOpen())
        m_filter->forgetWithin(m_transport->acknowledged());
    if (m_phase == Delivering)
        checkDelivered();
}

void Connection::close()
{
    if (m_phase == Calling) {
        delete std::exchange(m_caller, nullptr);
        shut(true);
        m_phase = Done;
        return;
    }
    if (m_phase == Open)
        beginDelivering();
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
    if (m_privacy == Privacy::Unknown && !m_filter)
        m_grace->start(0);  // the caller has no more time to show how it talks
    if (m_filter) {
        m_filter->close();  // close_notify, behind the text still held
        pushTlsOutput();
    }
    // Looked at from a fresh turn, so that a conversation closed from inside a handler ends
    // after that handler.
    QTimer::singleShot(0, this, &Connection::checkDelivered);
}

void Connection::checkDelivered()
{
    if (m_phase != Delivering || (m_privacy == Privacy::Unknown && !m_filter))
        return;
    if (!m_transport || !m_transport->isOpen())
        return endInOrder();
    // The end of the stream follows the last byte, close_notify included.
    if (!m_filter || m_filter->heldBytes() == 0)
        m_transport->finish();
    if (m_transport->hasFinished() && !m_transport->hasQueued() && undelivered() == 0 &&
        (m_partnerEnded || !m_waitForPartner))
        endInOrder();
}

// Everything sent has been acknowledged: what the partner sent meanwhile is taken (a close with
// unread bytes would be a reset), and the descriptor goes.
void Connection::endInOrder()
{
    if (m_transport && m_transport->isOpen()) {
        if (!m_partnerEnded)
            m_transport->takeWhatWaits();
        m_transport->finish();
        m_transport->close(false);
    }
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
    if (m_phase != Delivering)
        return;
    if (undelivered() == 0 && m_transport && m_transport->isOpen() && !m_transport->hasQueued())
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
    if (m_transport)
        m_transport->close(abortive);
}

qint64 Connection::undelivered() const
{
    if (!m_transport || !m_transport->isOpen())
        return 0;
    const qint64 acknowledged = m_transport->acknowledged();
    return m_textSent - (m_filter ? m_filter->textWithin(acknowledged) : acknowledged);
}
