// SPDX-License-Identifier: MIT
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A program the harness starts for one measurement, on a chosen Qt platform, and talks to by
// the lines it prints. Every wait has a time limit; the process is killed when the object goes.
class ChildProcess
{
public:
    ChildProcess(const QString &program, const QStringList &arguments, const QString &platform);
    ~ChildProcess();
    ChildProcess(const ChildProcess &) = delete;
    ChildProcess &operator=(const ChildProcess &) = delete;

    bool started() const { return m_process.state() != QProcess::NotRunning; }
    qint64 pid() const { return m_process.processId(); }
    // The first line starting with `prefix` that the program prints, or an empty string when
    // none comes within `timeoutMs` or the program ends first.
    QString waitForLine(const QString &prefix, int timeoutMs);
    bool waitForExit(int timeoutMs);
    void kill();

private:
    QProcess m_process;
    QByteArray m_pending;
    QString m_name;
};
