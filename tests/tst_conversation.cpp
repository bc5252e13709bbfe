// SPDX-License-Identifier: MIT
// Whole conversations: two windows in one process talking over loopback, and raw sockets playing
// foreign peers such as netcat.
#include "chatwindow.h"
#include "messageboxprompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTimer>

namespace {

const QString SentLine = QStringLiteral("Connection request has been sent to: 127.0.0.1");
const QString NotConnected = QStringLiteral("You must first be connected to another computer.");

void addButtonAndMenuRows()
{
    QTest::addColumn<bool>("viaMenu");
    QTest::newRow("button") << false;
    QTest::newRow("menu") << true;
}

}  // namespace

class tst_Conversation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answerYes_connectsBoth_data() { addButtonAndMenuRows(); }
    void answerYes_connectsBoth();
    void answerNo_deniesAndStopsListening();
    void chat_bothWays_includingEmptyMessage();
    void refusals_showTextAndChangeNothing_data();
    void refusals_showTextAndChangeNothing();
    void disconnect_appendsTwoLines_partnerShowsNothing_data() { addButtonAndMenuRows(); }
    void disconnect_appendsTwoLines_partnerShowsNothing();
    void listen_closesAndReopens_quotingItsPort();
    void closingOrExiting_whileConnected_data();
    void closingOrExiting_whileConnected();
    void connectFailures_areReported();
    void foreignPeer_textBeforeTheAnswer_data();
    void foreignPeer_textBeforeTheAnswer();
    void foreignPeer_bytesReassembleExactly_hangUpIsSilent();
    void realErrorBox_showsTextAsPlainText();
};

void tst_Conversation::answerYes_connectsBoth()
{
    QFETCH(bool, viaMenu);
    ChatWindow a, b;
    QVERIFY(connectPair(a, b, viaMenu));
    QCOMPARE(a.lines(), (QStringList{StartLine, SentLine}));
    QCOMPARE(b.lines(), (QStringList{StartLine, QStringLiteral("Connection made")}));
    QCOMPARE(b.prompter->questions.size(), 1);
    QCOMPARE(b.prompter->questions[0].title, QStringLiteral("Connection Request"));
    QCOMPARE(b.prompter->questions[0].text,
             QStringLiteral("Incoming Connection Request, do you wish to allow it?\n"
                            "From 127.0.0.1"));
    QVERIFY(a.prompter->errors.isEmpty() && b.prompter->errors.isEmpty());

    // While connected nobody else gets in.
    auto later = call(b);
    QSignalSpy failed(later.get(), &QTcpSocket::errorOccurred);
    QVERIFY(failed.wait(5000));
    QCOMPARE(b.prompter->questions.size(), 1);
    QVERIFY(b.connected());
}

void tst_Conversation::answerNo_deniesAndStopsListening()
{
    ChatWindow a, b;
    b.prompter->answerYes = false;
    aimAt(a, b);
    a.window->cmdConnect->click();
    QTRY_COMPARE(b.lines(), (QStringList{StartLine, QStringLiteral("Connection Denied")}));
    QCOMPARE(b.state(), Winsock::sckClosed);
    QTRY_VERIFY(a.state() != Winsock::sckConnected && a.state() != Winsock::sckConnecting);
    QCOMPARE(a.lines(), (QStringList{StartLine, SentLine}));

    // No further request reaches the program, and Disconnect does not listen again.
    a.window->cmdConnect->click();
    QTRY_COMPARE(a.prompter->errors.size(), 1);
    QVERIFY(a.prompter->errors[0].startsWith(QStringLiteral("The connection was refused")));
    b.window->cmdDissconnect->click();
    QCOMPARE(b.prompter->errors.last(),
             QStringLiteral("You are already disconnected, cannot disconnect again."));
    QCOMPARE(b.state(), Winsock::sckClosed);
    QCOMPARE(b.prompter->questions.size(), 1);

    b.window->cmdListen->click();
    QCOMPARE(b.lines().last(), b.listenLine());
    QVERIFY(connectPair(a, b));
}

