// SPDX-License-Identifier: MIT
#include "closingconnections.h"

#include "outgoingtext.h"

#include <QTcpSocket>
#include <QTimer>

namespace {

// How often a closing connection looks whether the partner has taken everything.
constexpr int PollMilliseconds = 20;

}  // namespace

ClosingConnections::ClosingConnections(QObject *parent) : QObject(parent) {}

ClosingConnections::~ClosingConnections()
{
    for (const Closing &closing : std::as_const(m_closing)) {
        closing.text->abandon();
        closing.socket->abort();
    }
}

void ClosingConnections::add(QTcpSocket *socket, OutgoingText *text)
{
    socket->setParent(this);
    text->setParent(socket);
    m_closing.append({socket, text});
    // What the partner still sends is read and dropped: unread text here would make the final
    // close a reset, which can cost the partner text it has not read yet.
    connect(socket, &QTcpSocket::readyRead, socket,
            [socket] { socket->skip(socket->bytesAvailable()); });
    auto *poll = new QTimer(socket);
    connect(poll, &QTimer::timeout, this, [this, socket] { check(socket); });
    poll->start(PollMilliseconds);
    QTimer::singleShot(m_lingerMs, socket, [this, socket] { giveUp(socket); });
    check(socket);
}

qsizetype ClosingConnections::find(QTcpSocket *socket) const
{
    for (qsizetype i = 0; i < m_closing.size(); ++i) {
        if (m_closing[i].socket == socket)
            return i;
    }
    return -1;
}

void ClosingConnections::check(QTcpSocket *socket)
{
    const qsizetype at = find(socket);
    if (at < 0)
        return;
    OutgoingText *text = m_closing[at].text;
    if (text->undelivered() == 0) {
        text->finish();
        socket->disconnectFromHost();
        remove(socket);
    } else if (text->hasFailed()) {
        giveUp(socket);
    }
}

void ClosingConnections::giveUp(QTcpSocket *socket)
{
    const qsizetype at = find(socket);
    if (at < 0)
        return;
    const qint64 bytes = m_closing[at].text->undelivered();
    m_closing[at].text->abandon();
    socket->abort();
    if (bytes > 0)
        Q_EMIT undelivered(bytes);
    remove(socket);
}

void ClosingConnections::remove(QTcpSocket *socket)
{
    const qsizetype at = find(socket);
    if (at < 0)
        return;
    m_closing.removeAt(at);
    socket->disconnect(this);
    socket->deleteLater();
    if (m_closing.isEmpty())
        Q_EMIT allClosed();
}
