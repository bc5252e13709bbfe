// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QWidget;

// Tells when a widget has been drawn for the first time and the event loop has come round
// again: the moment a user has the window in front of them.
class ReadyProbe : public QObject
{
    Q_OBJECT

public:
    explicit ReadyProbe(QWidget &widget);

Q_SIGNALS:
    void ready();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_fired = false;
};
