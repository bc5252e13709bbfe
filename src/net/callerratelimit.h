// SPDX-License-Identifier: MIT
// Counts the calls from each caller's address over the last minute, so that a caller that calls
// again and again (a scanner, a pest) is turned away without the user being asked each time.
// Every call counts, the ones turned away too: a caller that goes on calling more often than the
// limit stays turned away until it calls less often. The limit is per address; the list says so
// at most once a minute for each. An address not heard from for a minute is forgotten, so what is
// kept grows only with the callers of the last two minutes.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <functional>

class CallerRateLimit
{
public:
    // A caller's sixth call within a minute, and every later one, is turned away.
    static constexpr int CallsPerMinute = 5;
    static constexpr qint64 MinuteMs = 60 * 1000;

    enum class Verdict { Take, TurnAway, TurnAwayAndTell };
    // Milliseconds from any fixed start, never going back.
    using Clock = std::function<qint64()>;

    // The system's steady clock. Callers on loopback (127.0.0.0/8, ::1) are never counted: they
    // are this computer's own users and programs, and the project's own tests call from
    // 127.0.0.1 dozens of times a minute. Tests count them too (loopbackExempt false) and give a
    // clock of their own.
    explicit CallerRateLimit(Clock clock = steadyClock(), bool loopbackExempt = true);

    // Counts one call from `address` (as IncomingCall::address() gives it) and says what becomes
    // of it: turned away when it is the sixth or later within a minute, counting back from now
    // (a call exactly a minute ago is out); to be told when no call from there has been told in
    // the last minute.
    Verdict count(const QString &address);

    static Clock steadyClock();

private:
    struct Caller
    {
        QList<qint64> calls;  // the latest CallsPerMinute, oldest first
        qint64 toldAt = 0;
        bool told = false;
    };

    void forgetQuietCallers(qint64 now);

    Clock m_clock;
    bool m_loopbackExempt;
    QHash<QString, Caller> m_callers;
    qint64 m_forgotAt = 0;
};
