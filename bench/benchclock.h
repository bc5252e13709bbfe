// SPDX-License-Identifier: MIT
// Time stamps that separate processes on one machine can compare, and what a process holds in
// memory, for the benchmarks.
#pragma once

#include <QFile>
#include <QString>
#include <chrono>
#include <cstdint>

namespace BenchClock {

// The monotonic clock, in nanoseconds: one clock for every process on the machine.
inline std::int64_t nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Resident set size of a process (this one by default), in KiB; -1 when it cannot be read.
inline std::int64_t residentKiB(std::int64_t pid = 0)
{
    QFile status(pid > 0 ? QStringLiteral("/proc/%1/status").arg(pid)
                         : QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

}  // namespace BenchClock
