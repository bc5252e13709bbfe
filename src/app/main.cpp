// SPDX-License-Identifier: MIT
#include "frmmain.h"
#include "generated/version.h"
#include "lifecycle.h"
#include "terminationsignals.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

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
    if (!displayAvailable(argc, argv))
        return EXIT_FAILURE;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(Version::ProductName));
    QApplication::setApplicationVersion(QString::fromLatin1(Version::Full));
    QApplication::setOrganizationDomain(QStringLiteral("parlino.invalid"));
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
        status = app.exec();
    }
    // Ends here rather than in the destructors of Qt's global objects: a host-name lookup that
    // hangs would keep the process alive until the name server gives up, long after the window
    // has gone. Everything the program holds has been closed above.
    std::fflush(nullptr);
    std::_Exit(status);
}
