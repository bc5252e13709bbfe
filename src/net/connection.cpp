// SPDX-License-Identifier: MIT
#include "connection.h"

#include "tlsengine.h"
#include "tlsengineloader.h"

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

Connection::Connection(const TcpSystem::Liveness &liveness, int lingerMs, TlsEngineLoader *tls,
                       QObject *parent)
    : QObject(parent),
      m_liveness(liveness),
      m_lingerMs(lingerMs),
      m_tls(tls),
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

void Connection::call(const QString &host, quint16 port, int timeoutMs, bool encrypted)
{
    m_caller = new QTcpSocket(this);
    m_callTimer = new QTimer(this);
    m_callTimer->setSingleShot(true);
    connect(m_caller, &QTcpSocket::connected, this, [this, encrypted] {
        m_callTimer->stop();
        if (encrypted) {
            // Calling goes on until the handshake is done.
            takeOver(std::exchange(m_caller, nullptr));
            return startChannel(true);
        }
        m_privacy = Privacy::Plain;
        adopt(std::exchange(m_caller, nullptr));
        Q_EMIT established();
        Q_EMIT privacyKnown(m_privacy);
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
    closeDescriptor(false);
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
    takeOver(socket);
    m_phase = Open;
}

void Connection::takeOver(QTcpSocket *socket)
{
    socket->disconnect(this);
    m_incoming.reset();
    m_early = socket->readAll();  // what the socket read before it was taken over
    if (socket->state() == QAbstractSocket::ConnectedState)
        takeDescriptor(TcpSystem::duplicate(socket->socketDescriptor()));
    m_partnerEnded = m_descriptor == -1;
    socket->abort();  // closes its own descriptor; the duplicate keeps the connection
    socket->deleteLater();
    // What the socket had read, or the end it had seen, is handed over from a fresh turn of the
    // event loop, after the caller has finished its own work.
    if (!m_early.isEmpty() || m_partnerEnded)
        QTimer::singleShot(0, this, &Connection::receiveSlice);
}

void Connection::takeDescriptor(qintptr descriptor)
{
    if (descriptor == -1)
        return;
    m_descriptor = descriptor;
    // Linux counts the caller's SYN as one byte acknowledged; nothing has been sent yet.
    m_acknowledgedAtStart = qMin<qint64>(TcpSystem::acknowledged(descriptor), 1);
    TcpSystem::setLiveness(descriptor, m_liveness);
    m_readable = new QSocketNotifier(descriptor, QSocketNotifier::Read, this);
    connect(m_readable, &QSocketNotifier::activated, this, &Connection::receiveSlice);
    m_writable = new QSocketNotifier(descriptor, QSocketNotifier::Write, this);
    m_writable->setEnabled(false);
    connect(m_writable, &QSocketNotifier::activated, this, &Connection::writeQueued);
}

void Connection::startChannel(bool client)
{
    // The TLS library is loaded, and the key made, when the first encrypted connection needs them.
    QString error;
    if (TlsEngine *engine = m_tls->engine())
        m_channel = engine->newSession(client ? TlsSession::Client : TlsSession::Server, error);
    else
        error = m_tls->errorString();
    if (!m_channel)
        return fail({SocketFailure::EncryptionFailed, 0, {}, error}, false);
    startHandshakeClock();
    if (m_phase == Delivering)
        m_channel->close();
    pullChannel();
    writeQueued();
}

// The handshake and the code's exchange must be done within EncryptionSeconds of their start.
void Connection::startHandshakeClock()
{
    if (m_handshakeTimer)
        return;
    m_handshakeTimer = new QTimer(this);
    m_handshakeTimer->setSingleShot(true);
    m_handshakeTimer->setTimerType(Qt::PreciseTimer);  // a coarse one may end it early
    connect(m_handshakeTimer, &QTimer::timeout, this, [this] {
        fail({SocketFailure::EncryptionTimedOut, EncryptionSeconds}, true);
    });
    m_handshakeTimer->start(EncryptionSeconds * 1000);
}

bool Connection::send(QByteArrayView bytes)
{
    if (m_phase != Open || m_descriptor == -1)
        return false;
    m_textSent += bytes.size();
    if (m_privacy == Privacy::Unknown && !m_channel)
        m_held.append(bytes);  // nothing goes to a caller that has not shown how it talks
    else
        pushOut(bytes);
    writeQueued();
    return m_phase == Open;
}

// Text goes through the channel, or as it is, into the queue for the system.
void Connection::pushOut(QByteArrayView bytes)
{
    if (m_channel) {
        m_channel->write(bytes);
        return pullChannel();
    }
    m_queued.append(bytes.data(), bytes.size());
}

void Connection::pullChannel()
{
    m_channel->takeOutput(m_queued);
}

qint64 Connection::heldBytes() const
{
    return m_held.size() + (m_channel ? m_channel->heldBytes() : 0);
}

void Connection::writeQueued()
{
    if (m_descriptor == -1)
        return;
    while (m_start < m_queued.size()) {
        const TcpSystem::Transfer sent = TcpSystem::send(
            m_descriptor, m_queued.constData() + m_start, m_queued.size() - m_start);
        if (sent.outcome == TcpSystem::Transfer::Failed ||
            sent.outcome == TcpSystem::Transfer::Reset)
            return fail({SocketFailure::ConnectionLost, 0, {}, sent.reason}, false);
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

// Bytes on their way to the partner, whatever they carry.
qint64 Connection::unacknowledged() const
{
    if (m_descriptor == -1)
        return 0;
    return m_queued.size() - m_start + m_handedOver - acknowledged();
}

// Bytes handed to the system that the partner has acknowledged.
qint64 Connection::acknowledged() const
{
    const qint64 counted = TcpSystem::acknowledged(m_descriptor) - m_acknowledgedAtStart;
    return qBound<qint64>(0, counted, m_handedOver);
}

// Plain text goes out as it is; an encrypted connection's queued bytes all come from its channel,
// which knows where each piece of text ends in them.
qint64 Connection::undelivered() const
{
    if (m_descriptor == -1)
        return 0;
    const qint64 acknowledged = this->acknowledged();
    return m_textSent - (m_channel ? m_channel->textWithin(acknowledged) : acknowledged);
}

// Takes one slice of what has arrived and hands its text over. The notifier rests meanwhile, so a
// handler that runs a nested event loop is not entered again; it wakes once the handler returns.
void Connection::receiveSlice()
{
    if (m_phase == Done || (m_phase == Calling && !m_channel))
        return;
    bool ended = m_partnerEnded;
    qint64 got = 0;
    if (!ended && m_descriptor != -1) {
        m_readBuffer.resize(ReadSliceBytes);  // one buffer for every slice
        const TcpSystem::Transfer received =
            TcpSystem::receive(m_descriptor, m_readBuffer.data(), ReadSliceBytes);
        got = received.bytes;
        ended = received.outcome == TcpSystem::Transfer::End;
        if (received.outcome >= TcpSystem::Transfer::Reset) {
            if (m_phase != Calling)
                return fail({SocketFailure::ConnectionLost, 0, {}, received.reason}, false);
            ended = true;  // a handshake cut short, in the TLS library's words
        }
    }
    QByteArrayView bytes(m_readBuffer.constData(), got);
    const bool undecided = m_privacy == Privacy::Unknown && !m_channel;
    if (undecided || !m_early.isEmpty()) {
        m_early.append(bytes);
        if (undecided && !decide(ended))
            return;  // the caller's first bytes decide
        if (m_phase == Done)
            return;
    }
    const QByteArray early = std::exchange(m_early, {});
    if (!early.isEmpty())
        bytes = early;
    if (m_channel && !decrypt(bytes, ended))
        return;
    const QByteArrayView text = m_channel ? QByteArrayView(m_plain) : bytes;
    bool textWaits = m_incoming.add(text);
    const qint64 arrived = text.size();
    m_plain.resize(0);
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
        Q_EMIT textArrived(arrived);
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

// A caller is served over TLS when its first bytes are a TLS handshake record, and as plain text
// otherwise; false while they have not come.
bool Connection::decide(bool ended)
{
    const bool handshake = m_early.startsWith("\x16\x03");
    if (!ended && m_early == "\x16")
        startHandshakeClock();  // a handshake's first byte: its next must not take for ever
    if (!ended && (m_early.isEmpty() || m_early == "\x16"))
        return false;
    m_privacy = handshake ? Privacy::Encrypted : Privacy::Plain;
    if (handshake)
        startChannel(false);
    else if (m_handshakeTimer)
        m_handshakeTimer->stop();
    if (m_phase == Done)
        return true;
    if (!m_held.isEmpty())
        pushOut(std::exchange(m_held, {}));
    writeQueued();
    Q_EMIT privacyKnown(m_privacy);
    return true;
}

// Passes what arrived through the channel, its text into m_plain. False when the connection
// has ended in it: the handshake failed or ran into the end, or a call was answered in plain text.
bool Connection::decrypt(QByteArrayView bytes, bool &ended)
{
    const bool calling = m_phase == Calling;
    if (calling && !m_heard && !bytes.isEmpty()) {
        m_heard = true;
        if (bytes[0] != '\x16' && bytes[0] != '\x15')  // neither a handshake nor an alert
            return fail({SocketFailure::PlainAnswer}, false), false;
    }
    const bool read = m_channel->read(bytes, m_plain, ended);
    pullChannel();
    writeQueued();
    if (m_phase == Done)
        return false;
    if (!read && !m_channel->partnerClosed())
        return fail({SocketFailure::EncryptionFailed, 0, {}, m_channel->error()}, false), false;
    ended = ended || m_channel->partnerClosed();
    if (calling && m_channel->isEstablished()) {
        m_phase = Open;
        m_privacy = Privacy::Encrypted;
        Q_EMIT established();
        Q_EMIT privacyKnown(m_privacy);
    }
    if (m_channel->isChecked() && !m_checkReported) {
        m_checkReported = true;
        m_handshakeTimer->stop();
        Q_EMIT privacyCheckReady(m_channel->check());
    }
    return m_phase != Done;
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
        closeDescriptor(true);
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
    if (m_channel) {
        m_channel->close();  // close_notify, behind the text still held
        pullChannel();
        if (m_writable && !m_queued.isEmpty())
            m_writable->setEnabled(true);
    }
    // Looked at from a fresh turn, so that a conversation closed from inside a handler ends
    // after that handler.
    QTimer::singleShot(0, this, &Connection::checkDelivered);
}

void Connection::tick()
{
    if (m_phase == Delivering)
        return checkDelivered();
    if (m_channel && m_descriptor != -1)
        m_channel->forgetWithin(acknowledged());
    if (m_phase != Open || unacknowledged() == 0)
        return m_tick->stop();
    // A reset may come with nothing to read: Wine signals it as an end that recv() never shows.
    if (TcpSystem::hasFailed(m_descriptor))
        fail({SocketFailure::ConnectionLost}, false);
    else if (TcpSystem::silentMs(m_descriptor) >= m_liveness.silenceMs)
        fail({SocketFailure::ConnectionLost, 0, {}, TcpSystem::silenceReason()}, true);
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
    // The end of the stream follows the last byte, close_notify included; text still held keeps
    // it back.
    if (m_queued.isEmpty() && heldBytes() == 0 && !m_finishSent) {
        TcpSystem::finish(m_descriptor);
        m_finishSent = true;
    }
    if (m_finishSent && undelivered() == 0)
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
            const QByteArrayView bytes(slice, received.bytes);
            if (!m_channel) {
                m_incoming.add(bytes);
                continue;
            }
            m_channel->read(bytes, m_plain);  // the partner's text, or its close_notify
            m_incoming.add(m_plain);
            m_plain.resize(0);
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

// The call or the conversation failed: the partner reset it (no reason given), stopped
// answering, or failed the encryption. A reset with everything delivered is just the partner
// leaving.
void Connection::fail(SocketFailure failure, bool abortive)
{
    if (m_phase == Calling)
        return endCall(failure);
    if (m_phase != Open)
        return giveUp();
    const qint64 bytes = undelivered();
    closeDescriptor(abortive);
    m_phase = Done;
    if (m_incoming.end())
        Q_EMIT textArrived(0);
    if (failure.code == SocketFailure::ConnectionLost) {
        if (failure.detail.isEmpty() && bytes == 0)
            failure = {};
        else
            failure.number = bytes;
    }
    if (failure.code == SocketFailure::EncryptionFailed)
        failure.number = bytes;
    Q_EMIT conversationEnded(failure);
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
    if (m_handshakeTimer)
        m_handshakeTimer->stop();
    delete std::exchange(m_readable, nullptr);
    delete std::exchange(m_writable, nullptr);
    if (m_descriptor == -1)
        return;
    abortive ? TcpSystem::abort(m_descriptor) : TcpSystem::close(m_descriptor);
    m_descriptor = -1;
    m_queued.clear();
    m_start = 0;
}
