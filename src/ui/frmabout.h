// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QKeyEvent;
class QLabel;
class QPushButton;

// The About box: product name, description, version line and credits, closed by its one button
// or the title bar's close box. It is built afresh every time it opens.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *owner = nullptr);

    // In tab order; only cmdClose takes the focus.
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *lblVersion = nullptr;
    QPushButton *cmdClose = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createControls();
    void showVersion();
    void cmdClose_Click() { close(); }
};
