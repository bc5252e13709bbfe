// SPDX-License-Identifier: MIT
// The windows are drawn in twips, 1/1440 inch: 15 twips make one logical pixel, and Qt scales
// logical pixels for the screen.
#pragma once

#include <QFont>
#include <QSize>
#include <QStringList>
#include <QStyle>
#include <QWidget>

namespace TwipsLayout {

inline constexpr int TwipsPerPixel = 15;

constexpr QSize size(int width, int height)
{
    return QSize(width / TwipsPerPixel, height / TwipsPerPixel);
}

// Places a control at its spot, measured from the parent's top left; in a right-to-left window
// from the top right, as Qt's layouts mirror a window. The parent must have its final width.
inline void place(QWidget *widget, int left, int top, int width, int height)
{
    const QRect spot(left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
                     height / TwipsPerPixel);
    widget->setGeometry(
        QStyle::visualRect(widget->layoutDirection(), widget->parentWidget()->rect(), spot));
}

// A compact sans serif, small enough for 19-pixel text boxes and for "Display Name:" to show in
// full before the box that covers the rest of its band.
inline void useControlFont(QWidget *window)
{
    QFont font = window->font();
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    window->setFont(font);
}

}  // namespace TwipsLayout
