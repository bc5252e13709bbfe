// SPDX-License-Identifier: MIT
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Qt reads the layout direction from the translation: right-to-left languages mirror the window.
//: Write RTL for a language written from right to left, LTR otherwise.
[[maybe_unused]] const char *const LayoutDirection =
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

}  // namespace

bool installTranslations(const QLocale &locale)
{
    // Compiled in from translations/parlino_<language>.ts.
    auto *own = new QTranslator(QCoreApplication::instance());
    if (!own->load(locale, QStringLiteral("parlino"), QStringLiteral("_"),
                   QStringLiteral(":/i18n"))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    auto *qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral("qtbase_") + own->language(),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}
