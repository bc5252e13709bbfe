// SPDX-License-Identifier: MIT
#include "winsock.h"

#include "closingconnections.h"
#include "localaddress.h"
#include "outgoingtext.h"
#include "tcpsystem.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

// Bytes a caller may send before it is accepted; the rest waits in the kernel (TCP flow control).
constexpr qint64 PendingReadBufferBytes = 1024 * 1024;
// Bytes read ahead from the kernel while connected, so a flood cannot outrun the window.
constexpr qint64 ConnectedReadBufferBytes = 4 * 1024 * 1024;

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

Winsock::Winsock(QObject *parent)
    : QObject(parent),
      m_server(new QTcpServer(this)),
      m_connectTimer(new QTimer(this)),
      m_closing(new ClosingConnections(this))
{
    m_connectTimer->setSingleShot(true);
    connect(m_server, &QTcpServer::newConnection, this, &Winsock::takeIncomingConnections);
    connect(m_connectTimer, &QTimer::timeout, this, [this] {
        if (!m_socket || m_socket->state() == QAbstractSocket::ConnectedState)
            return;
        const bool lookingUp = m_socket->state() == QAbstractSocket::HostLookupState;
        m_socket->abort();
        m_failed = true;
        reportLater({lookingUp ? SocketFailure::LookupTimedOut : SocketFailure::TimedOut});
    });
    connect(m_closing, &ClosingConnections::undelivered, this, &Winsock::undelivered);
    connect(m_closing, &ClosingConnections::allClosed, this, &Winsock::deliveryFinished);
}

Winsock::~Winsock()
{
    blockSignals(true);  // the window that handles them is going too
    Close();
    dropPendingRequests();
}

void Winsock::setLocalPort(int port)
{
    m_localPort = port;
}

QString Winsock::LocalIP()
{
    return LocalAddress::choose(LocalAddress::ofThisMachine());
}

Winsock::SocketState Winsock::State() const
{
    if (m_server->isListening())
        return sckListening;
    if (!m_socket)
        return m_failed ? sckError : sckClosed;
    switch (m_socket->state()) {
        case QAbstractSocket::HostLookupState:
            return sckResolvingHost;
        case QAbstractSocket::ConnectingState:
            return sckConnecting;
        case QAbstractSocket::ConnectedState:
            return sckConnected;
        case QAbstractSocket::ClosingState:
            return sckClosing;
        default:
            return m_failed ? sckError : sckClosed;
    }
}

bool Winsock::Listen()
{
    if (failIfBusy())
        return false;
    if (m_localPort < 0 || m_localPort > 65535)
        return fail({SocketFailure::BadLocalPort, m_localPort});
    if (!m_server->listen(QHostAddress::Any, quint16(m_localPort))) {
        if (m_server->serverError() == QAbstractSocket::AddressInUseError)
            return fail({SocketFailure::PortInUse, m_localPort});
        return fail({SocketFailure::CannotListen, m_localPort, {}, m_server->errorString()});
    }
    // Listening on port 0 picks a free port; later Listen() calls reuse it.
    m_localPort = m_server->serverPort();
    m_failed = false;
    return true;
}

