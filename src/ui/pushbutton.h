// SPDX-License-Identifier: MIT
#pragma once

#include <QPushButton>

// A push button that is never a default button, and that Enter and Return press as Space does
// while it has the focus, as desktop users expect.
class PushButton : public QPushButton
{
    Q_OBJECT

public:
    PushButton(const QString &text, QWidget *parent);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
