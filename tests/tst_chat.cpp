// SPDX-License-Identifier: MIT
// The commands and the socket's event handlers: two windows in one process talking over loopback,
// and raw sockets playing foreign peers such as netcat.
#include "parlinotest.h"
#include "terminationsignals.h"

#include <QClipboard>
#include <QProcess>
#include <QSignalSpy>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#endif

class tst_Chat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void answerYes_connectsBoth_andTheyChat_data();
    void answerYes_connectsBoth_andTheyChat();
    void answerNo_deniesAndStopsListening_untilListen();
    void refusals_showTextAndChangeNothing_data();
    void refusals_showTextAndChangeNothing();
    void foreignPeer_duringTheQuestion_callersAndCommandsWait_data();
    void foreignPeer_duringTheQuestion_callersAndCommandsWait();
    void foreignPeer_bytesReassembleExactly_hangUpIsSilent();
    void foreignPeer_floodPastTheLimit_isCutOff();
#ifdef Q_OS_UNIX
    void terminalClosed_deliversWhatWasSent();
#endif
};

void tst_Chat::answerYes_connectsBoth_andTheyChat_data()
{
    QTest::addColumn<bool>("viaMenu");
    QTest::addColumn<QString>("address");
    QTest::newRow("button, IPv4") << false << u"127.0.0.1"_s;
    QTest::newRow("menu, IPv6") << true << u"[::1]"_s;
}

void tst_Chat::answerYes_connectsBoth_andTheyChat()
{
    QFETCH(bool, viaMenu);
    QFETCH(QString, address);
    ChatWindow a, b;
    QVERIFY(connectPair(a, b, viaMenu, address));
    QCOMPARE(a.lines(),
             (QStringList{a.startLine(), u"Connection request has been sent to: "_s + address}));
    QCOMPARE(b.lines(), (QStringList{b.startLine(), u"Connection made"_s}));
    QCOMPARE(b.window->questions,
             QStringList{u"Connection Request: Incoming Connection Request, do "
                         u"you wish to allow "
                         "it?\nFrom "_s +
                         QString(address).remove(u'[').remove(u']')});

    say(a, u"Ann"_s, u"hi"_s);
    QCOMPARE(a.lines().last(), u"Ann : hi"_s);
    QVERIFY(a.window->txtMessage->text().isEmpty());
    QCOMPARE(a.window->txtDisplayName->text(), u"Ann"_s);
    QTRY_COMPARE(b.joined(2), u"Ann : hi"_s);
    say(b, u"Bob"_s, QString());
    QCOMPARE(b.lines().last(), u"Bob : "_s);
    QTRY_COMPARE(a.joined(3), u"Bob : "_s);
    // Lines sent quickly may arrive run together, but every byte arrives once, in order.
    say(a, u"Ann"_s, u"one"_s);
    say(a, u"Ann"_s, u"two"_s);
    QTRY_COMPARE(b.joined(4), u"Ann : oneAnn : two"_s);

    // A message pasted into the box goes whole, however long.
    a.window->txtMessage->clear();
    QApplication::clipboard()->setText(QString(100000, u'm'));
    QTest::keySequence(a.window->txtMessage, QKeySequence::Paste);
    a.window->cmdSend->click();
    QTRY_COMPARE(b.joined(4), u"Ann : oneAnn : twoAnn : "_s + QString(100000, u'm'));
    // While connected nobody else gets in.
    QVERIFY(oneMoreCallerTurnedAway(b));
    QCOMPARE(b.window->questions.size(), 1);
    QVERIFY(b.connected());
    QVERIFY(a.window->errors.isEmpty() && b.window->errors.isEmpty());
}

