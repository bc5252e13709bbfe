// SPDX-License-Identifier: MIT
#include "messageboxprompter.h"

#include "focusring.h"
#include "titlebar.h"

#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>

void MessageBoxPrompter::showError(QWidget *owner, const QString &text)
{
    QMessageBox box(owner);
    box.setWindowTitle(QCoreApplication::translate("MessageBoxPrompter", "Error"));
    box.setIcon(QMessageBox::Information);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    TitleBar::watch(&box);
    FocusRing::follow(&box);
    box.exec();
}

bool MessageBoxPrompter::askYesNo(QWidget *owner, const QString &title, const QString &question)
{
    QMessageBox box(owner);
    box.setWindowTitle(title);
    box.setIcon(QMessageBox::NoIcon);
    box.setTextFormat(Qt::PlainText);
    box.setText(question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    TitleBar::watch(&box);
    FocusRing::follow(&box);
    return box.exec() == QMessageBox::Yes;
}

void MessageBoxPrompter::runDialog(QDialog &dialog)
{
    dialog.exec();
}
