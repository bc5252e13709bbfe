// SPDX-License-Identifier: MIT
// The main window with its modal boxes answered at once: what they would have shown is recorded,
// and no test ever blocks on a box.
#pragma once

#include "frmmain.h"

#include <QStringList>
#include <functional>

class ScriptedWindow final : public frmMain
{
public:
    QStringList errors;
    QStringList questions;  // each as "title: question"
    bool answerYes = true;
    // Runs while a question is open, before it is answered, as a real box's event loop would.
    std::function<void()> whileAsking;

    void showError(const QString &text) override { errors.append(text); }
    bool showQuestion(const QString &title, const QString &question) override
    {
        questions.append(title + QStringLiteral(": ") + question);
        if (whileAsking)
            whileAsking();
        return answerYes;
    }
};
