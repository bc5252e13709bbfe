// SPDX-License-Identifier: MIT
#include "resulttable.h"

#include "stats.h"

#include <QFile>
#include <QTextStream>
#include <cstdio>

namespace {

QString number(double value)
{
    const double magnitude = std::abs(value);
    return QString::number(value, 'f', magnitude >= 100 ? 0 : magnitude >= 10 ? 1 : 2);
}

QString withUnit(double value, const QString &unit)
{
    return unit == QStringLiteral("x") ? number(value) + unit : number(value) + u' ' + unit;
}

QString pad(const QString &text, int width)
{
    return text.leftJustified(width, u' ');
}

}  // namespace

bool ResultTable::met(const Row &row)
{
    if (row.values.empty())
        return row.goal == Goal::None;
    const double median = Stats::median(row.values);
    switch (row.goal) {
        case Goal::AtMost:
            return median <= row.target;
        case Goal::AtLeast:
            return median >= row.target;
        case Goal::None:
            return true;
    }
    return true;
}

int ResultTable::print() const
{
    QString out;
    const QString header = pad(QStringLiteral("#"), 4) + pad(QStringLiteral("figure"), 52) +
                           pad(QStringLiteral("baseline"), 14) +
                           pad(QStringLiteral("median [min - max]"), 30) +
                           pad(QStringLiteral("target"), 12) + QStringLiteral("result");
    out += header + u'\n' + QString(header.size() + 2, u'-') + u'\n';
    int missed = 0;
    for (const Row &row : m_rows) {
        const QString spread =
            withUnit(Stats::median(row.values), row.unit) +
            QStringLiteral(" [%1 - %2]")
                .arg(number(Stats::minimum(row.values)), number(Stats::maximum(row.values)));
        QString target = QStringLiteral("-");
        QString result = QStringLiteral("info");
        if (row.goal != Goal::None) {
            target = (row.goal == Goal::AtMost ? QStringLiteral("<= ") : QStringLiteral(">= ")) +
                     withUnit(row.target, row.unit);
            result = met(row) ? QStringLiteral("PASS") : QStringLiteral("MISS");
            missed += met(row) ? 0 : 1;
        }
        out += pad(row.id, 4) + pad(row.what, 52) + pad(row.baseline, 14) + pad(spread, 30) +
               pad(target, 12) + result + u'\n';
    }
    std::fputs(qPrintable(out), stdout);
    std::fflush(stdout);
    return missed;
}

bool ResultTable::writeTsv(const QString &path) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QTextStream tsv(&file);
    tsv << "id\tfigure\tmedian\tmin\tmax\tunit\tgoal\ttarget\tmet\n";
    for (const Row &row : m_rows) {
        const char *goal = row.goal == Goal::AtMost ? "<=" : row.goal == Goal::AtLeast ? ">=" : "-";
        tsv << row.id << '\t' << row.what << '\t' << Stats::median(row.values) << '\t'
            << Stats::minimum(row.values) << '\t' << Stats::maximum(row.values) << '\t' << row.unit
            << '\t' << goal << '\t' << row.target << '\t' << int(met(row)) << '\n';
    }
    return tsv.status() == QTextStream::Ok;
}
