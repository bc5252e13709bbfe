// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

// Text as the conversation list shows it and reads it out: on one line, and with nothing a
// partner sends able to hide or disguise what is there. Line breaks and tabs show as spaces;
// other control characters in caret notation (^@ for NUL, ^[ for Esc, ^? for Delete), C1
// controls and the characters that change the direction of text as <U+202E>. They are shown,
// never applied, and in characters every font has.
namespace VisibleText {

QString of(QStringView text);

}  // namespace VisibleText
