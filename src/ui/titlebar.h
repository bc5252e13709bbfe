// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QLabel;

// A window's own title bar, in place of the one Qt's Wayland plugin draws where the compositor
// leaves title bars to the programs. Qt 6.4's (the "bradient" decoration) offers minimize and
// maximize on every window, whatever its flags and size; a fixed-size window needs neither, and
// under X11 its title bar has neither. This one shows the window's icon, its title and a close
// box, and moves the window when dragged. Where the compositor draws title bars itself, it goes
// on doing so and this bar never shows.
class TitleBar : public QWidget
{
    Q_OBJECT

public:
    // Call once the window is built: from its first showing on, the window has this title bar
    // whenever Qt would draw its own.
    static void watch(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    explicit TitleBar(QWidget *window);
    void takeOver();
    void showActivation();

    QLabel *m_title = nullptr;
};