void tst_Conversation::chat_bothWays_includingEmptyMessage()
{
    ChatWindow a, b;
    QVERIFY(connectPair(a, b));
    say(a, QStringLiteral("Ann"), QStringLiteral("hi"));
    QCOMPARE(a.lines().last(), QStringLiteral("Ann : hi"));
    QVERIFY(a.window->txtMessage->text().isEmpty());
    QCOMPARE(a.window->txtDisplayName->text(), QStringLiteral("Ann"));
    QTRY_COMPARE(b.joined(2), QStringLiteral("Ann : hi"));

    say(b, QStringLiteral("Bob"), QString());
    QCOMPARE(b.lines().last(), QStringLiteral("Bob : "));
    QTRY_COMPARE(a.joined(3), QStringLiteral("Bob : "));

    // Lines sent quickly may arrive run together, but every byte arrives once, in order.
    const int seen = b.lines().size();
    say(a, QStringLiteral("Ann"), QStringLiteral("one"));
    say(a, QStringLiteral("Ann"), QStringLiteral("two"));
    QTRY_COMPARE(b.joined(seen), QStringLiteral("Ann : oneAnn : two"));
    QVERIFY(a.prompter->errors.isEmpty() && b.prompter->errors.isEmpty());
}

void tst_Conversation::refusals_showTextAndChangeNothing_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<bool>("viaMenu");
    QTest::addColumn<QString>("error");
    for (bool menu : {false, true}) {
        const char *how = menu ? "menu" : "button";
        QTest::addRow("connect, empty address, %s", how)
            << "emptyIP" << menu
            << QStringLiteral("You must give me a Remote IP Address to connect to.");
        QTest::addRow("disconnect while listening, %s", how)
            << "disconnect" << menu
            << QStringLiteral("You are already disconnected, cannot disconnect again.");
        QTest::addRow("connect while connected, %s", how)
            << "connected" << menu
            << QStringLiteral(
                   "You are already connected to: 127.0.0.1You must disconnect "
                   "before proceeding.");
    }
    QTest::newRow("send while not connected") << "send" << false << NotConnected;
    QTest::newRow("send without a name")
        << "noName" << false << QStringLiteral("Please enter a display name.");
}

void tst_Conversation::refusals_showTextAndChangeNothing()
{
    QFETCH(QString, scenario);
    QFETCH(bool, viaMenu);
    QFETCH(QString, error);
    ChatWindow a, b;
    frmMain &w = *a.window;
    if (scenario == u"connected" || scenario == u"noName")
        QVERIFY(connectPair(a, b));
    w.txtDisplayName->setText(scenario == u"noName" ? QString() : QStringLiteral("Ann"));
    w.txtMessage->setText(QStringLiteral("kept"));
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.txtMessage->setFocus();

    const QStringList linesBefore = a.lines();
    const int stateBefore = a.state();
    if (scenario == u"emptyIP" || scenario == u"connected")
        viaMenu ? w.mnuCommunicationsConnect->trigger() : w.cmdConnect->click();
    else if (scenario == u"disconnect")
        viaMenu ? w.mnuCommunicationsDisconnect->trigger() : w.cmdDissconnect->click();
    else
        w.cmdSend->click();

    QCOMPARE(a.prompter->errors, QStringList{error});
    QCOMPARE(a.lines(), linesBefore);
    QCOMPARE(a.state(), stateBefore);
    QCOMPARE(w.txtMessage->text(), QStringLiteral("kept"));
    QCOMPARE(QApplication::focusWidget(), scenario == u"noName" ? w.txtDisplayName : w.txtMessage);
}

