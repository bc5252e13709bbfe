// SPDX-License-Identifier: MIT
#include "winsock.h"

#include "connection.h"
#include "incomingcall.h"
#include "listener.h"
#include "localaddress.h"

#include <QTimer>
#include <memory>

namespace {

// Parses decimal text, digits only, into a TCP port; 0 when the text is not one.
quint16 parsePort(const QString &text)
{
    if (text.isEmpty() || text.size() > 5)
        return 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return 0;
    }
    const int port = text.toInt();
    return port <= 65535 ? quint16(port) : 0;
}

// A host as the Remote IP box may hold it: an IPv6 address may stand in brackets, "[::1]".
QString hostOf(const QString &text)
{
    if (text.size() > 2 && text.startsWith(u'[') && text.endsWith(u']'))
        return text.mid(1, text.size() - 2);
    return text;
}

}  // namespace

Winsock::Winsock(QObject *parent) : QObject(parent), m_listener(new Listener(this))
{
    connect(m_listener, &Listener::requestArrived, this, &Winsock::ConnectionRequest);
    connect(m_listener, &Listener::requestWithdrawn, this, &Winsock::requestWithdrawn);
    connect(m_listener, &Listener::callerTurnedAway, this, &Winsock::callerTurnedAway);
}

Winsock::~Winsock()
{
    blockSignals(true);  // the window that handles them is going too
    Close();
}

void Winsock::setLocalPort(int port)
{
    m_localPort = port;
}

void Winsock::setCallerRateLimit(const CallerRateLimit &limit)
{
    m_listener->setRateLimit(limit);
}

QString Winsock::LocalIP()
{
    return LocalAddress::choose(LocalAddress::ofThisMachine());
}

Winsock::SocketState Winsock::State() const
{
    if (m_listener->isListening())
        return sckListening;
    if (!m_conversation)
        return m_failed ? sckError : sckClosed;
    if (m_conversation->phase() == Connection::Open)
        return sckConnected;
    return m_conversation->isLookingUp() ? sckResolvingHost : sckConnecting;
}

bool Winsock::Listen()
{
    if (failIfBusy())
        return false;
    if (m_localPort < 0 || m_localPort > 65535)
        return fail({SocketFailure::BadLocalPort, m_localPort});
    if (!m_listener->listen(quint16(m_localPort))) {
        if (m_listener->portInUse())
            return fail({SocketFailure::PortInUse, m_localPort});
        return fail({SocketFailure::CannotListen, m_localPort, {}, m_listener->errorString()});
    }
    // Listening on port 0 picks a free port; later Listen() calls reuse it.
    m_localPort = m_listener->port();
    m_failed = false;
    return true;
}

bool Winsock::Connect(const QString &host, const QString &port)
{
    return call(host, port, false);
}

bool Winsock::ConnectEncrypted(const QString &host, const QString &port)
{
    return call(host, port, true);
}

bool Winsock::call(const QString &host, const QString &port, bool encrypted)
{
    if (failIfBusy() || !checkRemote(host, port))
        return false;
    auto *connection = new Connection(m_liveness, m_lingerMs, &m_tls, this);
    startConversation(connection);
    connect(connection, &Connection::callFailed, this, [this, connection](const SocketFailure &f) {
        if (connection != m_conversation)
            return;
        m_conversation = nullptr;
        m_listener->setBusy(false);
        connection->deleteLater();
        m_failed = true;
        Q_EMIT privacyKnown(Privacy::Unknown);
        reportLater(f);
    });
    m_failed = false;
    connection->call(hostOf(host), parsePort(port), m_connectTimeoutMs, encrypted);
    return true;
}

Privacy Winsock::requestPrivacy(int requestId) const
{
    const IncomingCall *call = m_listener->request(requestId);
    return call ? call->privacy() : Privacy::Unknown;
}

Privacy Winsock::privacy() const
{
    return m_conversation ? m_conversation->privacy() : Privacy::Unknown;
}

bool Winsock::checkRemote(const QString &host, const QString &port)
{
    if (parsePort(port) == 0)
        return fail({SocketFailure::BadRemotePort, 0, port});
    if (hostOf(host).isEmpty())
        return fail({SocketFailure::NoRemoteAddress});
    return true;
}

bool Winsock::Accept(int requestId)
{
    std::unique_ptr<IncomingCall> call(m_listener->take(requestId));
    if (!call)
        return fail({SocketFailure::NoSuchRequest, requestId});
    if (failIfBusy())
        return false;
    if (call->hasHungUp())
        return fail({SocketFailure::CallerGaveUp});
    auto *connection = new Connection(m_liveness, m_lingerMs, &m_tls, this);
    startConversation(connection);
    connection->answer(call.release());
    m_failed = false;
    return true;
}

