// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>

class frmMain;

// Times the conversation list inside one process: a long conversation of short entries, and
// single huge entries beside short ones. Prints one "name value" line per figure, in
// milliseconds; every loop has a fixed number of rounds.
class ListBench : public QObject
{
    Q_OBJECT

public:
    void run();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void longConversation();
    void hugeEntries();
    // Appends one entry the way an arrival does and lets the event loop lay it out and draw it.
    double appendAndShow(frmMain &window, const QString &line);
    // Runs the event loop until the list has been drawn with its last row laid out.
    bool waitUntilLastRowDrawn(frmMain &window);
    double medianRepaint(frmMain &window, int rounds);
    void watch(frmMain &window);

    frmMain *m_watched = nullptr;
    int m_paints = 0;
    int m_paintsWithLastRow = 0;
};