void tst_Chat::answerNo_deniesAndStopsListening_untilListen()
{
    ChatWindow a, b;
    b.window->answerYes = false;
    aimAt(a, u"127.0.0.1"_s, b.port());
    a.window->cmdConnect->click();
    QTRY_COMPARE(b.lines(), (QStringList{b.startLine(), u"Connection Denied"_s}));
    QCOMPARE(b.state(), Winsock::sckClosed);
    QTRY_VERIFY(!a.connected());  // the caller sees its connection end
    // No further request reaches the program, and Disconnect does not listen again.
    a.window->cmdConnect->click();
    QTRY_COMPARE(a.window->errors.size(), 1);
    QVERIFY(a.window->errors[0].startsWith(u"The connection was refused"_s));
    b.window->cmdDissconnect->click();
    QCOMPARE(b.state(), Winsock::sckClosed);
    QCOMPARE(b.window->questions.size(), 1);
    QCOMPARE(a.lines(), (QStringList{a.startLine(), SentLine, SentLine}));

    // Listen quotes the port the socket was given at start-up, not an edited box.
    const int port = b.port();
    b.window->cmdListen->click();
    b.window->txtLocalPort->setText(u"5555"_s);
    b.window->mnuCommunicationsListen->trigger();
    b.window->answerYes = true;
    QVERIFY(connectPair(a, b));
    QCOMPARE(b.lines().mid(2), (QStringList{b.listenLine(), b.listenLine(), u"Connection made"_s}));
    // Listen while connected drops the partner without a "Disconnected" line.
    b.window->cmdListen->click();
    QCOMPARE(b.lines().last(), b.listenLine());
    QCOMPARE(b.port(), port);
    QCOMPARE(b.state(), Winsock::sckListening);
    QTRY_VERIFY(!a.connected());
}

void tst_Chat::refusals_showTextAndChangeNothing_data()
{
    QTest::addColumn<int>("command");  // 0 Connect, 1 Disconnect, 2 Send Message
    QTest::addColumn<bool>("viaMenu");
    QTest::addColumn<bool>("connectedFirst");
    QTest::addColumn<QString>("remoteIP");
    QTest::addColumn<QString>("remotePort");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("error");
    const QString ip = u"127.0.0.1"_s, port = u"1981"_s, ann = u"Ann"_s;
    for (bool menu : {false, true}) {
        const char *how = menu ? "menu" : "button";
        QTest::addRow("connect, no address, %s", how)
            << 0 << menu << false << QString() << port << ann
            << u"You must give me a Remote IP Address to connect to."_s;
        QTest::addRow("disconnect while listening, %s", how)
            << 1 << menu << false << ip << port << ann
            << u"You are already disconnected, cannot disconnect again."_s;
        QTest::addRow("connect while connected, %s", how)
            << 0 << menu << true << ip << port << ann
            << u"You are already connected to: 127.0.0.1You must disconnect before proceeding."_s;
    }
    QTest::newRow("send, not connected")
        << 2 << false << false << ip << port << ann << NotConnected;
    QTest::newRow("send, no name")
        << 2 << false << true << ip << port << QString() << u"Please enter a display name."_s;
    for (const QString &bad : {u""_s, u"0"_s, u"-1"_s, u"65536"_s, u"99999999999"_s, u"12ab"_s,
                               u" 1981"_s, u"\u0661\u0669\u0668\u0661"_s})
        QTest::addRow("connect to port '%s'", qPrintable(bad))
            << 0 << false << false << ip << bad << ann
            << u"The remote port \"%1\" is not a number from 1 to 65535."_s.arg(bad);
}

void tst_Chat::refusals_showTextAndChangeNothing()
{
    QFETCH(int, command);
    QFETCH(bool, viaMenu);
    QFETCH(bool, connectedFirst);
    QFETCH(QString, remoteIP);
    QFETCH(QString, remotePort);
    QFETCH(QString, name);
    QFETCH(QString, error);
    ChatWindow a, b;
    frmMain &w = *a.window;
    if (connectedFirst)
        QVERIFY(connectPair(a, b));
    w.txtRemoteIP->setText(remoteIP);
    w.txtRemotePort->setText(remotePort);
    w.txtDisplayName->setText(name);
    w.txtMessage->setText(u"kept"_s);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.txtMessage->setFocus();

    const QStringList linesBefore = a.lines();
    const Winsock::SocketState stateBefore = a.state();
    const QList<QPushButton *> buttons = {w.cmdConnect, w.cmdDissconnect, w.cmdSend};
    const QList<QAction *> items = {w.mnuCommunicationsConnect, w.mnuCommunicationsDisconnect};
    viaMenu ? items[command]->trigger() : buttons[command]->click();
    QCOMPARE(a.window->errors, QStringList{error});
    QCOMPARE(a.lines(), linesBefore);
    QCOMPARE(a.state(), stateBefore);
    QCOMPARE(w.txtMessage->text(), u"kept"_s);
    QCOMPARE(QApplication::focusWidget(), name.isEmpty() ? w.txtDisplayName : w.txtMessage);
}