bool Winsock::Connect(const QString &host, const QString &port)
{
    if (failIfBusy() || !checkRemote(host, port))
        return false;

    finishConnection();  // a connection that failed earlier
    m_wasConnected = false;
    auto *socket = new QTcpSocket(this);
    adoptConnection(socket);
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        m_connectTimer->stop();
        startConversation(socket);
    });
    m_failed = false;
    m_connectTimer->start(m_connectTimeoutMs);
    socket->connectToHost(hostOf(host), parsePort(port));
    return true;
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
    QTcpSocket *socket = m_pending.take(requestId);
    if (!socket)
        return fail({SocketFailure::NoSuchRequest, requestId});
    if (failIfBusy()) {
        discard(socket);
        return false;
    }
    // The caller may have hung up a moment ago, unnoticed yet by the event loop: look now.
    if (socket->bytesAvailable() == 0)
        socket->waitForReadyRead(0);
    if (socket->state() != QAbstractSocket::ConnectedState && socket->bytesAvailable() == 0) {
        socket->deleteLater();
        return fail({SocketFailure::CallerGaveUp});
    }
    finishConnection();  // a connection that failed earlier
    adoptConnection(socket);
    startConversation(socket);
    m_failed = false;
    // Text the caller sent while the user was deciding is handed over from a fresh turn of the
    // event loop, after the caller of Accept() has finished its own work.
    if (socket->bytesAvailable() > 0 || socket->state() != QAbstractSocket::ConnectedState)
        readInNextTurn();
    return true;
}

bool Winsock::SendData(const QString &text)
{
    if (State() != sckConnected)
        return fail({SocketFailure::NotConnected});
    // Handed to the network now, not on a later turn of the event loop after the window has
    // been redrawn.
    if (!m_text || !m_text->send(text.toUtf8()))
        return fail({SocketFailure::SendFailed});
    return true;
}

void Winsock::GetData(QByteArray &data)
{
    m_incoming.take(data);
}

QString Winsock::requestAddress(int requestId) const
{
    const QTcpSocket *socket = m_pending.value(requestId);
    if (!socket)
        return {};
    QHostAddress address = socket->peerAddress();
    bool mapped = false;
    const quint32 ipv4 = address.toIPv4Address(&mapped);
    if (mapped)
        address = QHostAddress(ipv4);  // an IPv4 caller on the dual-stack listener
    return address.toString();
}

bool Winsock::isDelivering() const
{
    return !m_closing->isEmpty();
}

void Winsock::setLingerTime(int milliseconds)
{
    m_closing->setLingerTime(milliseconds);
}

void Winsock::Close()
{
    handOverTheRest();
    m_connectTimer->stop();
    // Pending requests are kept: their ids stay valid until their ConnectionRequest is decided.
    m_server->close();
    m_incoming.reset();
    m_failed = false;
    m_wasConnected = false;
    m_lostReason.clear();
    if (!m_socket)
        return;
    QTcpSocket *socket = m_socket;
    m_socket = nullptr;
    socket->disconnect(this);
    // Text already sent reaches the partner before the connection ends.
    if (m_text)
        m_closing->add(socket, std::exchange(m_text, nullptr));
    else
        discard(socket);
}

void Winsock::startConversation(QTcpSocket *socket)
{
    m_wasConnected = true;
    TcpSystem::keepAlive(socket->socketDescriptor(), m_liveness);
    m_text = new OutgoingText(socket->socketDescriptor(), this);
}

void Winsock::takeIncomingConnections()
{
    while (m_server->hasPendingConnections()) {
        QTcpSocket *socket = m_server->nextPendingConnection();
        socket->setParent(this);
        // One request is decided at a time, and only while nothing else is going on.
        if (m_deciding || m_socket) {
            discard(socket);
            continue;
        }
        socket->setReadBufferSize(PendingReadBufferBytes);
        const int requestId = ++m_nextRequestId;
        m_pending.insert(requestId, socket);

        m_deciding = true;
        Q_EMIT ConnectionRequest(requestId);
        m_deciding = false;

        if (QTcpSocket *refused = m_pending.take(requestId))
            discard(refused);
    }
}

void Winsock::adoptConnection(QTcpSocket *socket)
{
    m_socket = socket;
    m_incoming.reset();
    socket->setReadBufferSize(ConnectedReadBufferBytes);
    connect(socket, &QTcpSocket::readyRead, this, &Winsock::readArrivedData);
    connect(socket, &QTcpSocket::disconnected, this, &Winsock::readArrivedData);
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket] { noteSocketError(socket); });
}