void tst_Conversation::disconnect_appendsTwoLines_partnerShowsNothing()
{
    QFETCH(bool, viaMenu);
    ChatWindow a, b;
    QVERIFY(connectPair(a, b));
    const QStringList aBefore = a.lines(), bBefore = b.lines();
    viaMenu ? a.window->mnuCommunicationsDisconnect->trigger() : a.window->cmdDissconnect->click();
    QCOMPARE(a.lines(), (aBefore + QStringList{QStringLiteral("Disconnected"), a.listenLine()}));
    QCOMPARE(a.state(), Winsock::sckListening);
    QTRY_VERIFY(!b.connected());
    QCOMPARE(b.lines(), bBefore);
    say(b, QStringLiteral("Bob"), QStringLiteral("still there?"));
    QCOMPARE(b.prompter->errors, QStringList{NotConnected});
    QCOMPARE(b.window->txtMessage->text(), QStringLiteral("still there?"));
    QVERIFY(connectPair(b, a));
}

void tst_Conversation::listen_closesAndReopens_quotingItsPort()
{
    ChatWindow a, b;
    const int port = a.port();
    a.window->cmdListen->click();
    a.window->mnuCommunicationsListen->trigger();
    QCOMPARE(a.lines(), (QStringList{StartLine, a.listenLine(), a.listenLine()}));
    QCOMPARE(a.state(), Winsock::sckListening);

    // The socket keeps the port it was given at start-up, and the line says that one, not the
    // edited box; Listen while connected drops the partner without a "Disconnected" line.
    a.window->txtLocalPort->setText(QStringLiteral("5555"));
    QVERIFY(connectPair(b, a));
    const int before = a.lines().size();
    a.window->cmdListen->click();
    QCOMPARE(a.lines().mid(before), QStringList{a.listenLine()});
    QCOMPARE(a.port(), port);
    QCOMPARE(a.state(), Winsock::sckListening);
    QTRY_VERIFY(!b.connected());
}

void tst_Conversation::closingOrExiting_whileConnected_data()
{
    QTest::addColumn<bool>("viaExit");
    QTest::newRow("close box") << false;
    QTest::newRow("File, Exit") << true;
}

void tst_Conversation::closingOrExiting_whileConnected()
{
    QFETCH(bool, viaExit);
    auto a = std::make_unique<ChatWindow>();
    ChatWindow b;
    const quint16 port = quint16(a->port());
    QVERIFY(connectPair(*a, b));
    const QStringList bBefore = b.lines();
    if (viaExit) {
        // Exit runs no unload step, but the connection ends the orderly way.
        QSignalSpy unloading(a->window.get(), &frmMain::unloading);
        a->window->mnuFileExit->trigger();
        QTRY_COMPARE(a->exits, 1);
        QCOMPARE(unloading.count(), 0);
        QVERIFY(!a->window->isVisible());
        a.reset();
    } else {
        a->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(a->window.get()));
        QVERIFY(a->window->close());
        QCOMPARE(a->state(), Winsock::sckClosed);
    }
    QTRY_VERIFY(!b.connected());
    QCOMPARE(b.lines(), bBefore);
    QVERIFY(b.prompter->errors.isEmpty());
    QTcpServer next;
    QVERIFY(next.listen(QHostAddress::Any, port));
}

void tst_Conversation::connectFailures_areReported()
{
    ChatWindow a;
    // A port text that is no port is refused at once: no line claims a request was sent, and
    // the window goes on listening.
    a.window->txtRemoteIP->setText(QStringLiteral("127.0.0.1"));
    a.window->txtRemotePort->setText(QStringLiteral("70000"));
    a.window->cmdConnect->click();
    QCOMPARE(a.prompter->errors,
             QStringList{QStringLiteral("The remote port \"70000\" is not a number from 1 to "
                                        "65535.")});
    QCOMPARE(a.lines(), QStringList{StartLine});
    QCOMPARE(a.state(), Winsock::sckListening);

    // A refusal comes later: the command's line is written at once, the Error box follows.
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        closedPort = probe.serverPort();
    }
    a.window->txtRemotePort->setText(QString::number(closedPort));
    a.window->cmdConnect->click();
    QCOMPARE(a.lines(), (QStringList{StartLine, SentLine}));
    QTRY_COMPARE(a.prompter->errors.size(), 2);
    QCOMPARE(a.prompter->errors.last(), QStringLiteral("The connection was refused: nothing is "
                                                       "listening at that address and port."));
}

