// SPDX-License-Identifier: MIT
#include "childprocess.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <cstdio>

ChildProcess::ChildProcess(const QString &program, const QStringList &arguments,
                           const QString &platform)
    : m_name(QFileInfo(program).fileName())
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    m_process.setProcessEnvironment(environment);
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    // What the children say on stderr (Qt's warnings) is not part of the table.
    m_process.setStandardErrorFile(QProcess::nullDevice());
    m_process.start(program, arguments);
    if (!m_process.waitForStarted(10000))
        std::fprintf(stderr, "cannot start %s\n", qPrintable(program));
}

ChildProcess::~ChildProcess()
{
    kill();
}

QString ChildProcess::waitForLine(const QString &prefix, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        qsizetype end;
        while ((end = m_pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(m_pending.left(end));
            m_pending.remove(0, end + 1);
            if (line.startsWith(prefix))
                return line;
        }
        if (deadline.hasExpired() || m_process.state() == QProcess::NotRunning) {
            m_pending += m_process.readAllStandardOutput();
            if (m_pending.indexOf('\n') < 0) {
                if (!prefix.isEmpty())
                    std::fprintf(stderr, "%s: no \"%s\" line\n", qPrintable(m_name),
                                 qPrintable(prefix));
                return {};
            }
            continue;
        }
        m_process.waitForReadyRead(int(qMin<qint64>(deadline.remainingTime(), 100)));
        m_pending += m_process.readAllStandardOutput();
    }
}

bool ChildProcess::waitForExit(int timeoutMs)
{
    return m_process.waitForFinished(timeoutMs) && m_process.exitStatus() == QProcess::NormalExit;
}

void ChildProcess::kill()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.kill();
    m_process.waitForFinished(5000);
}
