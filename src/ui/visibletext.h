// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

// Text as the conversation list shows it and reads it out: on one line, and with nothing a
// partner sends able to hide or disguise what is there. Line breaks and tabs show as spaces;
// other control characters in caret notation (^@ for NUL, ^[ for Esc, ^? for Delete); C1
// controls, the characters that change the direction of text and those drawn as nothing at all
// as <U+202E>. Joiners and selectors stay where emoji or a script need them (👨‍👩‍👧,
// ❤️, a Persian ZWNJ). They are shown, never applied, and in characters every font has. Letters
// of a font of their own (𝗕𝗼𝗹𝗱, 𝑖𝑡𝑎𝑙𝑖𝑐) show as the plain letters.
namespace VisibleText {

QString of(QStringView text);
// The text with zero-width spaces where a line may break in a long run that has none, between
// whole characters, or inside one that is itself such a run: word-wrapped text, such as a
// tooltip's, then fits any width.
QString wrappable(QStringView text);

}  // namespace VisibleText