void tst_Chat::foreignPeer_duringTheQuestion_callersAndCommandsWait_data()
{
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<int>("hangUp");  // 1 while events run, 2 just before the answer, unseen yet
    QTest::addColumn<bool>("windowCloses");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("error");
    QTest::newRow("Yes: text shown after the answer")
        << true << 0 << false << QStringList{u"Connection made"_s, u"typed before the answer"_s}
        << QString();
    QTest::newRow("No: never shown, caller cut off")
        << false << 0 << false << QStringList{u"Connection Denied"_s} << QString();
    QTest::newRow("Yes once the window closed: as No, nothing listens")
        << true << 0 << true << QStringList{u"Connection Denied"_s} << QString();
    const QString gaveUp =
        u"The caller gave up before the request was accepted. Parlino is not "
        "listening now; Listen waits for another request."_s;
    QTest::newRow("caller gives up while events run")
        << true << 1 << false << QStringList() << gaveUp;
    QTest::newRow("caller gives up just before the answer")
        << true << 2 << false << QStringList() << gaveUp;
}

void tst_Chat::foreignPeer_duringTheQuestion_callersAndCommandsWait()
{
    QFETCH(bool, answerYes);
    QFETCH(int, hangUp);
    QFETCH(bool, windowCloses);
    QFETCH(QStringList, lines);
    QFETCH(QString, error);
    ChatWindow b;
    b.window->answerYes = answerYes;
    std::unique_ptr<QTcpSocket> peer;
    b.window->whileAsking = [&] {
        QVERIFY(peer->waitForConnected(5000));  // so that it hangs up now, not once it has heard
        if (hangUp == 0)
            QVERIFY(peer->write("typed before the answer") && peer->waitForBytesWritten(5000));
        if (hangUp == 1)
            peer->disconnectFromHost();
        // Another caller meanwhile is turned away without a question, and commands wait.
        QVERIFY(oneMoreCallerTurnedAway(b));
        if (hangUp == 2)
            peer->disconnectFromHost();
        b.window->txtRemoteIP->setText(u"127.0.0.1"_s);
        b.window->cmdListen->click();
        b.window->mnuCommunicationsConnect->trigger();
        b.window->cmdDissconnect->click();
        b.window->cmdSend->click();
        QCOMPARE(b.lines(), QStringList{b.startLine()});
        if (windowCloses)
            b.window->close();
    };
    peer = call(b);
    const QStringList errors = error.isEmpty() ? QStringList() : QStringList{error};
    lines.prepend(b.startLine());
    waitUntil([&] { return b.lines() == lines && b.window->errors == errors; });
    QCOMPARE(b.lines(), lines);
    QCOMPARE(b.window->errors, errors);
    QCOMPARE(b.window->questions.size(), 1);
    QCOMPARE(b.connected(), lines.size() == 3);
    QCOMPARE(b.exits, windowCloses ? 1 : 0);
    QVERIFY(b.state() != Winsock::sckListening);
    if (!answerYes || windowCloses)
        QVERIFY(peer->state() == QAbstractSocket::UnconnectedState ||
                peer->waitForDisconnected(5000));
}

void tst_Chat::foreignPeer_bytesReassembleExactly_hangUpIsSilent()
{
    ChatWindow b;
    auto peer = acceptedCaller(b);
    QVERIFY(peer);
    // Many scripts and emoji, delivered one byte at a time.
    const QString text =
        u"Ciao! Привет, 你好, مرحبا, नमस्ते 👋🏽🎉 — ça va?"_s;
    for (char byte : text.toUtf8()) {
        peer->write(&byte, 1);
        QVERIFY(peer->waitForBytesWritten(1000));
        QCoreApplication::processEvents();
    }
    QTRY_COMPARE(b.joined(2), text);
    // Several read slices' worth, all there before the window reads any of it.
    const QByteArray burst(3 << 20, 'x');
    for (peer->write(burst); peer->bytesToWrite() > 0;) QVERIFY(peer->waitForBytesWritten(5000));
    QTRY_COMPARE(b.joined(2), text + QString::fromLatin1(burst));
    QVERIFY(!b.lines().contains(QString()));

    // Markup, a byte that is not UTF-8, a NUL, and a character cut short by the hang-up.
    const int seen = b.lines().size();
    const char bytes[] = "<b>x</b> <img src=x> \xC3\x28 nul\0end \xE2\x82";
    peer->write(bytes, sizeof bytes - 1);
    peer->disconnectFromHost();
    QTRY_COMPARE(b.joined(seen), u"<b>x</b> <img src=x> \uFFFD( nul\0end \uFFFD\uFFFD"_s);
    QTRY_VERIFY(!b.connected());
    QVERIFY(b.window->errors.isEmpty());
}

