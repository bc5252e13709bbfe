// SPDX-License-Identifier: MIT
#include "tcpsystem.h"

#include <fcntl.h>
#include <linux/tcp.h>  // the kernel's tcp_info, with the acknowledged byte count
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <cerrno>

namespace TcpSystem {

namespace {

// The kernel's state of a connection that has ended for good.
constexpr int StateClosed = 7;
// Linux 6.15's TCP_RTO_MAX_MS: the longest wait between two retransmissions or window probes.
constexpr int OptionRetransmitMaxMs = 44;

bool tcpInfo(qintptr descriptor, tcp_info &info)
{
    socklen_t size = sizeof info;
    return ::getsockopt(int(descriptor), IPPROTO_TCP, TCP_INFO, &info, &size) == 0;
}

void set(qintptr descriptor, int level, int option, int value)
{
    ::setsockopt(int(descriptor), level, option, &value, sizeof value);
}

Transfer failed()
{
    if (errno == ECONNRESET || errno == EPIPE)
        return {Transfer::Reset, 0, {}};
    return {Transfer::Failed, 0, qt_error_string(errno)};
}

}  // namespace

void setLiveness(qintptr descriptor, const Liveness &liveness)
{
    set(descriptor, SOL_SOCKET, SO_KEEPALIVE, 1);
    set(descriptor, IPPROTO_TCP, TCP_KEEPIDLE, liveness.idleSeconds);
    set(descriptor, IPPROTO_TCP, TCP_KEEPINTVL, liveness.intervalSeconds);
    set(descriptor, IPPROTO_TCP, TCP_KEEPCNT, liveness.probes);
    // No user timeout: Linux applies it to window probes that the partner answers too, and so
    // would cut off a partner that merely stops reading. silentMs() judges instead.
    set(descriptor, IPPROTO_TCP, TCP_USER_TIMEOUT, 0);
    // Probes back off to two minutes apart; at most a sixth of the silence apart, a partner
    // that vanishes while its window is closed is asked again soon enough to be found silent in
    // time. Kernels before 6.15 refuse the option: there a vanished partner behind a closed
    // window is found at the first unanswered probe after the silence, up to two minutes later.
    set(descriptor, IPPROTO_TCP, OptionRetransmitMaxMs, qBound(1000, liveness.silenceMs / 6, 5000));
}

qint64 silentMs(qintptr descriptor)
{
    tcp_info info{};
    if (!tcpInfo(descriptor, info))
        return 0;
    // tcpi_last_ack_recv counts from any acknowledgement, answers to probes included; it matters
    // only while bytes are unacknowledged or a window probe is unanswered (tcpi_probes, reset by
    // any answer).
    const bool waiting = info.tcpi_unacked > 0 || info.tcpi_probes > 0;
    return waiting ? qint64(info.tcpi_last_ack_recv) : 0;
}

QString silenceReason()
{
    return qt_error_string(ETIMEDOUT);
}

qintptr duplicate(qintptr descriptor)
{
    return descriptor < 0 ? -1 : ::fcntl(int(descriptor), F_DUPFD_CLOEXEC, 0);
}

Transfer send(qintptr descriptor, const char *data, qint64 size)
{
    const ssize_t sent = ::send(int(descriptor), data, size_t(size), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent >= 0)
        return {Transfer::Done, sent, {}};
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
        return {Transfer::Done, 0, {}};
    return failed();
}

Transfer receive(qintptr descriptor, char *data, qint64 size)
{
    const ssize_t got = ::recv(int(descriptor), data, size_t(size), MSG_DONTWAIT);
    if (got > 0)
        return {Transfer::Done, got, {}};
    if (got == 0)
        return {Transfer::End, 0, {}};
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)
        return {Transfer::Later, 0, {}};
    return failed();
}

qint64 acknowledged(qintptr descriptor)
{
    tcp_info info{};
    return tcpInfo(descriptor, info) ? qint64(info.tcpi_bytes_acked) : 0;
}

bool hasFailed(qintptr descriptor)
{
    tcp_info info{};
    return !tcpInfo(descriptor, info) || info.tcpi_state == StateClosed;
}

void finish(qintptr descriptor)
{
    ::shutdown(int(descriptor), SHUT_WR);
}

void close(qintptr descriptor)
{
    ::close(int(descriptor));
}

void abort(qintptr descriptor)
{
    const linger abortive{1, 0};
    ::setsockopt(int(descriptor), SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    ::close(int(descriptor));
}

}  // namespace TcpSystem
