// SPDX-License-Identifier: MIT
// What the tests share: a main window as the program starts it, listening on a free port, with
// scripted boxes; the moves of a conversation; raw sockets playing peers; and what the process
// holds from the system.
#pragma once

#include "conversationlist.h"
#include "frmmain.h"
#include "lifecycle.h"
#include "scriptedwindow.h"
#include "winsock.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>
#include <memory>

#ifdef Q_OS_WIN
#include <winsock2.h>

#include <psapi.h>
#else
#include <arpa/inet.h>
#include <fcntl.h>
#include <malloc.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#endif

using namespace Qt::StringLiterals;

inline const QString NotConnected = u"You must first be connected to another computer."_s;

struct ChatWindow
{
    explicit ChatWindow(int listenPort = 0) : window(std::make_unique<ScriptedWindow>())
    {
        (new Lifecycle(*window, listenPort, [this](int status) {
            ++exits;
            exitStatus = status;
        }))->load();
    }

    int port() const { return window->socket().LocalPort(); }
    Winsock::SocketState state() const { return window->socket().State(); }
    bool connected() const { return state() == Winsock::sckConnected; }
    QStringList lines() const
    {
        QStringList result;
        for (int row = 0; row < window->List1->count(); ++row)
            result.append(window->List1->entry(row));
        return result;
    }
    // What Disconnect and Listen write, and the start-up line: the port the socket listens on.
    QString listenLine() const
    {
        return u"Listening to port %1 for new connection requests."_s.arg(port());
    }
    QString startLine() const { return listenLine().replace(u"to port"_s, u"to Port"_s); }
    // The entries after the first `skip`, run together: what a peer's text became. The line that
    // says a call is plain stands among them when the caller wrote after the question.
    QString joined(int skip) const
    {
        QStringList text = lines().mid(skip);
        text.removeOne(u"This conversation is not encrypted."_s);
        return text.join(QString());
    }

    std::unique_ptr<ScriptedWindow> window;
    int exits = 0;
    int exitStatus = -1;
};

// A raw socket calling the window, as netcat or telnet would.
inline std::unique_ptr<QTcpSocket> call(const ChatWindow &callee)
{
    auto peer = std::make_unique<QTcpSocket>();
    peer->connectToHost(QHostAddress::LocalHost, quint16(callee.port()));
    return peer;
}

// A raw peer that calls the window and is accepted.
inline std::unique_ptr<QTcpSocket> acceptedCaller(ChatWindow &callee)
{
    auto peer = call(callee);
    return QTest::qWaitFor([&] { return callee.connected(); }) ? std::move(peer) : nullptr;
}

// Calls once more and waits until that call is turned away. The event loop runs meanwhile, so the
// window has also taken in what earlier callers sent it.
inline bool oneMoreCallerTurnedAway(const ChatWindow &callee)
{
    auto caller = call(callee);
    return QTest::qWaitFor([&] { return caller->state() == QAbstractSocket::UnconnectedState; });
}

inline void aimAt(ChatWindow &caller, const QString &ip, int port)
{
    caller.window->txtRemoteIP->setText(ip);
    caller.window->txtRemotePort->setText(QString::number(port));
}

// The caller presses Connect (or its menu item) and the callee's user answers Yes.
inline bool connectPair(ChatWindow &caller, ChatWindow &callee, bool viaMenu = false,
                        const QString &ip = u"127.0.0.1"_s)
{
    aimAt(caller, ip, callee.port());
    viaMenu ? caller.window->mnuCommunicationsConnect->trigger()
            : caller.window->cmdConnect->click();
    return QTest::qWaitFor([&] { return caller.connected() && callee.connected(); });
}

inline void say(ChatWindow &chat, const QString &name, const QString &message)
{
    chat.window->txtDisplayName->setText(name);
    chat.window->txtMessage->setText(message);
    chat.window->cmdSend->click();
}

// Whether something listens on 127.0.0.1:port (Linux).
inline bool listening(quint16 port)
{
    QFile table(u"/proc/net/tcp"_s);
    const QString line = u"0100007F:%1 00000000:0000 0A"_s.arg(port, 4, 16, QChar(u'0'));
    return table.open(QIODevice::ReadOnly) && table.readAll().contains(line.toUpper().toLatin1());
}

// A loopback port nothing listens on.
inline quint16 closedPort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost) ? probe.serverPort() : 0;
}

// A listener that accepts no one and whose queue is full: it drops the next handshake, as an
// unroutable address does on a real network. `fillers` hold the queue.
inline quint16 fullListener(QTcpServer &listener, std::vector<std::unique_ptr<QTcpSocket>> &fillers)
{
    listener.setListenBacklogSize(0);
    listener.listen(QHostAddress::LocalHost);
    listener.pauseAccepting();
    do {
        fillers.push_back(std::make_unique<QTcpSocket>());
        fillers.back()->connectToHost(QHostAddress::LocalHost, listener.serverPort());
    } while (fillers.back()->waitForConnected(300) && fillers.size() < 8);
    return listener.serverPort();
}

// Processes events until `done` holds, without the naps of QTest::qWaitFor: they would add up over
// thousands of waits, and pass for stalls of the window.
template <typename Predicate>
bool waitUntil(Predicate done, int timeoutMs = 20000)
{
    const QDeadlineTimer deadline(timeoutMs);
    QTimer wake;  // so the deadline is seen when nothing else happens
    wake.start(20);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

// What this process holds from the system: descriptors (on Windows all its handles) and memory.
inline int openDescriptors()
{
#ifdef Q_OS_WIN
    DWORD handles = 0;
    return ::GetProcessHandleCount(::GetCurrentProcess(), &handles) ? int(handles) : -1;
#else
    const QDir fds(u"/proc/self/fd"_s);
    return int(fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size());
#endif
}

inline qint64 residentKiB()
{
#ifdef Q_OS_WIN
    PROCESS_MEMORY_COUNTERS counters{};
    return ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters)
               ? qint64(counters.WorkingSetSize / 1024)
               : -1;
#else
    QFile statm(u"/proc/self/statm"_s);
    return statm.open(QIODevice::ReadOnly)
               ? statm.readAll().split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE) / 1024
               : -1;
