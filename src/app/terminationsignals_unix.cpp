// SPDX-License-Identifier: MIT
#include "terminationsignals.h"

#include <QSocketNotifier>
#include <utility>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>

namespace {

// A request to end, Ctrl+C in the terminal, and the terminal closing (or the session's end).
constexpr int HandledSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The one place the handler may write to: a pipe the event loop watches.
int signalSocket[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSocket[0], &byte, 1);
}

}  // namespace

TerminationSignals::TerminationSignals(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSocket) != 0)
        return;
    m_notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(signalSocket[1], &byte, 1);
        Q_EMIT received();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : HandledSignals) {
        // A signal ignored from the start stays ignored: nohup, or a job started in the
        // background by a shell without job control, asks for that.
        struct sigaction before = {};
        if (::sigaction(signal, nullptr, &before) == 0 && before.sa_handler != SIG_IGN)
            ::sigaction(signal, &action, nullptr);
    }
}

TerminationSignals::~TerminationSignals()
{
    for (int signal : HandledSignals) {
        struct sigaction now = {};
        if (::sigaction(signal, nullptr, &now) == 0 && now.sa_handler == onSignal)
            ::signal(signal, SIG_DFL);
    }
    delete m_notifier;
    for (int &fd : signalSocket) {
        if (fd != -1)
            ::close(std::exchange(fd, -1));
    }
}
