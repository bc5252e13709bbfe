// SPDX-License-Identifier: MIT
// Answers the program's modal boxes without blocking, and records what they would have shown.
#pragma once

#include "modalprompter.h"

#include <QDialog>
#include <QStringList>
#include <functional>

class ScriptedPrompter final : public ModalPrompter
{
public:
    QStringList errors;
    QStringList questions;  // each as "title: question"
    bool answerYes = true;
    // Runs while a question is open, before it is answered, as a real box's event loop would.
    std::function<void()> whileAsking;
    // Runs while a dialog is open and must close it; without it the dialog closes at once.
    std::function<void(QDialog &)> whileDialogOpen;

    void showError(QWidget *, const QString &text) override { errors.append(text); }
    bool askYesNo(QWidget *, const QString &title, const QString &question) override
    {
        questions.append(title + QStringLiteral(": ") + question);
        if (whileAsking)
            whileAsking();
        return answerYes;
    }
    void runDialog(QDialog &dialog) override
    {
        if (whileDialogOpen) {
            dialog.open();
            whileDialogOpen(dialog);
        }
    }
};
