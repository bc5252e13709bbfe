// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// What one side of a ping-pong saw: when it sent each numbered line and when each of the
// partner's lines arrived. Both sides of a run write one file each; the harness pairs them.
//
// A line on the wire is "<name> : <six-digit number> <filler>", the same bytes for the window
// and for the raw sockets.
class LatencyLog
{
public:
    static QString line(char name, int number);
    // The number of a line from `name`, or -1 when the text is not one.
    static int numberOf(const QString &text, char name);
    static constexpr int LineBytes = 56;

    void sent(int number, std::int64_t ns) { m_sent.push_back({number, ns}); }
    void received(int number, std::int64_t ns) { m_received.push_back({number, ns}); }
    bool write(const QString &path) const;

private:
    struct Stamp
    {
        int number;
        std::int64_t ns;
    };
    std::vector<Stamp> m_sent;
    std::vector<Stamp> m_received;
};