void tst_Chat::foreignPeer_floodPastTheLimit_isCutOff()
{
    ChatWindow b;
    b.window->List1->setTextLimit(2 << 20);
    auto peer = acceptedCaller(b);
    // Every character is kept, U+FEFF too, also when it is split between two arrivals.
    QVERIFY(peer && peer->write("w\xEF") == 2 && peer->waitForBytesWritten(1000));
    QTRY_COMPARE(b.lines().size(), 3);
    peer->write("\xBB\xBFv" + QByteArray(4 << 20, 'x'));
    QTRY_COMPARE(b.window->errors,
                 QStringList{u"The partner has sent more text than one conversation can hold "
                             "(2 MiB), so the connection was closed. Everything shown before "
                             "stays in the list."_s});
    QVERIFY(!b.connected());
    QTRY_COMPARE(peer->state(), QAbstractSocket::UnconnectedState);
    const QString shown = b.joined(2);
    QVERIFY(shown.size() > 3 && shown.size() <= 2 << 20);
    QCOMPARE(shown, u"w\uFEFFv"_s + QString(shown.size() - 3, u'x'));
    b.window->cmdListen->click();
    QCOMPARE(b.state(), Winsock::sckListening);
}

#ifdef Q_OS_UNIX
// Closing the terminal the program was started from ends it as File, Exit does: the partner still
// gets everything shown as sent. The program's side is this test run again in a terminal of its
// own, which goes away while the partner is not reading.
void tst_Chat::terminalClosed_deliversWhatWasSent()
{
    const QString message(2 << 20, u'a');
    if (const int port = qEnvironmentVariableIntValue("PARLINO_PARTNER_PORT")) {
        ChatWindow a;
        TerminationSignals termination;
        connect(&termination, &TerminationSignals::received, a.window->findChild<Lifecycle *>(),
                &Lifecycle::exit);
        aimAt(a, u"127.0.0.1"_s, port);
        a.window->cmdConnect->click();
        QTRY_VERIFY(a.connected());
        for (int i = 0; i < 4; ++i) say(a, u"Ann"_s, message);
        std::puts("sent");
        std::fflush(stdout);
        QTRY_COMPARE_WITH_TIMEOUT(a.exits, 1, 60000);
        QCOMPARE(a.exitStatus, 0);
        return;
    }
    QTcpServer partner;
    QVERIFY(partner.listen(QHostAddress::LocalHost));
    int terminal = -1, programSide = -1;
    QCOMPARE(::openpty(&terminal, &programSide, nullptr, nullptr, nullptr), 0);
    ::fcntl(terminal, F_SETFD, FD_CLOEXEC);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"PARLINO_PARTNER_PORT"_s, QString::number(partner.serverPort()));
    program.setProcessEnvironment(environment);
    program.setChildProcessModifier([programSide] {
        ::setsid();
        ::ioctl(programSide, TIOCSCTTY, 0);
        for (int fd : {0, 1, 2}) ::dup2(programSide, fd);
    });
    program.start(QCoreApplication::applicationFilePath(),
                  {QString::fromLatin1(QTest::currentTestFunction())});
    ::close(programSide);
    QVERIFY(partner.waitForNewConnection(20000));
    QTcpSocket *peer = partner.nextPendingConnection();
    QByteArray shown;
    for (char chunk[512]; !shown.contains("\nsent");) {
        const ssize_t n = ::read(terminal, chunk, sizeof chunk);
        QVERIFY(n > 0);
        shown.append(chunk, n);
    }
    ::close(terminal);
    QByteArray received;
    QVERIFY(QTest::qWaitFor(
        [&] { return (received += peer->readAll(), peer->state() != QTcpSocket::ConnectedState); },
        40000));
    QCOMPARE(received.size() + peer->readAll().size(), 4 * (6 + message.size()));
    QTRY_COMPARE_WITH_TIMEOUT(program.state(), QProcess::NotRunning, 30000);
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}
#endif

QTEST_MAIN(tst_Chat)
#include "tst_chat.moc"
