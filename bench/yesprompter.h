// SPDX-License-Identifier: MIT
#pragma once

#include "modalprompter.h"

// Answers Yes to every question and reports errors on stderr, so a benchmarked window never
// waits on a box.
class YesPrompter final : public ModalPrompter
{
public:
    void showError(QWidget *owner, const QString &text) override;
    bool askYesNo(QWidget *owner, const QString &title, const QString &question) override;
    void runDialog(QDialog &dialog) override;
};
