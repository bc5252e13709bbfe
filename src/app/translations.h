// SPDX-License-Identifier: MIT
#pragma once

class QLocale;

// Installs Parlino's translation for the first of the locale's languages that has one, and Qt's
// own for the same language, so that buttons such as Yes and No match. Where Parlino has no
// translation (English among them) nothing is installed and every text stays as written.
// Returns whether a translation was installed.
bool installTranslations(const QLocale &locale);
