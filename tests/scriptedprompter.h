// SPDX-License-Identifier: MIT
// Answers the program's modal boxes without blocking, and records what they would have shown.
#pragma once

#include "modalprompter.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class ScriptedPrompter final : public ModalPrompter
{
public:
    struct Question
    {
        QString title;
        QString text;
    };

    QStringList errors;
    QList<Question> questions;
    // The answer to every question: true for Yes.
    bool answerYes = true;
    // Runs while a question is "open", before it is answered (inside the handler, as a nested
    // event loop of a real box would).
    std::function<void()> whileAsking;
    // Runs while a dialog is open; it must close the dialog. Without it the dialog is closed at
    // once.
    std::function<void(QDialog &)> whileDialogOpen;

    void showError(QWidget *, const QString &text) override { errors.append(text); }

    bool askYesNo(QWidget *, const QString &title, const QString &question) override
    {
        questions.append({title, question});
        if (whileAsking)
            whileAsking();
        return answerYes;
    }

    void runDialog(QDialog &dialog) override
    {
        if (!whileDialogOpen)
            return;
        dialog.open();
        whileDialogOpen(dialog);
    }
};
