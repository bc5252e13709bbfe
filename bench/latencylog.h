// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// One side of a ping-pong and what it saw: when it sent each numbered line and when each of the
// partner's lines arrived. A calls and sends first, B answers each line with the same number;
// the first `warmup` lines are not timed. Both sides write one file each; the harness pairs them.
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

    LatencyLog(char name, int warmup, int lines)
        : m_name(name),
          m_partner(name == 'A' ? 'B' : 'A'),
          m_warmup(warmup),
          m_last(warmup + lines - 1)
    {
    }

    char name() const { return m_name; }
    QString line(int number) const { return line(m_name, number); }
    void sent(int number, std::int64_t ns)
    {
        if (number >= m_warmup)
            m_sent.push_back({number, ns});
    }
    // Whether this side has just sent the run's last line.
    bool sentLast(int number) const { return m_name == 'B' && number == m_last; }

    static constexpr int NotALine = -2;
    static constexpr int RunOver = -1;
    // Takes text from the partner: the number to send next, RunOver once A has had its last
    // answer, or NotALine.
    int received(const QString &text, std::int64_t ns);
    bool write(const QString &path) const;

private:
    struct Stamp
    {
        int number;
        std::int64_t ns;
    };
    char m_name;
    char m_partner;
    int m_warmup;
    int m_last;
    std::vector<Stamp> m_sent;
    std::vector<Stamp> m_received;
};
