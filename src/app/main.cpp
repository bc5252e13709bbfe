// SPDX-License-Identifier: MIT
#include "frmmain.h"
#include "generated/version.h"
#include "lifecycle.h"
#include "terminationsignals.h"
#include "translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

namespace {

constexpr int UsageError = 2;

// Options that QGuiApplication and QApplication take for themselves. They are let through here,
// hidden from --help, and Qt acts on them when it starts.
constexpr char QtOptionsWithValue[] =
    "platform platformpluginpath platformtheme plugin qwindowgeometry qwindowicon qwindowtitle "
    "session display geometry title icon name visual style stylesheet qmljsdebugger dialogs "
    "fontengine";
constexpr char QtFlags[] = "reverse widgetcount nograb dograb sync";

void describeApplication()
{
    QCoreApplication::setApplicationName(QString::fromLatin1(Version::ProductName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Version::Full));
    QCoreApplication::setOrganizationDomain(QStringLiteral("parlino.invalid"));
}

// --help and --version answer without a display, a window or a port; any argument that neither
// Parlino nor Qt knows is an error. Returns the exit status, or nothing when the window is to
// open.
std::optional<int> answerCommandLine(int argc, char *argv[])
{
    if (argc < 2)
        return std::nullopt;

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    for (const QString &name : QString::fromLatin1(QtOptionsWithValue).split(u' ')) {
        QCommandLineOption option(name, QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString &name : QString::fromLatin1(QtFlags).split(u' ')) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    const bool wrong = !parser.parse(arguments) || !parser.positionalArguments().isEmpty();
    if (!wrong && !parser.isSet(help) && !parser.isSet(version) &&
        !parser.isSet(QStringLiteral("help-all")))
        return std::nullopt;
    // Answering in the user's language needs an application object, but not a graphical one.
    QCoreApplication app(argc, argv);
    installTranslations(QLocale());
    if (wrong) {
        const QString error =
            parser.errorText().isEmpty()
                ? QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                      .arg(parser.positionalArguments().constFirst())
                : parser.errorText();
        //: %1 is what was wrong, for example "Unknown option 'bogus'."
        std::fprintf(
            stderr, "parlino: %s\n",
            qUtf8Printable(
                QCoreApplication::translate("CommandLine", "%1 Try 'parlino --help'.").arg(error)));
        return UsageError;
    }
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "A text chat between two computers over one direct TCP connection, with no server in "
        "between. Parlino listens on TCP port 1981 and asks its user before it accepts a "
        "connection request; either side can connect to the other's address. Qt's own options "
        "(-platform, -style, -display, ...) are accepted too."));
    parser.process(app);  // prints and exits
    return EXIT_SUCCESS;
}

// Qt's own message for a missing display is long and cryptic; say it plainly instead.
bool displayAvailable(int argc, char *argv[])
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return true;
    }
    std::fputs(
        "parlino: no display found (DISPLAY and WAYLAND_DISPLAY are unset). Run it on a "
        "desktop, or headless with 'xvfb-run parlino' or 'parlino -platform vnc' and a VNC "
        "viewer on port 5900.\n",
        stderr);
    return false;
#else
    Q_UNUSED(argc)
    Q_UNUSED(argv)
    return true;
#endif
}

// Every size of the icon, compiled in, so that it is sharp at any scale.
QIcon applicationIcon()
{
    QIcon icon;
    for (int px : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/org.parlino.Parlino.png").arg(px),
                     QSize(px, px));
    return icon;
}

}  // namespace

int main(int argc, char *argv[])
{
    describeApplication();
    if (const std::optional<int> status = answerCommandLine(argc, argv))
        return *status;
    if (!displayAvailable(argc, argv))
        return EXIT_FAILURE;

    QApplication app(argc, argv);
    // Ties the window to org.parlino.Parlino.desktop, on Wayland through the app id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.parlino.Parlino"));
    QApplication::setWindowIcon(applicationIcon());
    installTranslations(QLocale());

    // The program ends when the partner has taken what was sent, not when the window closes.
    QApplication::setQuitOnLastWindowClosed(false);
    int status = 0;
    {
        frmMain window;
        Lifecycle lifecycle(window);
        TerminationSignals termination;
        QObject::connect(&termination, &TerminationSignals::received, &lifecycle, &Lifecycle::exit);
        lifecycle.load();
        window.show();
        status = app.exec();
    }
    // Ends here rather than in the destructors of Qt's global objects: a host-name lookup that
    // hangs would keep the process alive until the name server gives up, long after the window
    // has gone. Everything the program holds has been closed above.
    std::fflush(nullptr);
    std::_Exit(status);
}
