// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// A thick frame around the control that has the keyboard focus, drawn above a window's controls,
// so that a keyboard user sees at once where they are. A style's own focus mark is a thin line
// in a colour near the control's, which on a coloured window can hardly be told from no mark.
// The frame lies just outside the control, in dark blue or white, whichever stands out more
// from the background the control stands on.
class FocusRing : public QWidget
{
    Q_OBJECT

public:
    // Frames the focus while it is on a control inside `window`.
    static void follow(QWidget *window);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    explicit FocusRing(QWidget *window);
    void moveTo(QWidget *focus);

    // What the focused control stands on.
    QColor m_background;
};
