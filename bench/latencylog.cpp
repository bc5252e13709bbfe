// SPDX-License-Identifier: MIT
#include "latencylog.h"

#include <QFile>
#include <QTextStream>

QString LatencyLog::line(char name, int number)
{
    QString text =
        QStringLiteral("%1 : %2 ").arg(QLatin1Char(name)).arg(number, 6, 10, QLatin1Char('0'));
    const QString filler =
        QStringLiteral("the quick brown fox jumps over the lazy dog, again and again");
    text += filler.left(LineBytes - text.size());
    return text;
}

int LatencyLog::numberOf(const QString &text, char name)
{
    if (text.size() < 10 || text[0] != QLatin1Char(name) || !text.mid(1, 3).startsWith(u" : "))
        return -1;
    bool ok = false;
    const int number = text.mid(4, 6).toInt(&ok);
    return ok ? number : -1;
}

int LatencyLog::received(const QString &text, std::int64_t ns)
{
    const int number = numberOf(text, m_partner);
    if (number < 0)
        return NotALine;
    if (number >= m_warmup)
        m_received.push_back({number, ns});
    if (m_name == 'A')
        return number == m_last ? RunOver : number + 1;
    return number;
}

bool LatencyLog::write(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream out(&file);
    for (const Stamp &s : m_sent) out << "S " << s.number << ' ' << s.ns << '\n';
    for (const Stamp &s : m_received) out << "R " << s.number << ' ' << s.ns << '\n';
    return out.status() == QTextStream::Ok;
}