#endif
}

// Gives memory freed earlier back to the system, so that it does not hide later growth.
inline void returnFreedMemory()
{
#ifdef Q_OS_WIN
    ::HeapCompact(::GetProcessHeap(), 0);
#else
    ::malloc_trim(0);
#endif
}

// One Parlino's socket, answering every caller once it listens, and what it was told.
struct Side
{
    Side()
    {
        socket.setLocalPort(0);
        QObject::connect(&socket, &Winsock::ConnectionRequest, [this](int id) {
            socket.Close();
            socket.Accept(id);
        });
        QObject::connect(&socket, &Winsock::DataArrival, [this] {
            QByteArray text;
            socket.GetData(text);
            got += text;
        });
        QObject::connect(&socket, &Winsock::privacyKnown, [this](Privacy p) { known.append(p); });
    }
    PrivacyCheck check() const { return checks.value(0).value(0).value<PrivacyCheck>(); }

    Winsock socket;
    QByteArray got;
    QList<Privacy> known;
    QSignalSpy checks{&socket, &Winsock::privacyCheckReady};
    QSignalSpy failures{&socket, &Winsock::errorOccurred};
};

// A program run by the shell in `dir`, with what it printed; ended with the test.
struct Tool : QProcess
{
    Tool(const QString &command, const QString &dir = {})
    {
        connect(this, &QProcess::readyReadStandardOutput,
                [this] { out += readAllStandardOutput(); });
        setWorkingDirectory(dir);
        start(u"sh"_s, {u"-c"_s, u"exec "_s + command});
    }
    ~Tool() override
    {
        kill();
        waitForFinished();
    }
    QByteArray out;
};

// A partner with nothing of Qt's in between, as netcat is: it calls the window on loopback, and
// tells the end of the stream from a reset, which QTcpSocket reports alike.
struct RawPeer
{
    explicit RawPeer(int port);
    ~RawPeer() { closeSocket(socket); }
    void write(QByteArrayView bytes) { ::send(socket, bytes.data(), int(bytes.size()), NoSignal); }
    void halfClose() { ::shutdown(socket, WriteSide); }
    void reset()
    {
        const linger abortive{1, 0};
        ::setsockopt(socket, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char *>(&abortive),
                     sizeof abortive);
        closeSocket(std::exchange(socket, Socket(-1)));
    }
    // Reads until `got` holds `size` bytes, or (size -1) until the stream ends; true when it
    // did, and ended in order, not with a reset.
    bool read(QByteArray &got, qsizetype size = -1)
    {
        QByteArray buffer(1 << 16, Qt::Uninitialized);
        qint64 n = 0;
        const bool ended = waitUntil([&] {
            while (got.size() != size &&
                   (n = ::recv(socket, buffer.data(), int(buffer.size()), 0)) > 0)
                got.append(buffer.constData(), n);
            return got.size() == size || n == 0 || lastError() != WouldBlock;
        });
        return ended && (n == 0 || got.size() == size);
    }

#ifdef Q_OS_WIN
    using Socket = SOCKET;
    static inline const auto closeSocket = ::closesocket;
    static inline const auto lastError = ::WSAGetLastError;
    static constexpr int WouldBlock = WSAEWOULDBLOCK, WriteSide = SD_SEND, NoSignal = 0;
#else
    using Socket = int;
    static inline const auto closeSocket = ::close;
    static int lastError()
    {
        return errno;
    }
    static constexpr int WouldBlock = EWOULDBLOCK, WriteSide = SHUT_WR, NoSignal = MSG_NOSIGNAL;
#endif
    Socket socket;
};

inline RawPeer::RawPeer(int port) : socket(::socket(AF_INET, SOCK_STREAM, 0))
{
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(quint16(port));
    to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::connect(socket, reinterpret_cast<sockaddr *>(&to), sizeof to);
#ifdef Q_OS_WIN
    u_long on = 1;
    ::ioctlsocket(socket, FIONBIO, &on);
#else
    ::fcntl(socket, F_SETFL, O_NONBLOCK);
#endif
}

// Moves the test into a network namespace of its own (Linux, as root); false where it cannot.
inline bool ownNetwork([[maybe_unused]] int more = 0)
{
#ifdef Q_OS_LINUX
    return ::unshare(CLONE_NEWNET | more) == 0;
#else
    return false;
#endif
}

// In a network and mount namespace of the test's own: the system's name server is `server`, on
// loopback, asked once for a second.
inline bool silentNameServer([[maybe_unused]] QUdpSocket &server)
{
#ifdef Q_OS_LINUX
    QFile conf(QDir::temp().filePath(u"parlino-resolv.conf"_s));
    if (!ownNetwork(CLONE_NEWNS) || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) ||
        ::system("ip link set lo up") || !conf.open(QIODevice::WriteOnly))
        return false;
    conf.write("nameserver 127.0.0.1\noptions timeout:1 attempts:1\n");
    conf.close();
    const QByteArray path = QFile::encodeName(conf.fileName());
    return !::mount(path, "/etc/resolv.conf", nullptr, MS_BIND, nullptr) &&
           server.bind(QHostAddress::LocalHost, 53);
#else
    return false;
#endif
}
