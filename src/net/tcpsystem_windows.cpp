// SPDX-License-Identifier: MIT
#include "tcpsystem.h"

// TCP_INFO_v0 and SIO_TCP_INFO came with Windows 10 1703; older systems answer the request with
// an error, and the functions below fall back.
#ifndef NTDDI_VERSION
#define NTDDI_VERSION 0x0A000003
#endif
#include <winsock2.h>  // first: the others build on it

#include <mstcpip.h>
#include <ws2tcpip.h>

#include <climits>
#include <limits>

namespace TcpSystem {

namespace {

// Options of Windows 10 that mingw-w64's headers may not name yet (ws2ipdef.h of the SDK).
constexpr int OptionMaxRetransmitSeconds = 5;  // TCP_MAXRT
constexpr int OptionKeepAliveCount = 16;       // TCP_KEEPCNT

SOCKET socketOf(qintptr descriptor)
{
    return SOCKET(descriptor);
}

bool tcpInfo(qintptr descriptor, TCP_INFO_v0 &info)
{
    DWORD version = 0;
    DWORD size = 0;
    return ::WSAIoctl(socketOf(descriptor), SIO_TCP_INFO, &version, sizeof version, &info,
                      sizeof info, &size, nullptr, nullptr) == 0;
}

Transfer failed(int error)
{
    if (error == WSAECONNRESET)
        return {Transfer::Reset, 0, {}};
    return {Transfer::Failed, 0, qt_error_string(error)};
}

bool isTransient(int error)
{
    return error == WSAEWOULDBLOCK || error == WSAEINTR || error == WSAENOBUFS ||
           error == WSAEINPROGRESS;
}

}  // namespace

void setLiveness(qintptr descriptor, const Liveness &liveness)
{
    tcp_keepalive values{1, ULONG(liveness.idleSeconds) * 1000,
                         ULONG(liveness.intervalSeconds) * 1000};
    DWORD size = 0;
    ::WSAIoctl(socketOf(descriptor), SIO_KEEPALIVE_VALS, &values, sizeof values, nullptr, 0, &size,
               nullptr, nullptr);
    // Windows before 10 1703 sends ten probes, and knows no count to set.
    const DWORD probes = DWORD(liveness.probes);
    ::setsockopt(socketOf(descriptor), IPPROTO_TCP, OptionKeepAliveCount,
                 reinterpret_cast<const char *>(&probes), sizeof probes);
    // Windows tells nothing of when the partner last answered (TCP_INFO has no such field), so
    // silentMs() cannot judge: the system's own limit on retransmissions stands in. It counts
    // from the first retransmission, not from the partner's last answer, so text sent while a
    // vanished partner is not yet noticed can take up to that much longer. Windows keeps
    // probing a closed window for as long as the partner answers.
    const DWORD seconds = DWORD((liveness.silenceMs + 999) / 1000);
    ::setsockopt(socketOf(descriptor), IPPROTO_TCP, OptionMaxRetransmitSeconds,
                 reinterpret_cast<const char *>(&seconds), sizeof seconds);
}

qint64 silentMs(qintptr)
{
    return 0;
}

QString silenceReason()
{
    return qt_error_string(WSAETIMEDOUT);
}

qintptr duplicate(qintptr descriptor)
{
    if (descriptor < 0)
        return -1;
    WSAPROTOCOL_INFOW info{};
    if (::WSADuplicateSocketW(socketOf(descriptor), ::GetCurrentProcessId(), &info) != 0)
        return -1;
    const SOCKET copy = ::WSASocketW(FROM_PROTOCOL_INFO, FROM_PROTOCOL_INFO, FROM_PROTOCOL_INFO,
                                     &info, 0, WSA_FLAG_OVERLAPPED | WSA_FLAG_NO_HANDLE_INHERIT);
    if (copy == INVALID_SOCKET)
        return -1;
    u_long nonBlocking = 1;
    ::ioctlsocket(copy, FIONBIO, &nonBlocking);
    return qintptr(copy);
}

Transfer send(qintptr descriptor, const char *data, qint64 size)
{
    const int sent = ::send(socketOf(descriptor), data, int(qMin<qint64>(size, INT_MAX)), 0);
    if (sent != SOCKET_ERROR)
        return {Transfer::Done, sent, {}};
    const int error = ::WSAGetLastError();
    if (isTransient(error))
        return {Transfer::Done, 0, {}};
    return failed(error);
}

Transfer receive(qintptr descriptor, char *data, qint64 size)
{
    const int got = ::recv(socketOf(descriptor), data, int(qMin<qint64>(size, INT_MAX)), 0);
    if (got > 0)
        return {Transfer::Done, got, {}};
    if (got == 0)
        return {Transfer::End, 0, {}};
    const int error = ::WSAGetLastError();
    if (isTransient(error))
        return {Transfer::Later, 0, {}};
    return failed(error);
}

qint64 acknowledged(qintptr descriptor)
{
    TCP_INFO_v0 info{};
    // Without the system's count (Windows before 10 1703, Wine), whatever the system has taken
    // counts as delivered: an orderly close still hands it over, but a partner that never reads
    // it goes unnoticed.
    if (!tcpInfo(descriptor, info))
        return std::numeric_limits<qint64>::max();
    return qint64(info.BytesOut) - qint64(info.BytesInFlight);
}

bool hasFailed(qintptr descriptor)
{
    TCP_INFO_v0 info{};
    if (tcpInfo(descriptor, info))
        return info.State == TCPSTATE_CLOSED;
    // Sending nothing fails once the connection has been reset or given up.
    return ::send(socketOf(descriptor), "", 0, 0) == SOCKET_ERROR &&
           !isTransient(::WSAGetLastError());
}

void finish(qintptr descriptor)
{
    ::shutdown(socketOf(descriptor), SD_SEND);
}

void close(qintptr descriptor)
{
    ::closesocket(socketOf(descriptor));
}

void abort(qintptr descriptor)
{
    const linger abortive{1, 0};
    ::setsockopt(socketOf(descriptor), SOL_SOCKET, SO_LINGER,
                 reinterpret_cast<const char *>(&abortive), sizeof abortive);
    ::closesocket(socketOf(descriptor));
}

}  // namespace TcpSystem
