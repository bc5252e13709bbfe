// SPDX-License-Identifier: MIT
#pragma once

class QMessageBox;
class QString;
class QWidget;

// The program's modal message boxes, always with plain-text formatting: a peer's or user's text
// never becomes markup.
namespace MessageBoxes {

// The Error box: information icon, one OK button, title "Error".
void showError(QWidget *owner, const QString &text);
// Opens a Yes/No question, window-modal over its owner, with Yes as the default and no icon,
// and returns it at once; it deletes itself once answered.
QMessageBox *openQuestion(QWidget *owner, const QString &title, const QString &question);

}  // namespace MessageBoxes
