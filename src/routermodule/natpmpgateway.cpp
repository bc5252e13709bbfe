// SPDX-License-Identifier: MIT
#include "natpmpgateway.h"

#include <natpmp.h>

#include <QtEndian>
#include <algorithm>

namespace {

using Outcome = RouterMapping::Outcome;

// The sizes of the answers to the two requests.
constexpr int PublicAddressAnswer = 12;
constexpr int MappingAnswer = 16;

// libnatpmp reads an answer into a buffer of 16 bytes without looking at its length: an answer
// of another size than the request's is turned down before libnatpmp sees it, unless it is an
// error answer (a non-zero result code), of which libnatpmp reads only the code. An error of the
// socket's own is libnatpmp's to read and report.
bool answerHasSize(const natpmp_t &natpmp, int size)
{
    char answer[MappingAnswer + 1];
    const auto length = recv(natpmp.s, answer, sizeof answer, MSG_PEEK);
    return length < 0 || length == size ||
           (length >= 4 && length <= MappingAnswer && (answer[2] || answer[3]));
}

// One request: sent, asked again as libnatpmp times it, until an answer or the deadline. The
// libnatpmp code of what came, or NATPMP_TRYAGAIN when nothing did.
int ask(natpmp_t &natpmp, natpmpresp_t &response, int size, const QDeadlineTimer &deadline)
{
    for (;;) {
        timeval wait{};
        if (getnatpmprequesttimeout(&natpmp, &wait) < 0)
            return NATPMP_ERR_GETTIMEOFDAYERR;
        const qint64 left = deadline.remainingTime();
        if (left == 0)
            return NATPMP_TRYAGAIN;
        const qint64 waitMs = std::min<qint64>(wait.tv_sec * 1000 + wait.tv_usec / 1000, left);
        wait.tv_sec = long(waitMs / 1000);
        wait.tv_usec = long(waitMs % 1000 * 1000);
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(natpmp.s, &readable);
        if (select(natpmp.s + 1, &readable, nullptr, nullptr, &wait) > 0 &&
            !answerHasSize(natpmp, size))
            return NATPMP_ERR_UNSUPPORTEDOPCODE;
        const int result = readnatpmpresponseorretry(&natpmp, &response);
        if (result != NATPMP_TRYAGAIN)
            return result;
    }
}

// The outcome a libnatpmp code stands for, other than success.
RouterMapping failure(int code)
{
    RouterMapping mapping;
    mapping.protocol = RouterMapping::Protocol::NatPmp;
    switch (code) {
        case NATPMP_TRYAGAIN:
        case NATPMP_ERR_CANNOTGETGATEWAY:
        case NATPMP_ERR_RECVFROM:  // the router's system said nobody listens there
        case NATPMP_ERR_SOCKETERROR:
        case NATPMP_ERR_CONNECTERR:
        case NATPMP_ERR_SENDERR:
            mapping.outcome = Outcome::NoAnswer;
            break;
        case NATPMP_ERR_UNSUPPORTEDVERSION:
        case NATPMP_ERR_UNSUPPORTEDOPCODE:
        case NATPMP_ERR_WRONGPACKETSOURCE:
            mapping.outcome = Outcome::Unreadable;
            break;
        default:
            mapping.outcome = Outcome::Refused;
            // The answer's result code: libnatpmp counts them from -49 down.
            mapping.code = code <= -49 && code > -100 ? -49 - code : code;
    }
    return mapping;
}

}  // namespace

RouterMapping NatPmpGateway::map(quint16 port, quint32 lifetime, QDeadlineTimer deadline) const
{
    natpmp_t natpmp;
    const bool forced = !m_gateway.isNull();
    if (initnatpmp(&natpmp, forced ? 1 : 0, forced ? qToBigEndian(m_gateway.toIPv4Address()) : 0) <
        0)
        return failure(NATPMP_ERR_CANNOTGETGATEWAY);
    RouterMapping mapping = failure(NATPMP_TRYAGAIN);
    natpmpresp_t response{};
    int result = lifetime == 0 ? 0 : sendpublicaddressrequest(&natpmp);
    if (result >= 0 && lifetime != 0)
        result = ask(natpmp, response, PublicAddressAnswer, deadline);
    if (result >= 0 && lifetime != 0 && response.type != NATPMP_RESPTYPE_PUBLICADDRESS)
        result = NATPMP_ERR_UNSUPPORTEDOPCODE;
    const quint32 outside = qFromBigEndian(quint32(response.pnu.publicaddress.addr.s_addr));
    if (result >= 0)
        result = sendnewportmappingrequest(&natpmp, NATPMP_PROTOCOL_TCP, port, port, lifetime);
    if (result >= 0)
        result = ask(natpmp, response, MappingAnswer, deadline);
    if (result >= 0 && (response.type != NATPMP_RESPTYPE_TCPPORTMAPPING ||
                        response.pnu.newportmapping.privateport != port))
        result = NATPMP_ERR_UNSUPPORTEDOPCODE;
    if (result < 0) {
        mapping = failure(result);
    } else if (lifetime != 0 && response.pnu.newportmapping.mappedpublicport != port) {
        // Forwarded from another outside port: callers would not find it. Given back.
        sendnewportmappingrequest(&natpmp, NATPMP_PROTOCOL_TCP, port, 0, 0);
        mapping.outcome = Outcome::InUse;
    } else if (lifetime != 0 && outside == 0) {
        // 0.0.0.0: the router has no outside address itself.
        sendnewportmappingrequest(&natpmp, NATPMP_PROTOCOL_TCP, port, 0, 0);
        mapping.outcome = Outcome::BadOutside;
    } else {
        mapping.outcome = Outcome::Open;
        mapping.outside = QHostAddress(outside);
        mapping.lifetime = response.pnu.newportmapping.lifetime;
    }
    mapping.port = port;
    mapping.protocol = RouterMapping::Protocol::NatPmp;
    mapping.gateway = QHostAddress(qFromBigEndian(quint32(natpmp.gateway)));
    closenatpmp(&natpmp);
    return mapping;
}

QHostAddress NatPmpGateway::defaultRouter()
{
    natpmp_t natpmp;
    if (initnatpmp(&natpmp, 0, 0) < 0)
        return {};
    const QHostAddress router(qFromBigEndian(quint32(natpmp.gateway)));
    closenatpmp(&natpmp);
    return router;
}