void tst_Conversation::foreignPeer_textBeforeTheAnswer_data()
{
    QTest::addColumn<bool>("answerYes");
    QTest::newRow("Yes: shown after the answer") << true;
    QTest::newRow("No: never shown, caller cut off") << false;
}

void tst_Conversation::foreignPeer_textBeforeTheAnswer()
{
    QFETCH(bool, answerYes);
    ChatWindow b;
    b.prompter->answerYes = answerYes;
    std::unique_ptr<QTcpSocket> peer;
    b.prompter->whileAsking = [&] {
        QVERIFY(peer->waitForConnected(5000));
        peer->write("typed before the answer");
        QVERIFY(peer->waitForBytesWritten(5000));
        // The text reaches the window's side while the question is still open.
        QTRY_VERIFY(
            !b.window->socket().findChildren<QTcpSocket *>().isEmpty() &&
            b.window->socket().findChildren<QTcpSocket *>().constFirst()->bytesAvailable() == 23);
    };
    peer = call(b);
    if (answerYes) {
        QTRY_COMPARE(b.lines(), (QStringList{StartLine, QStringLiteral("Connection made"),
                                             QStringLiteral("typed before the answer")}));
        QVERIFY(b.connected());
    } else {
        QSignalSpy ended(peer.get(), &QTcpSocket::disconnected);
        QVERIFY(ended.wait(5000));
        QCOMPARE(b.lines(), (QStringList{StartLine, QStringLiteral("Connection Denied")}));
    }
}

void tst_Conversation::foreignPeer_bytesReassembleExactly_hangUpIsSilent()
{
    ChatWindow b;
    auto peer = call(b);
    QTRY_VERIFY(b.connected());
    // Many scripts and emoji, delivered one byte at a time.
    const QString text = QStringLiteral(
        "Ciao! Привет, 你好, مرحبا, नमस्ते 👋🏽🎉 — ça va?");
    for (char byte : text.toUtf8()) {
        peer->write(&byte, 1);
        QVERIFY(peer->waitForBytesWritten(1000));
        QCoreApplication::processEvents();
    }
    QTRY_COMPARE(b.joined(2), text);
    for (const QString &entry : b.lines()) QVERIFY(!entry.isEmpty());

    // Markup, a byte that is not UTF-8, a NUL, and a character cut short by the hang-up.
    const int seen = b.lines().size();
    const char bytes[] = "<b>x</b> <img src=x> \xC3\x28 nul\0end \xE2\x82";
    peer->write(bytes, sizeof bytes - 1);
    peer->disconnectFromHost();
    QString expected = QStringLiteral("<b>x</b> <img src=x> \uFFFD( nul");
    expected += QChar(0);
    expected += QStringLiteral("end \uFFFD\uFFFD");
    QTRY_COMPARE(b.joined(seen), expected);
    QTRY_VERIFY(!b.connected());
    say(b, QStringLiteral("Bob"), QStringLiteral("hello?"));
    QCOMPARE(b.prompter->errors, QStringList{NotConnected});
}

void tst_Conversation::realErrorBox_showsTextAsPlainText()
{
    // The one test of a real box: it must show a peer's or user's text literally.
    QWidget owner;
    const QString text = QStringLiteral("You are already connected to: <b>a</b> & <i>bYou must");
    QString shownText, shownTitle;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;
    QTimer::singleShot(0, &owner, [&] {
        QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        shownText = box->text();
        shownTitle = box->windowTitle();
        format = box->textFormat();
        icon = box->icon();
        buttons = box->buttons().size();
        box->button(QMessageBox::Ok)->click();
    });
    MessageBoxPrompter().showError(&owner, text);
    QCOMPARE(shownText, text);
    QCOMPARE(shownTitle, QStringLiteral("Error"));
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(icon, QMessageBox::Information);
    QCOMPARE(buttons, 1);
}

QTEST_MAIN(tst_Conversation)
#include "tst_conversation.moc"
