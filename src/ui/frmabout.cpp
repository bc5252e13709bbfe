// SPDX-License-Identifier: MIT
#include "frmabout.h"

#include "generated/version.h"

#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout(QWidget *owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("About"));
    lblVersion = new QLabel(this);
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    Form_Load();
}

void frmAbout::Form_Load()
{
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(Version::Major)
                            .arg(Version::Minor)
                            .arg(Version::Revision));
}
