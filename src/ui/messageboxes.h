// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

// The program's modal message boxes, always with plain-text formatting: a peer's or user's text
// never becomes markup.
namespace MessageBoxes {

// The Error box: information icon, one OK button, title "Error".
void showError(QWidget *owner, const QString &text);
// A Yes/No question with Yes as the default and no icon; true for Yes.
bool askYesNo(QWidget *owner, const QString &title, const QString &question);

}  // namespace MessageBoxes
