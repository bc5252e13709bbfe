// SPDX-License-Identifier: MIT
#include "readyprobe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

ReadyProbe::ReadyProbe(QWidget &widget) : QObject(&widget)
{
    widget.installEventFilter(this);
}

bool ReadyProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_fired) {
        m_fired = true;
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &ReadyProbe::ready);
    }
    return QObject::eventFilter(watched, event);
}
