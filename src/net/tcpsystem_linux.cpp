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

bool tcpInfo(qintptr descriptor, tcp_info &info)
{
    socklen_t size = sizeof info;
    return ::getsockopt(int(descriptor), IPPROTO_TCP, TCP_INFO, &info, &size) == 0;
}

void set(qintptr descriptor, int level, int option, int value)
{
    ::setsockopt(int(descriptor), level, option, &value, sizeof value);
}

}  // namespace

void keepAlive(qintptr descriptor, const Liveness &liveness)
{
    set(descriptor, SOL_SOCKET, SO_KEEPALIVE, 1);
    set(descriptor, IPPROTO_TCP, TCP_KEEPIDLE, liveness.idleSeconds);
    set(descriptor, IPPROTO_TCP, TCP_KEEPINTVL, liveness.intervalSeconds);
    set(descriptor, IPPROTO_TCP, TCP_KEEPCNT, liveness.probes);
    set(descriptor, IPPROTO_TCP, TCP_USER_TIMEOUT, liveness.unacknowledgedTimeoutMs);
}

qintptr duplicate(qintptr descriptor)
{
    return descriptor < 0 ? -1 : ::fcntl(int(descriptor), F_DUPFD_CLOEXEC, 0);
}

qint64 send(qintptr descriptor, const char *data, qint64 size)
{
    const ssize_t sent = ::send(int(descriptor), data, size_t(size), MSG_NOSIGNAL | MSG_DONTWAIT);
    if (sent >= 0)
        return sent;
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR ? 0 : -1;
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
    ::close(int(descriptor));
}

void release(qintptr descriptor)
{
    const linger abortive{1, 0};
    ::setsockopt(int(descriptor), SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
    ::close(int(descriptor));
}

}  // namespace TcpSystem
