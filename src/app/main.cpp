// SPDX-License-Identifier: MIT
#include "bundledicon.h"
#include "frmmain.h"
#include "generated/version.h"
#include "lifecycle.h"
#include "terminationsignals.h"
#include "translations.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

constexpr int UsageError = 2;
constexpr char OpenPortOption[] = "open-port";

// QCommandLineParser's own texts for its help options, which Qt's translations leave out in
// some of Parlino's languages: Parlino's translation carries them.
[[maybe_unused]] const char *const HelpOptionTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
};

void describeApplication()
{
    QCoreApplication::setApplicationName(QString::fromLatin1(Version::ProductName));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(Version::Full));
    QCoreApplication::setOrganizationDomain(QStringLiteral("parlino.invalid"));
}

// Parlino's own options: --help, --version and --open-port. The parser translates their
// descriptions as they are added, so the translations go first.
void describeOptions(QCommandLineParser &parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine",
        "A text chat between two computers over one direct TCP connection, with no server in "
        "between. Parlino listens on TCP port 1981 and asks its user before it accepts a "
        "connection request; either side can connect to the other's address. Qt's own options "
        "(-platform, -style, -display, ...) are accepted too."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(
        QString::fromLatin1(OpenPortOption),
        QCoreApplication::translate("CommandLine",
                                    "Asks the router at start to forward the listening port to "
                                    "this computer, as Communications > Open Port on Router "
                                    "does.")));
}

// Whether --open-port was given; the arguments were found understood.
bool openPortAsked()
{
    QCommandLineParser parser;
    describeOptions(parser);
    parser.parse(QCoreApplication::arguments());
    return parser.isSet(QString::fromLatin1(OpenPortOption));
}

// --help and --version answer without a display, a window or a port: the status, or nothing
// when neither was asked for. Other arguments are looked at once Qt has taken its own.
std::optional<int> answerHelpOrVersion(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser asked;
    describeOptions(asked);
    asked.parse(arguments);  // Qt's own options are unknown here, and that is no error
    const bool help =
        asked.isSet(QStringLiteral("help")) || asked.isSet(QStringLiteral("help-all"));
    if (!help && !asked.isSet(QStringLiteral("version")))
        return std::nullopt;
    // Answering in the user's language needs an application object, but not a graphical one.
    QCoreApplication app(argc, argv);
    installTranslations(QLocale());
    QCommandLineParser parser;
    describeOptions(parser);
    std::fputs(qUtf8Printable(help ? parser.helpText()
                                   : QCoreApplication::applicationName() + u' ' +
                                         QCoreApplication::applicationVersion() + u'\n'),
               stdout);
    return EXIT_SUCCESS;
}

// What is left once Qt has taken its own options must be Parlino's; otherwise it says what is
// wrong.
bool argumentsUnderstood()
{
    QCommandLineParser parser;
    describeOptions(parser);
    if (parser.parse(QCoreApplication::arguments()) && parser.positionalArguments().isEmpty())
        return true;
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
    return false;
}

// Whether there is a display to open the window on, or a platform or X display was named.
bool displayFound(int argc, char *argv[])
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    for (int i = 1; i < argc; ++i) {
        for (const char *named : {"-platform", "--platform", "-display", "--display"}) {
            if (qstrcmp(argv[i], named) == 0)
                return true;
        }
    }
    return false;
#else
    Q_UNUSED(argc)
    Q_UNUSED(argv)
    return true;
#endif
}

// The options that Qt's X11 platform takes besides Qt's own (measured with Qt 6.4), and whether
// a value follows each.
struct X11Option
{
    const char *name;
    bool takesValue;
};
constexpr X11Option X11Options[] = {{"name", true},   {"visual", true}, {"geometry", true},
                                    {"title", true},  {"icon", true},   {"nograb", false},
                                    {"dograb", false}};

// The X11 platform's option that the argument is, if any: with one dash or two, as Qt reads them.
const X11Option *x11Option(const char *argument)
{
    if (argument[0] != '-')
        return nullptr;
    const char *name = argument + (argument[1] == '-' ? 2 : 1);
    for (const X11Option &option : X11Options) {
        if (qstrcmp(name, option.name) == 0)
            return &option;
    }
    return nullptr;
}

// Without a display the window cannot open; the arguments are still judged first, as they would
// be with one. Qt's minimal platform takes Qt's own options, and those only the X11 platform
// knows are set aside. Qt's own start-up messages are no help here, so they are not shown.
int answerWithoutDisplay(int argc, char *argv[])
{
    char platformOption[] = "-platform", minimal[] = "minimal";
    std::vector<char *> arguments{argv[0], platformOption, minimal};
    for (int i = 1; i < argc; ++i) {
        if (const X11Option *option = x11Option(argv[i]))
            i += option->takesValue ? 1 : 0;
        else
            arguments.push_back(argv[i]);
    }
    int count = int(arguments.size());
    arguments.push_back(nullptr);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QApplication app(count, arguments.data());
    installTranslations(QLocale());
    if (!argumentsUnderstood())
        return UsageError;
    // Qt's own message for a missing display is long and cryptic; this says it plainly.
    std::fprintf(stderr, "parlino: %s\n",
                 qUtf8Printable(QCoreApplication::translate(
                     "CommandLine",
                     "No display found (DISPLAY and WAYLAND_DISPLAY are unset). Run Parlino on a "
                     "desktop, or headless with 'xvfb-run parlino' or 'parlino -platform vnc' and "
                     "a VNC viewer on port 5900.")));
    return EXIT_FAILURE;
}

// Every size of the icon, compiled in, so that it is sharp at any scale.
QIcon applicationIcon()
{
    return QIcon(new BundledIcon(QStringLiteral(":/icons/%1x%1/apps/org.parlino.Parlino.png"),
                                 {16, 32, 48, 64, 128, 256}));
}

}  // namespace

int main(int argc, char *argv[])
{
    describeApplication();
    if (const std::optional<int> status = answerHelpOrVersion(argc, argv))
        return *status;
    if (!displayFound(argc, argv))
        return answerWithoutDisplay(argc, argv);

    // Takes Qt's own options (-platform, -style, ...) out of the arguments.
    QApplication app(argc, argv);
    installTranslations(QLocale());
    if (!argumentsUnderstood())
        return UsageError;
    // Ties the window to org.parlino.Parlino.desktop, on Wayland through the app id.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.parlino.Parlino"));
    QApplication::setWindowIcon(applicationIcon());

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
        if (openPortAsked())
            window.mnuCommunicationsOpenPortOnRouter->trigger();
        status = app.exec();
    }
    // Everything Parlino holds has ended through its destructors above; only the application
    // object's own end is skipped, because it waits for a host-name lookup still running. With
    // a name server that does not answer, a program that had begun to connect to a name ended
    // 9.7 s after its event loop (10.0 s in all), long after the window had gone.
    std::fflush(nullptr);
    std::_Exit(status);
}
