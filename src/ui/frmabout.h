// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box: product name, description, version line and credits, closed by its one button.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *owner = nullptr);

    QLabel *lblVersion = nullptr;
    QPushButton *cmdClose = nullptr;

private:
    void Form_Load();
};
