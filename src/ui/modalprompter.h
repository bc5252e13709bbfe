// SPDX-License-Identifier: MIT
// The one place where the program waits on a modal box. Production shows real message boxes;
// tests supply their own answers, so no test ever blocks on a box.
#pragma once

class QDialog;
class QString;
class QWidget;

class ModalPrompter
{
public:
    virtual ~ModalPrompter() = default;

    virtual void showError(QWidget *owner, const QString &text) = 0;
    virtual bool askYesNo(QWidget *owner, const QString &title, const QString &question) = 0;
    // Shows a dialog modally and returns when it has been closed.
    virtual void runDialog(QDialog &dialog) = 0;
};
