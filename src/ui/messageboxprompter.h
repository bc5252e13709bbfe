// SPDX-License-Identifier: MIT
#pragma once

#include "modalprompter.h"

// Real QMessageBoxes, always with plain-text formatting: a peer's or user's text never becomes
// markup.
class MessageBoxPrompter final : public ModalPrompter
{
public:
    void showError(QWidget *owner, const QString &text) override;
    bool askYesNo(QWidget *owner, const QString &title, const QString &question) override;
    void runDialog(QDialog &dialog) override;
};