void Winsock::readArrivedData()
{
    if (!m_socket || m_readScheduled)
        return;
    QTcpSocket *socket = m_socket;
    // One buffer for every slice: a fresh one each time would be new memory to fault in.
    m_readBuffer.resize(ReadSliceBytes);
    const qint64 got = socket->read(m_readBuffer.data(), ReadSliceBytes);
    const QByteArrayView bytes(m_readBuffer.constData(), qMax<qint64>(got, 0));
    bool textWaits = m_incoming.add(bytes);
    const bool ended = socket->state() == QAbstractSocket::UnconnectedState;
    if (ended && socket->bytesAvailable() == 0) {
        // A character cut short by the end of the connection still shows, as U+FFFD.
        textWaits = m_incoming.end();
    }
    if (textWaits)
        Q_EMIT DataArrival(bytes.size());

    // The handler may have closed the socket or run a nested event loop.
    if (socket != m_socket)
        return;
    if (socket->bytesAvailable() > 0) {
        // More than one slice waits: hand it over in the next turn, so the window stays live.
        readInNextTurn();
    } else if (ended) {
        endConversation();
    }
}

// The connection's socket has ended: the partner closed its side of the stream, reset the
// connection, or stopped answering. Text on its way to the partner keeps going after a close;
// a failed connection says what it could not deliver.
void Winsock::endConversation()
{
    OutgoingText *text = std::exchange(m_text, nullptr);
    const bool failed = text && text->hasFailed();
    const qint64 undelivered = text ? text->undelivered() : 0;
    if (text && !failed && undelivered > 0) {
        QTcpSocket *socket = m_socket;
        m_socket = nullptr;
        socket->disconnect(this);
        m_closing->add(socket, text);
        return;
    }
    delete text;
    finishConnection();
    if (!m_lostReason.isEmpty() || (failed && undelivered > 0)) {
        m_failed = true;
        reportLater({SocketFailure::ConnectionLost, undelivered, {}, m_lostReason});
    }
    m_lostReason.clear();
}

// A connection the partner has ended may still hold text that waits for its turn to be handed
// over; closing hands it over at once rather than lose it.
void Winsock::handOverTheRest()
{
    if (!m_socket || m_socket->state() != QAbstractSocket::UnconnectedState)
        return;
    // A connection attempt given up is closed already: nothing to read.
    const QByteArray rest = m_socket->isOpen() ? m_socket->readAll() : QByteArray();
    m_incoming.add(rest);
    const bool textWaits = m_incoming.end();
    endConversation();
    if (textWaits)
        Q_EMIT DataArrival(rest.size());
}

void Winsock::readInNextTurn()
{
    m_readScheduled = true;
    QTimer::singleShot(0, this, [this] {
        m_readScheduled = false;
        readArrivedData();
    });
}

void Winsock::finishConnection()
{
    if (!m_socket)
        return;
    m_socket->disconnect(this);
    m_socket->deleteLater();
    m_socket = nullptr;
}

void Winsock::noteSocketError(QTcpSocket *socket)
{
    const QAbstractSocket::SocketError error = socket->error();
    if (socket != m_socket)
        return;
    m_connectTimer->stop();
    // The partner closing its side is the normal end of a conversation, not a failure.
    if (error == QAbstractSocket::RemoteHostClosedError)
        return;
    if (m_wasConnected) {
        // Reported once the connection has handed over what arrived before the failure.
        m_lostReason = socket->errorString();
        if (!m_readScheduled)
            readInNextTurn();
        return;
    }
    m_failed = true;
    reportLater(failureOf(error, socket->errorString()));
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

// Drops a connection at once and lets the socket go once its signals have been delivered.
void Winsock::discard(QTcpSocket *socket)
{
    socket->abort();
    socket->deleteLater();
}

void Winsock::dropPendingRequests()
{
    for (QTcpSocket *socket : std::as_const(m_pending)) discard(socket);
    m_pending.clear();
}
