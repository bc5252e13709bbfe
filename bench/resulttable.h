// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <vector>

// The benchmark results: one row per figure, each the values of the repeated runs, summed up as
// median and spread (lowest to highest) and set against its target.
class ResultTable
{
public:
    enum class Goal { AtMost, AtLeast, None };

    struct Row
    {
        QString id;
        QString what;
        QString baseline;  // the baseline's own median, as text, or "-"
        QString unit;      // "x" for ratios, else the unit of the values
        std::vector<double> values;
        Goal goal = Goal::None;
        double target = 0.0;
    };

    void add(Row row) { m_rows.push_back(std::move(row)); }
    // Prints the table for a person; returns how many targets were missed.
    int print() const;
    // One line per row, tab-separated, for plotting.
    bool writeTsv(const QString &path) const;

private:
    static bool met(const Row &row);
    std::vector<Row> m_rows;
};
