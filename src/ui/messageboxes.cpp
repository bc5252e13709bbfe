// SPDX-License-Identifier: MIT
#include "messageboxes.h"

#include "focusring.h"
#include "titlebar.h"

#include <QCoreApplication>
#include <QMessageBox>

void MessageBoxes::showError(QWidget *owner, const QString &text)
{
    QMessageBox box(owner);
    box.setWindowTitle(QCoreApplication::translate("MessageBoxes", "Error"));
    box.setIcon(QMessageBox::Information);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    TitleBar::watch(&box);
    FocusRing::follow(&box);
    box.exec();
}

QMessageBox *MessageBoxes::openQuestion(QWidget *owner, const QString &title,
                                        const QString &question)
{
    auto *box = new QMessageBox(owner);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(title);
    box->setIcon(QMessageBox::NoIcon);
    box->setTextFormat(Qt::PlainText);
    box->setText(question);
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::Yes);
    TitleBar::watch(box);
    FocusRing::follow(box);
    box->open();  // window-modal; nothing waits on it
    return box;
}
