// SPDX-License-Identifier: MIT
// Waiting on real event processing, without the naps QTest::qWaitFor takes between its passes:
// stress tests wait thousands of times, and a nap would also pass for a stall of the window.
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>

// Processes events until `done` holds or `timeoutMs` has passed; returns whether it holds.
template <typename Predicate>
bool waitUntil(Predicate done, int timeoutMs = 10000)
{
    const QDeadlineTimer deadline(timeoutMs);
    // Wakes the wait when nothing else happens, so the deadline is seen.
    QTimer wake;
    wake.start(20);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}
