// SPDX-License-Identifier: MIT
#include "pcpgateway.h"

#include <QUdpSocket>
#include <QtEndian>
#include <algorithm>

namespace {

using Outcome = RouterMapping::Outcome;

constexpr quint16 PcpPort = 5351;
constexpr int MessageSize = 60;
constexpr char Version = 2;
constexpr char Map = 1;
constexpr char Answer = char(0x80 | Map);
constexpr char Tcp = 6;
constexpr int FirstWaitMs = 250;
constexpr int Success = 0;
// The router's error codes that mean the port is taken.
constexpr int CannotProvideExternal = 11;

QByteArray request(quint16 port, quint32 lifetime, const QByteArray &nonce,
                   const QHostAddress &client)
{
    QByteArray message(MessageSize, '\0');
    message[0] = Version;
    message[1] = Map;
    qToBigEndian(lifetime, message.data() + 4);
    const Q_IPV6ADDR mapped = QHostAddress(client.toIPv6Address()).toIPv6Address();
    std::copy_n(mapped.c, 16, message.data() + 8);
    message.replace(24, 12, nonce.leftJustified(12, '\0', true));
    message[36] = Tcp;
    qToBigEndian(port, message.data() + 40);
    qToBigEndian(port, message.data() + 42);
    message[54] = message[55] = char(0xff);  // ::ffff:0.0.0.0, any outside address
    return message;
}

// The mapping an answer to the request gives, or why not.
RouterMapping read(const QByteArray &answer, const QByteArray &sent)
{
    RouterMapping mapping;
    if (answer.size() >= 4 && answer[0] != Version) {
        mapping.outcome = Outcome::Refused;
        mapping.code = PcpGateway::UnsupportedVersion;
        return mapping;
    }
    if (answer.size() != MessageSize || answer[1] != Answer ||
        answer.mid(24, 13) != sent.mid(24, 13)) {
        mapping.outcome = Outcome::Unreadable;
        return mapping;
    }
    mapping.code = quint8(answer[3]);
    if (mapping.code != Success) {
        mapping.outcome = mapping.code == CannotProvideExternal ? Outcome::InUse : Outcome::Refused;
        return mapping;
    }
    mapping.lifetime = qFromBigEndian<quint32>(answer.constData() + 4);
    Q_IPV6ADDR outside;
    std::copy_n(answer.constData() + 44, 16, outside.c);
    const QHostAddress mapped(outside);
    bool ipv4 = false;
    const quint32 address = mapped.toIPv4Address(&ipv4);
    mapping.outcome = !ipv4 || address == 0 ? Outcome::BadOutside
                      : qFromBigEndian<quint16>(answer.constData() + 42) !=
                              qFromBigEndian<quint16>(sent.constData() + 42)
                          ? Outcome::InUse
                          : Outcome::Open;
    mapping.outside = QHostAddress(address);
    return mapping;
}

}  // namespace

RouterMapping PcpGateway::map(quint16 port, quint32 lifetime, const QByteArray &nonce,
                              QDeadlineTimer deadline) const
{
    QUdpSocket socket;
    socket.connectToHost(m_router, PcpPort);
    const QByteArray sent = request(port, lifetime, nonce, socket.localAddress());
    RouterMapping mapping;
    for (int wait = FirstWaitMs; !deadline.hasExpired(); wait *= 2) {
        socket.write(sent);
        const bool readable =
            socket.waitForReadyRead(int(std::min<qint64>(wait, deadline.remainingTime())));
        if (socket.hasPendingDatagrams()) {
            QByteArray answer(int(std::max<qint64>(socket.pendingDatagramSize(), 0)), '\0');
            socket.readDatagram(answer.data(), answer.size());
            mapping = read(answer, sent);
            break;
        }
        // Nobody listens there: the router's system said so.
        if (readable || socket.error() != QAbstractSocket::SocketTimeoutError)
            break;
    }
    if (mapping.outcome == Outcome::InUse && mapping.code == Success)
        socket.write(request(port, 0, nonce, socket.localAddress()));  // another port: given back
    mapping.protocol = RouterMapping::Protocol::Pcp;
    mapping.port = port;
    mapping.gateway = m_router;
    mapping.nonce = nonce;
    return mapping;
}
