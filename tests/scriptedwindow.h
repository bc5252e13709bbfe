// SPDX-License-Identifier: MIT
// The main window with its modal boxes answered by the test: what they would have shown is
// recorded, and no test ever blocks on a box.
#pragma once

#include "frmmain.h"

#include <QStringList>

class ScriptedWindow final : public frmMain
{
public:
    QStringList errors;
    QStringList questions;  // each as "title: question"
    bool answerYes = true;
    // False: the question stays open until the test calls answer().
    bool answerAtOnce = true;

    void showError(const QString &text) override { errors.append(text); }
    void showQuestion(const QString &title, const QString &question) override
    {
        questions.append(title + QStringLiteral(": ") + question);
        if (answerAtOnce)
            answerQuestion(answerYes);
    }
    void hideQuestion() override { ++withdrawn; }
    void answer(bool yes) { answerQuestion(yes); }
    int withdrawn = 0;  // questions taken away unanswered
};
