// SPDX-License-Identifier: MIT
// The commands and the socket's event handlers: two windows in one process talking over loopback,
// and raw sockets playing foreign peers such as netcat.
#include "parlinotest.h"

#include <QClipboard>
#include <QRegularExpression>

class tst_Chat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void answerYes_connectsBoth_andTheyChat_data()
    {
        QTest::addColumn<bool>("viaMenu");
        QTest::addColumn<QString>("address");
        QTest::newRow("button, IPv4") << false << u"127.0.0.1"_s;
        QTest::newRow("menu, IPv6") << true << u"[::1]"_s;
    }

    void answerYes_connectsBoth_andTheyChat()
    {
        QFETCH(bool, viaMenu);
        QFETCH(QString, address);
        ChatWindow a, b;
        QVERIFY(connectPair(a, b, viaMenu, address));
        QCOMPARE(a.lines(), (QStringList{a.startLine(),
                                         u"Connection request has been sent to: "_s + address}));
        QCOMPARE(b.window->questions,
                 QStringList{u"Connection Request: Incoming Connection Request, "
                             "do you wish to allow it?\nFrom "_s +
                             QString(address).remove(u'[').remove(u']')});
        say(a, u"Ann"_s, u"hi"_s);
        QCOMPARE(a.lines().last(), u"Ann : hi"_s);
        // The callee learns that the call is plain from the caller's first bytes.
        QTRY_COMPARE(b.joined(2), u"Ann : hi"_s);
        QCOMPARE(b.lines()[2], u"This conversation is not encrypted."_s);
        say(b, u"Bob"_s, QString());
        QTRY_COMPARE(a.joined(3), u"Bob : "_s);
        // A message pasted into the box, emptied by the last send, goes whole, however long.
        QApplication::clipboard()->setText(QString(100000, u'm'));
        QTest::keySequence(a.window->txtMessage, QKeySequence::Paste);
        a.window->cmdSend->click();
        QTRY_COMPARE(b.joined(5), u"Ann : "_s + QString(100000, u'm'));
        // Disconnect ends the conversation on both sides and listens for the next call, which
        // comes the other way round.
        a.window->cmdDissconnect->click();
        QTRY_VERIFY(!b.connected());
        // Listen, here from the menu while connected, drops the partner without a "Disconnected"
        // line and quotes the port listened on since start-up, not an edited box.
        const int port = a.port();
        QVERIFY(connectPair(b, a, !viaMenu));
        a.window->txtLocalPort->setText(u"5555"_s);
        a.window->mnuCommunicationsListen->trigger();
        QCOMPARE(a.lines().last(2), (QStringList{u"Connection made"_s, a.listenLine()}));
        QVERIFY(a.port() == port && a.state() == Winsock::sckListening);
        QTRY_VERIFY(!b.connected());
        QVERIFY(a.window->errors.isEmpty() && b.window->errors.isEmpty());
    }

    void refusals_showTextAndChangeNothing_data()
    {
        // Connect, Disconnect, Send Message; then the menu items Connect and Disconnect.
        QTest::addColumn<int>("command");
        QTest::addColumn<bool>("connectedFirst");
        QTest::addColumn<QStringList>("boxes");  // Remote IP Address, Remote Port, Display Name
        QTest::addColumn<QString>("error");
        const QStringList ready = {u"127.0.0.1"_s, u"1981"_s, u"Ann"_s};
        QTest::newRow("disconnect while listening, menu")
            << 4 << false << ready << u"You are already disconnected, cannot disconnect again."_s;
        QTest::newRow("connect while connected, menu")
            << 3 << true << ready
            << u"You are already connected to: 127.0.0.1You must disconnect before proceeding."_s;
        QTest::newRow("send, not connected") << 2 << false << ready << NotConnected;
        QTest::newRow("send, no name") << 2 << true << QStringList{ready[0], ready[1], {}}
                                       << u"Please enter a display name."_s;
        for (const QString &bad : {u""_s, u"0"_s, u"65536"_s, u"99999999999"_s, u" 1981"_s,
                                   u"\u0661\u0669\u0668\u0661"_s})
            QTest::addRow("connect to port '%s'", qPrintable(bad))
                << 0 << false << QStringList{ready[0], bad, ready[2]}
                << u"The remote port \"%1\" is not a number from 1 to 65535."_s.arg(bad);
    }

    void refusals_showTextAndChangeNothing()
    {
        QFETCH(int, command);
        QFETCH(bool, connectedFirst);
        QFETCH(QStringList, boxes);
        QFETCH(QString, error);
        ChatWindow a, b;
        frmMain &w = *a.window;
        if (connectedFirst)
            QVERIFY(connectPair(a, b));
        w.txtRemoteIP->setText(boxes[0]);
        w.txtRemotePort->setText(boxes[1]);
        w.txtDisplayName->setText(boxes[2]);
        w.txtMessage->setText(u"kept"_s);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.txtMessage->setFocus();

        const QStringList linesBefore = a.lines();
        const Winsock::SocketState stateBefore = a.state();
        const QList<QObject *> commands = {w.cmdConnect, w.cmdDissconnect, w.cmdSend,
                                           w.mnuCommunicationsConnect,
                                           w.mnuCommunicationsDisconnect};
        QMetaObject::invokeMethod(commands[command], command < 3 ? "click" : "trigger");
        QCOMPARE(a.window->errors, QStringList{error});
        QVERIFY(a.lines() == linesBefore && a.state() == stateBefore);
        QCOMPARE(w.txtMessage->text(), u"kept"_s);
        QCOMPARE(QApplication::focusWidget(), boxes[2].isEmpty() ? w.txtDisplayName : w.txtMessage);
    }

    void foreignPeer_duringTheQuestion_callersAndCommandsWait_data()
    {
        QTest::addColumn<bool>("answerYes");
        // 2 the caller hangs up just before the answer, unseen yet; 3 the window closes. (One
        // that hangs up while events run: foreignPeer_hangsUpDuringTheQuestion.)
        QTest::addColumn<int>("meanwhile");
        QTest::addColumn<QStringList>("lines");
        const QStringList denied = {u"Connection Denied"_s};
        QTest::newRow("Yes: text shown after the answer")
            << true << 0
            << QStringList{u"Connection made"_s, u"This conversation is not encrypted."_s,
                           u"typed before the answer"_s};
        QTest::newRow("No: never shown, caller cut off") << false << 0 << denied;
        QTest::newRow("Yes once the window closed: as No, nothing listens") << true << 3 << denied;
        QTest::newRow("caller gives up just before the answer") << true << 2 << QStringList();
    }

    void foreignPeer_duringTheQuestion_callersAndCommandsWait()
    {
        QFETCH(bool, answerYes);
        QFETCH(int, meanwhile);
        QFETCH(QStringList, lines);
        ChatWindow b;
        b.window->answerAtOnce = false;
        auto peer = call(b);
        QVERIFY(waitUntil([&] { return b.window->questions.size() == 1; }));
        // Connected for certain, so that it hangs up now, not once it has heard.
        QVERIFY(peer->waitForConnected(5000));
        if (meanwhile == 0)
            QVERIFY(peer->write("typed before the answer") && peer->waitForBytesWritten(5000));
        // Another caller meanwhile is turned away without a question, and commands wait.
        QVERIFY(oneMoreCallerTurnedAway(b));
        if (meanwhile == 2)
            peer->disconnectFromHost();
        b.window->cmdListen->click();
        b.window->mnuCommunicationsConnect->trigger();
        b.window->cmdDissconnect->click();
        b.window->cmdSend->click();
        QCOMPARE(b.lines(), QStringList{b.startLine()});
        if (meanwhile == 3)
            b.window->close();
        b.window->answer(answerYes);
        const QString gaveUp =
            u"The caller gave up before the request was accepted. Parlino is "
            "not listening now; Listen waits for another request."_s;
        const QStringList errors = lines.isEmpty() ? QStringList{gaveUp} : QStringList();
        lines.prepend(b.startLine());
        QVERIFY2(waitUntil([&] { return b.lines() == lines && b.window->errors == errors; }),
                 qPrintable((b.lines() + b.window->errors).join(u" | "_s)));
        QVERIFY(b.window->questions.size() == 1 && b.state() != Winsock::sckListening);
        QCOMPARE(b.connected(), lines.size() == 4);
        QCOMPARE(b.exits, meanwhile == 3 ? 1 : 0);
        if (lines.size() == 2)
            QVERIFY(peer->state() == QAbstractSocket::UnconnectedState ||
                    peer->waitForDisconnected(5000));
    }

    void foreignPeer_hangsUpDuringTheQuestion_data()
    {
        QTest::addColumn<QByteArray>("said");
        QTest::addColumn<bool>("resets");  // or ends its stream
        QTest::addColumn<bool>("withdrawn");
        QTest::newRow("ends at once, having said nothing: withdrawn")
            << QByteArray() << false << true;
        QTest::newRow("resets after saying something: withdrawn") << "hello"_ba << true << true;
        QTest::newRow("ends its stream after saying something: may still read, stays")
            << "hello"_ba << false << false;
    }

    // A caller that hangs up before the answer takes its question away, and listening goes on. One
    // that said something and only ended its stream may still be reading: its question stays, and
    // what it said shows after Yes.
    void foreignPeer_hangsUpDuringTheQuestion()
    {
        QFETCH(QByteArray, said);
        QFETCH(bool, resets);
        QFETCH(bool, withdrawn);
        ChatWindow b;
        b.window->answerAtOnce = false;
        RawPeer peer(b.port());
        if (!said.isEmpty()) {
            QVERIFY(waitUntil([&] { return b.window->questions.size() == 1; }));
            peer.write(said);
        }
        resets ? peer.reset() : peer.halfClose();
        if (withdrawn) {
            const QString hungUp = u"A caller from 127.0.0.1 hung up before you answered."_s;
            QVERIFY(waitUntil([&] { return b.lines() == QStringList{b.startLine(), hungUp}; }));
            QVERIFY(b.window->withdrawn == 1 && b.window->errors.isEmpty());
            auto next = call(b);
            QVERIFY(waitUntil([&] { return b.window->questions.size() == 2; }));
            return;
        }
        QVERIFY(oneMoreCallerTurnedAway(b));
        QCoreApplication::sendPostedEvents();  // what the end of its stream brought
        b.window->answer(true);
        QVERIFY(waitUntil([&] { return b.joined(2) == u"hello"_s; }));
    }

    // From one address (loopback here counted too), the sixth call within a minute and later ones
    // are closed at once, unasked and unread, and the list says so once.
    void caller_pastFiveCallsAMinute_turnedAwayUnasked()
    {
        ChatWindow b;
        b.window->socket().setCallerRateLimit(CallerRateLimit([] { return qint64(0); }, false));
        b.window->answerYes = false;
        for (qsizetype asked = 1; asked <= 5; ++asked) {
            auto caller = call(b);
            QVERIFY(waitUntil([&] { return b.window->questions.size() == asked; }));
            b.window->cmdListen->click();
        }
        const QStringList lines = b.lines();
        RawPeer sixth(b.port());
        sixth.write("never shown");
        QByteArray got;
        QVERIFY(!sixth.read(got) && got.isEmpty());  // reset
        QVERIFY(oneMoreCallerTurnedAway(b));
        QCOMPARE(b.lines(), lines + QStringList{u"Calls from 127.0.0.1 are turned away for now: "
                                                "more than 5 came within a minute."_s});
        QCOMPARE(b.window->questions.size(), 5);
    }

    void foreignPeer_floodPastTheLimit_isCutOff()
    {
        ChatWindow b;
        b.window->List1->setTextLimit(2 << 20);
        auto peer = acceptedCaller(b);
        // Every character is kept as sent, markup, a NUL and U+FEFF too, also when it is split
        // between two arrivals; a byte that is not UTF-8 shows as U+FFFD.
        const char start[] = "<b>x</b> <img src=x> \xC3\x28 nul\0w\xEF";
        QVERIFY(peer && peer->write(start, sizeof start - 1) && peer->waitForBytesWritten(1000));
        const QString shownFirst = u"<b>x</b> <img src=x> \uFFFD( nul\0w"_s;
        QTRY_COMPARE(b.joined(2), shownFirst);
        peer->write("\xBB\xBFv" + QByteArray(4 << 20, 'x'));
        QTRY_COMPARE(b.window->errors,
                     QStringList{u"The partner has sent more text than one conversation can hold "
                                 "(2 MiB), so the connection was closed. Everything shown before "
                                 "stays in the list."_s});
        QTRY_VERIFY(!b.connected() && peer->state() == QAbstractSocket::UnconnectedState);
        const QString shown = b.joined(2);
        const qsizetype known = shownFirst.size() + 2;
        QVERIFY(shown.size() > known && shown.size() <= 2 << 20);
        QCOMPARE(shown, shownFirst + u"\uFEFFv"_s + QString(shown.size() - known, u'x'));
    }

    // Communications > Connect Encrypted: both windows say the conversation is encrypted, in the
    // list and in the title, and show the same code. (The menus from the keyboard: tst_ui.)
    void encryptedCall_bothShowOneCode()
    {
        ChatWindow a, b;
        aimAt(a, u"127.0.0.1"_s, b.port());
        a.window->mnuCommunicationsConnectEncrypted->trigger();
        const QString encrypted = u"This conversation is encrypted."_s;
        QTRY_VERIFY(a.lines().contains(encrypted) && b.lines().contains(encrypted));
        QCOMPARE(a.lines().mid(1, 2),
                 (QStringList{u"Encrypted connection request has been sent to: 127.0.0.1"_s,
                              encrypted}));
        QVERIFY(b.window->questions.value(0).contains(u"From 127.0.0.1"_s));
        // The code, two groups of three digits.
        const auto code = [](const ChatWindow &chat) {
            const QStringList found =
                chat.lines().filter(QRegularExpression(u"^Security code: \\d{3} \\d{3}\\. "_s));
            return found.size() == 1 ? found[0].mid(15, 7) : QString();
        };
        QTRY_VERIFY(!code(a).isEmpty() && !code(b).isEmpty());
        QCOMPARE(code(a), code(b));
        QCOMPARE(a.window->windowTitle(), u"Parlino - encrypted conversation"_s);
        a.window->cmdDissconnect->click();
        QCOMPARE(a.window->windowTitle(), u"Parlino"_s);
        QTRY_COMPARE(b.window->windowTitle(), u"Parlino"_s);
        // A server that answers in plain text ends the call with a line, not a box.
        QTcpServer plain;
        QVERIFY(plain.listen(QHostAddress::LocalHost));
        connect(&plain, &QTcpServer::newConnection, &plain,
                [&] { plain.nextPendingConnection()->write("hello"); });
        aimAt(a, u"127.0.0.1"_s, plain.serverPort());
        a.window->mnuCommunicationsConnectEncrypted->trigger();
        QTRY_VERIFY(a.lines().last().contains(u"plain text"_s) && a.window->errors.isEmpty());
    }

    // The caller waits for the user as long as for a plain call, past the handshake's limit.
    void encryptedCall_answeredAfterTheTimeLimit_connects()
    {
        ChatWindow a, b;
        b.window->answerAtOnce = false;
        aimAt(a, u"127.0.0.1"_s, b.port());
        a.window->mnuCommunicationsConnectEncrypted->trigger();
        QVERIFY(waitUntil([&] { return b.window->questions.size() == 1; }));
        const int pastTheLimit = (SocketFailure::EncryptionSeconds + 1) * 1000;
        QVERIFY(!waitUntil([&] { return a.lines().size() > 2; }, pastTheLimit));
        b.window->answer(true);
        const QString encrypted = u"This conversation is encrypted."_s;
        QVERIFY(waitUntil(
            [&] { return a.lines().contains(encrypted) && b.lines().contains(encrypted); }));
        QVERIFY(a.window->errors.isEmpty() && b.window->errors.isEmpty());
    }
};

QTEST_MAIN(tst_Chat)
#include "tst_chat.moc"
