// SPDX-License-Identifier: MIT
#include "callerratelimit.h"

#include <QHostAddress>
#include <chrono>

CallerRateLimit::CallerRateLimit(Clock clock, bool loopbackExempt)
    : m_clock(std::move(clock)), m_loopbackExempt(loopbackExempt)
{
    m_forgotAt = m_clock();
}

CallerRateLimit::Clock CallerRateLimit::steadyClock()
{
    return [] {
        using namespace std::chrono;
        return qint64(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    };
}

CallerRateLimit::Verdict CallerRateLimit::count(const QString &address)
{
    if (m_loopbackExempt && QHostAddress(address).isLoopback())
        return Verdict::Take;
    const qint64 now = m_clock();
    forgetQuietCallers(now);
    Caller &caller = m_callers[address];
    const bool tooMany =
        caller.calls.size() == CallsPerMinute && now - caller.calls.constFirst() < MinuteMs;
    if (caller.calls.size() == CallsPerMinute)
        caller.calls.removeFirst();
    caller.calls.append(now);
    if (!tooMany)
        return Verdict::Take;
    if (caller.told && now - caller.toldAt < MinuteMs)
        return Verdict::TurnAway;
    caller.told = true;
    caller.toldAt = now;
    return Verdict::TurnAwayAndTell;
}

// Once a minute at most, so that a flood of callers costs no more than their count.
void CallerRateLimit::forgetQuietCallers(qint64 now)
{
    if (now - m_forgotAt < MinuteMs)
        return;
    m_forgotAt = now;
    m_callers.removeIf([now](QHash<QString, Caller>::iterator caller) {
        return now - caller->calls.constLast() >= MinuteMs;
    });
}