void Winsock::Reject(int requestId)
{
    delete m_listener->take(requestId);
}

bool Winsock::SendData(const QString &text)
{
    if (State() != sckConnected)
        return fail({SocketFailure::NotConnected});
    // Handed to the network now, not on a later turn of the event loop after the window has
    // been redrawn.
    if (!m_conversation->send(text.toUtf8()))
        return fail({SocketFailure::SendFailed});
    return true;
}

void Winsock::GetData(QByteArray &data)
{
    std::swap(data, m_received);
    m_received.resize(0);  // keeps the capacity when the buffer is not shared
}

QString Winsock::requestAddress(int requestId) const
{
    const IncomingCall *call = m_listener->request(requestId);
    return call ? call->address() : QString();
}

bool Winsock::isDelivering() const
{
    return !m_delivering.isEmpty();
}

void Winsock::stopWaitingForPartners()
{
    for (Connection *connection : std::as_const(m_delivering)) connection->stopWaitingForPartner();
}

void Winsock::Close()
{
    // Pending requests are kept: their ids stay valid until their ConnectionRequest is decided.
    m_listener->close();
    m_failed = false;
    if (Connection *connection = std::exchange(m_conversation, nullptr)) {
        m_listener->setBusy(false);
        // Text already sent reaches the partner before the connection ends.
        letDeliver(connection);
        connection->close();
        Q_EMIT privacyKnown(Privacy::Unknown);
    }
}

void Winsock::startConversation(Connection *connection)
{
    m_conversation = connection;
    m_listener->setBusy(true);  // one conversation at a time
    connect(connection, &Connection::textArrived, this,
            [this, connection] { takeText(connection); });
    // Raised once the text has been taken over, for the handlers to take it in turn.
    connect(connection, &Connection::textArrived, this, &Winsock::DataArrival);
    connect(connection, &Connection::conversationEnded, this,
            [this, connection](const SocketFailure &f) { endConversation(connection, f); });
    connect(connection, &Connection::privacyKnown, this, [this, connection](Privacy privacy) {
        if (connection == m_conversation)
            Q_EMIT privacyKnown(privacy);
    });
    connect(connection, &Connection::lateHandshake, this, [this, connection] {
        if (connection == m_conversation)
            Q_EMIT lateHandshake();
    });
    connect(connection, &Connection::privacyCheckReady, this,
            [this, connection](const PrivacyCheck &check) {
                if (connection == m_conversation)
                    Q_EMIT privacyCheckReady(check);
            });
}

void Winsock::takeText(Connection *connection)
{
    if (m_received.isEmpty()) {
        connection->take(m_received);
    } else {
        connection->take(m_slice);
        m_received += m_slice;
    }
}

// The partner closed its side of the stream, reset the connection, or stopped answering. Text on
// its way to the partner keeps going after a close; a failed connection says what it could not
// deliver.
void Winsock::endConversation(Connection *connection, const SocketFailure &failure)
{
    if (connection != m_conversation)
        return;
    m_conversation = nullptr;
    m_listener->setBusy(false);
    if (connection->phase() == Connection::Delivering)
        letDeliver(connection);
    else
        connection->deleteLater();
    Q_EMIT privacyKnown(Privacy::Unknown);
    if (failure.code != SocketFailure::None) {
        m_failed = true;
        reportLater(failure);
    }
}

void Winsock::letDeliver(Connection *connection)
{
    if (connection->phase() == Connection::Calling) {
        connection->deleteLater();
        return;
    }
    m_delivering.append(connection);
    connect(connection, &Connection::finished, this, [this, connection](qint64 bytes) {
        m_delivering.removeOne(connection);
        connection->deleteLater();
        if (bytes > 0)
            Q_EMIT undelivered(bytes);
        if (m_delivering.isEmpty())
            Q_EMIT deliveryFinished();
    });
}

void Winsock::reportLater(const SocketFailure &failure)
{
    m_failure = failure;
    QTimer::singleShot(0, this, [this, failure] { Q_EMIT errorOccurred(failure); });
}

bool Winsock::fail(const SocketFailure &failure)
{
    m_failure = failure;
    return false;
}

// True, with the reason in failure(), when the socket is doing something else already.
bool Winsock::failIfBusy()
{
    const SocketState state = State();
    if (state == sckClosed || state == sckError)
        return false;
    return !fail({SocketFailure::Busy});
}
