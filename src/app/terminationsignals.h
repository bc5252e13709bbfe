// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QSocketNotifier;

// Turns a request to terminate into a signal delivered by the event loop, so that it ends the
// program the orderly way, as File ▸ Exit does: SIGTERM, SIGINT and SIGHUP (the terminal closed) on
// Unix; on Windows the end of the session, and Ctrl+C or the closing of a console the program runs
// in. Only one may exist.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void received();

private:
    QSocketNotifier *m_notifier = nullptr;  // Unix: where the handler leaves word
};
