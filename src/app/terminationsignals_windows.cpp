// SPDX-License-Identifier: MIT
#include "terminationsignals.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QThread>
#include <atomic>

#include <windows.h>

namespace {

// The console's handler runs on a thread the system starts for it, and finds the object here.
std::atomic<TerminationSignals *> instance = nullptr;

BOOL WINAPI onConsoleEvent(DWORD event)
{
    TerminationSignals *termination = instance.load();
    if (!termination)
        return FALSE;
    QMetaObject::invokeMethod(termination, &TerminationSignals::received, Qt::QueuedConnection);
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT)
        return TRUE;
    // The console closes or the session ends: the system ends the process once this returns,
    // so it waits until the program has delivered what was sent and ends by itself, or the
    // system stops waiting.
    ::Sleep(INFINITE);
    return TRUE;
}

}  // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    instance = this;
    ::SetConsoleCtrlHandler(onConsoleEvent, TRUE);
    auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    if (!app)
        return;
    // Windows asks whether the session may end (WM_QUERYENDSESSION): it may, and the program
    // starts to end.
    connect(app, &QGuiApplication::commitDataRequest, this, &TerminationSignals::received);
    // When it does end (WM_ENDSESSION), Qt says so from inside the running event loop, and the
    // system ends the process as soon as that returns: so it returns only once the program has
    // ended by itself (QCoreApplication::exit() leaves every event loop). Outside the loop this
    // is the program's own end.
    connect(app, &QCoreApplication::aboutToQuit, this, [this] {
        if (QThread::currentThread()->loopLevel() == 0)
            return;
        Q_EMIT received();
        QEventLoop untilTheEnd;
        untilTheEnd.exec();
    });
}

TerminationSignals::~TerminationSignals()
{
    ::SetConsoleCtrlHandler(onConsoleEvent, FALSE);
    instance = nullptr;
}
