// SPDX-License-Identifier: MIT
#include "focusring.h"

#include "contrast.h"

#include <QApplication>
#include <QPainter>

namespace {

// Thick enough to see from across a desk, even at a glance.
constexpr int Width = 3;

}  // namespace

void FocusRing::follow(QWidget *window)
{
    new FocusRing(window);
}

FocusRing::FocusRing(QWidget *window) : QWidget(window)
{
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { moveTo(now); });
    moveTo(QApplication::focusWidget());
}

void FocusRing::moveTo(QWidget *focus)
{
    QWidget *window = parentWidget();
    if (!focus || focus == window || !window->isAncestorOf(focus)) {
        hide();
        return;
    }
    m_background = focus->parentWidget()->palette().color(QPalette::Window);
    setGeometry(QRect(focus->mapTo(window, QPoint(0, 0)), focus->size())
                    .adjusted(-Width, -Width, Width, Width));
    setMask(QRegion(rect()) - QRegion(rect().adjusted(Width, Width, -Width, -Width)));
    raise();
    show();
}

void FocusRing::paintEvent(QPaintEvent *)
{
    const QColor dark(0, 0, 139), light(Qt::white);
    QPainter(this).fillRect(
        rect(), contrast(dark, m_background) >= contrast(light, m_background) ? dark : light);
}
