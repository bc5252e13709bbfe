// SPDX-License-Identifier: MIT
// Whole conversations: two windows in one process talking over loopback, and raw sockets playing
// foreign peers.
#include "chatwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include "messageboxprompter.h"

namespace {

const QString StartLine = QStringLiteral("Listening to Port 1981 for new connection requests.");
const QString ListenLine = QStringLiteral("Listening to port 1981 for new connection requests.");
const QString SentLine = QStringLiteral("Connection request has been sent to: 127.0.0.1");
const QString NotConnected = QStringLiteral("You must first be connected to another computer.");

enum class Command { Connect, Disconnect, Listen };

// A command run from its button or from its menu item.
void run(ChatWindow &chat, Command command, bool viaMenu)
{
    frmMain &w = *chat.window;
    switch (command) {
        case Command::Connect:
            viaMenu ? w.mnuCommunicationsConnect->trigger() : w.cmdConnect->click();
            break;
        case Command::Disconnect:
            viaMenu ? w.mnuCommunicationsDisconnect->trigger() : w.cmdDissconnect->click();
            break;
        case Command::Listen:
            viaMenu ? w.mnuCommunicationsListen->trigger() : w.cmdListen->click();
            break;
    }
}

void aimAt(ChatWindow &caller, const ChatWindow &callee)
{
    caller.window->txtRemoteIP->setText(QStringLiteral("127.0.0.1"));
    caller.window->txtRemotePort->setText(QString::number(callee.port()));
}

// The caller connects and the callee's user answers Yes.
bool connectPair(ChatWindow &caller, ChatWindow &callee, bool viaMenu = false)
{
    aimAt(caller, callee);
    callee.prompter->answerYes = true;
    run(caller, Command::Connect, viaMenu);
    return QTest::qWaitFor([&] {
        return caller.state() == Winsock::sckConnected && callee.state() == Winsock::sckConnected;
    });
}

void say(ChatWindow &chat, const QString &name, const QString &message)
{
    chat.window->txtDisplayName->setText(name);
    chat.window->txtMessage->setText(message);
    chat.window->cmdSend->click();
}

// A command's button and its menu item must do the same.
void addButtonAndMenuRows()
{
    QTest::addColumn<bool>("viaMenu");
    QTest::newRow("button") << false;
    QTest::newRow("menu") << true;
}

// A raw socket calling the window, as netcat or telnet would.
std::unique_ptr<QTcpSocket> call(const ChatWindow &callee)
{
    auto peer = std::make_unique<QTcpSocket>();
    peer->connectToHost(QHostAddress::LocalHost, quint16(callee.port()));
    return peer;
}

}  // namespace

class tst_Conversation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void answerYes_connectsBothWithExactLines_data();
    void answerYes_connectsBothWithExactLines();
    void answerNo_deniesAndStopsListening();
    void chat_bothWays_includingEmptyMessage();
    void refusals_showTextAndChangeNothing_data();
    void refusals_showTextAndChangeNothing();
    void disconnect_appendsTwoLines_partnerShowsNothing_data();
    void disconnect_appendsTwoLines_partnerShowsNothing();
    void listen_closesAndReopens_quotingTheBoxText();
    void closingOrExiting_whileConnected_partnerShowsNothing_data();
    void closingOrExiting_whileConnected_partnerShowsNothing();
    void connectFailures_areReported();
    void foreignPeer_textBeforeYes_showsAfterYes();
    void foreignPeer_textBeforeNo_isNeverShown();
    void foreignPeer_multilingualOneByteAtATime_reassembles();
    void foreignPeer_invalidBytesAndMarkup_showLiterally();
    void foreignPeer_hangsUp_sendIsRefused();
    void otherCallers_areTurnedAway();
    void realErrorBox_showsTextAsPlainText();
};

void tst_Conversation::answerYes_connectsBothWithExactLines_data()
{
    addButtonAndMenuRows();
}

void tst_Conversation::answerYes_connectsBothWithExactLines()
{
    QFETCH(bool, viaMenu);
    ChatWindow a, b;
    QVERIFY(connectPair(a, b, viaMenu));
    QCOMPARE(a.lines(), (QStringList{StartLine, SentLine}));
    QCOMPARE(b.lines(), (QStringList{StartLine, QStringLiteral("Connection made")}));
    QCOMPARE(b.prompter->questions.size(), 1);
    QCOMPARE(b.prompter->questions[0].title, QStringLiteral("Connection Request"));
    QCOMPARE(b.prompter->questions[0].text,
             QStringLiteral("Incoming Connection Request, do you wish to allow it?"));
    QVERIFY(a.prompter->errors.isEmpty() && b.prompter->errors.isEmpty());
    QVERIFY(a.prompter->questions.isEmpty());
}

void tst_Conversation::answerNo_deniesAndStopsListening()
{
    ChatWindow a, b;
    b.prompter->answerYes = false;
    aimAt(a, b);
    a.window->cmdConnect->click();
    QTRY_COMPARE(b.lines(), (QStringList{StartLine, QStringLiteral("Connection Denied")}));
    QCOMPARE(b.state(), int(Winsock::sckClosed));
    // The caller sees its connection end, and its list shows only its own line.
    QTRY_VERIFY(a.state() != Winsock::sckConnected && a.state() != Winsock::sckConnecting);
    QCOMPARE(a.lines(), (QStringList{StartLine, SentLine}));

    // No further request reaches the program until Listen.
    a.window->cmdConnect->click();
    QTRY_COMPARE(a.prompter->errors.size(), 1);
    QVERIFY(a.prompter->errors[0].startsWith(QStringLiteral("The connection was refused")));
    QCOMPARE(b.prompter->questions.size(), 1);
    b.window->cmdDissconnect->click();
    QCOMPARE(b.prompter->errors.last(),
             QStringLiteral("You are already disconnected, cannot disconnect again."));
    QCOMPARE(b.state(), int(Winsock::sckClosed));

    b.window->cmdListen->click();
    QCOMPARE(b.lines().last(), ListenLine);
    QVERIFY(connectPair(a, b));
}

void tst_Conversation::chat_bothWays_includingEmptyMessage()
{
    ChatWindow a, b;
    QVERIFY(connectPair(a, b));
    const int aBefore = a.lines().size(), bBefore = b.lines().size();

    a.window->txtMessage->setFocus();
    say(a, QStringLiteral("Ann"), QStringLiteral("hi"));
    QCOMPARE(a.lines().mid(aBefore), QStringList{QStringLiteral("Ann : hi")});
    QVERIFY(a.window->txtMessage->text().isEmpty());
    QCOMPARE(a.window->txtDisplayName->text(), QStringLiteral("Ann"));
    QTRY_COMPARE(b.joined(bBefore), QStringLiteral("Ann : hi"));

    say(b, QStringLiteral("Bob"), QString());
    QCOMPARE(b.lines().last(), QStringLiteral("Bob : "));
    const int bSeen = b.lines().size();
    QTRY_COMPARE(a.joined(aBefore + 1), QStringLiteral("Bob : "));

    // Lines sent quickly may arrive run together, but every byte arrives once, in order.
    say(a, QStringLiteral("Ann"), QStringLiteral("one"));
    say(a, QStringLiteral("Ann"), QStringLiteral("two"));
    QTRY_COMPARE(b.joined(bSeen), QStringLiteral("Ann : oneAnn : two"));
    QVERIFY(a.prompter->errors.isEmpty() && b.prompter->errors.isEmpty());
}

void tst_Conversation::refusals_showTextAndChangeNothing_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<bool>("viaMenu");
    QTest::addColumn<QString>("error");
    const QString emptyIP = QStringLiteral("You must give me a Remote IP Address to connect to.");
    const QString already =
        QStringLiteral("You are already disconnected, cannot disconnect again.");
    const QString connectedTo = QStringLiteral(
        "You are already connected to: 127.0.0.1You must disconnect before "
        "proceeding.");
    for (bool menu : {false, true}) {
        const char *how = menu ? "menu" : "button";
        QTest::addRow("connect, empty address, %s", how) << "emptyIP" << menu << emptyIP;
        QTest::addRow("disconnect while listening, %s", how) << "disconnect" << menu << already;
        QTest::addRow("connect while connected, %s", how) << "connected" << menu << connectedTo;
    }
    QTest::newRow("send while not connected") << "sendClosed" << false << NotConnected;
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
    if (scenario == QLatin1String("connected") || scenario == QLatin1String("noName"))
        QVERIFY(connectPair(a, b));
    w.txtDisplayName->setText(scenario == QLatin1String("noName") ? QString()
                                                                  : QStringLiteral("Ann"));
    w.txtMessage->setText(QStringLiteral("kept"));
    if (scenario == QLatin1String("emptyIP"))
        w.txtRemoteIP->clear();
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.txtMessage->setFocus();

    const QStringList linesBefore = a.lines();
    const int stateBefore = a.state();
    if (scenario == QLatin1String("emptyIP") || scenario == QLatin1String("connected"))
        run(a, Command::Connect, viaMenu);
    else if (scenario == QLatin1String("disconnect"))
        run(a, Command::Disconnect, viaMenu);
    else
        w.cmdSend->click();

    QCOMPARE(a.prompter->errors, QStringList{error});
    QCOMPARE(a.lines(), linesBefore);
    QCOMPARE(a.state(), stateBefore);
    QCOMPARE(w.txtMessage->text(), QStringLiteral("kept"));
    QCOMPARE(QApplication::focusWidget(),
             scenario == QLatin1String("noName") ? w.txtDisplayName : w.txtMessage);
}

void tst_Conversation::disconnect_appendsTwoLines_partnerShowsNothing_data()
{
    addButtonAndMenuRows();
}

void tst_Conversation::disconnect_appendsTwoLines_partnerShowsNothing()
{
    QFETCH(bool, viaMenu);
    ChatWindow a, b;
    QVERIFY(connectPair(a, b));
    const QStringList aBefore = a.lines(), bBefore = b.lines();
    run(a, Command::Disconnect, viaMenu);
    QCOMPARE(a.lines(), (aBefore + QStringList{QStringLiteral("Disconnected"), ListenLine}));
    QCOMPARE(a.state(), int(Winsock::sckListening));
    QTRY_VERIFY(b.state() != Winsock::sckConnected);
    QCOMPARE(b.lines(), bBefore);
    QVERIFY(b.prompter->errors.isEmpty());
    say(b, QStringLiteral("Bob"), QStringLiteral("still there?"));
    QCOMPARE(b.prompter->errors, QStringList{NotConnected});
    QCOMPARE(b.window->txtMessage->text(), QStringLiteral("still there?"));

    // The caller listens again on its own port.
    QVERIFY(connectPair(b, a));
}

void tst_Conversation::listen_closesAndReopens_quotingTheBoxText()
{
    ChatWindow a, b;
    const int port = a.port();
    a.window->cmdListen->click();
    a.window->mnuCommunicationsListen->trigger();
    QCOMPARE(a.lines(), (QStringList{StartLine, ListenLine, ListenLine}));
    QCOMPARE(a.state(), int(Winsock::sckListening));

    // The box's text is quoted, but the socket keeps the port it was given at start-up.
    a.window->txtLocalPort->setText(QStringLiteral("5555"));
    a.window->cmdListen->click();
    QCOMPARE(a.lines().last(),
             QStringLiteral("Listening to port 5555 for new connection requests."));
    QCOMPARE(a.port(), port);

    // Listen while connected drops the partner without a "Disconnected" line.
    QVERIFY(connectPair(b, a));
    const int before = a.lines().size();
    a.window->cmdListen->click();
    QCOMPARE(a.lines().mid(before),
             QStringList{QStringLiteral("Listening to port 5555 for new connection requests.")});
    QCOMPARE(a.state(), int(Winsock::sckListening));
    QTRY_VERIFY(b.state() != Winsock::sckConnected);
}

void tst_Conversation::closingOrExiting_whileConnected_partnerShowsNothing_data()
{
    QTest::addColumn<bool>("viaExit");
    QTest::newRow("close box") << false;
    QTest::newRow("File, Exit") << true;
}

void tst_Conversation::closingOrExiting_whileConnected_partnerShowsNothing()
{
    QFETCH(bool, viaExit);
    auto a = std::make_unique<ChatWindow>();
    ChatWindow b;
    QVERIFY(connectPair(*a, b));
    const QStringList bBefore = b.lines();
    if (viaExit) {
        // Exit runs no unload step: the connection lasts until the program is gone.
        a->window->mnuFileExit->trigger();
        QCOMPARE(a->exits, 1);
        QCOMPARE(a->state(), int(Winsock::sckConnected));
        a.reset();
    } else {
        a->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(a->window.get()));
        QVERIFY(a->window->close());
        QCOMPARE(a->state(), int(Winsock::sckClosed));
    }
    QTRY_VERIFY(b.state() != Winsock::sckConnected);
    QCOMPARE(b.lines(), bBefore);
    QVERIFY(b.prompter->errors.isEmpty());
}

void tst_Conversation::connectFailures_areReported()
{
    ChatWindow a;
    quint16 closedPort = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        closedPort = probe.serverPort();
    }
    a.window->txtRemoteIP->setText(QStringLiteral("127.0.0.1"));
    a.window->txtRemotePort->setText(QString::number(closedPort));
    a.window->cmdConnect->click();
    // The command's line is written at once; the refusal follows as an Error box.
    QCOMPARE(a.lines(), (QStringList{StartLine, SentLine}));
    QTRY_COMPARE(a.prompter->errors,
                 QStringList{QStringLiteral("The connection was refused: nothing is listening "
                                            "at that address and port.")});
    QCOMPARE(a.lines().size(), 2);

    // A port text that is no port is refused at once, and nothing claims a request was sent.
    a.window->txtRemotePort->setText(QStringLiteral("70000"));
    a.window->cmdConnect->click();
    QCOMPARE(a.prompter->errors.last(),
             QStringLiteral("The remote port \"70000\" is not a number from 1 to 65535."));
    QCOMPARE(a.lines().size(), 2);
}

void tst_Conversation::foreignPeer_textBeforeYes_showsAfterYes()
{
    ChatWindow b;
    std::unique_ptr<QTcpSocket> peer;
    b.prompter->whileAsking = [&] {
        QVERIFY(peer->waitForConnected(5000));
        peer->write("typed before the answer");
        QVERIFY(peer->waitForBytesWritten(5000));
        QTest::qWait(20);
    };
    peer = call(b);
    QTRY_COMPARE(b.lines(), (QStringList{StartLine, QStringLiteral("Connection made"),
                                         QStringLiteral("typed before the answer")}));
    QCOMPARE(b.state(), int(Winsock::sckConnected));
}

void tst_Conversation::foreignPeer_textBeforeNo_isNeverShown()
{
    ChatWindow b;
    b.prompter->answerYes = false;
    std::unique_ptr<QTcpSocket> peer;
    b.prompter->whileAsking = [&] {
        QVERIFY(peer->waitForConnected(5000));
        peer->write("let me in");
        QVERIFY(peer->waitForBytesWritten(5000));
    };
    peer = call(b);
    QSignalSpy ended(peer.get(), &QTcpSocket::disconnected);
    QVERIFY(ended.wait(5000));
    QCOMPARE(b.lines(), (QStringList{StartLine, QStringLiteral("Connection Denied")}));
}

void tst_Conversation::foreignPeer_multilingualOneByteAtATime_reassembles()
{
    ChatWindow b;
    auto peer = call(b);
    QTRY_COMPARE(b.state(), int(Winsock::sckConnected));
    const QString text = QStringLiteral(
        "Ciao! Привет, 你好, مرحبا, नमस्ते, こんにちは 👋🏽🎉 "
        "— "
        "ça "
        "va? "
        "✓");
    for (char byte : text.toUtf8()) {
        peer->write(&byte, 1);
        QVERIFY(peer->waitForBytesWritten(1000));
        QCoreApplication::processEvents();
    }
    QTRY_COMPARE(b.joined(2), text);
    for (const QString &entry : b.lines()) QVERIFY(!entry.isEmpty());
}

void tst_Conversation::foreignPeer_invalidBytesAndMarkup_showLiterally()
{
    ChatWindow b;
    auto peer = call(b);
    QTRY_COMPARE(b.state(), int(Winsock::sckConnected));
    const char bytes[] = "<b>x</b> <img src=x> \xC3\x28 ok\0end";
    peer->write(bytes, sizeof bytes - 1);
    QString expected = QStringLiteral("<b>x</b> <img src=x> \uFFFD( ok");
    expected += QChar(0);
    expected += QStringLiteral("end");
    QTRY_COMPARE(b.joined(2), expected);
}

void tst_Conversation::foreignPeer_hangsUp_sendIsRefused()
{
    ChatWindow b;
    auto peer = call(b);
    QTRY_COMPARE(b.state(), int(Winsock::sckConnected));
    peer->write("bye");
    peer->disconnectFromHost();
    QTRY_VERIFY(b.state() != Winsock::sckConnected);
    QTRY_COMPARE(b.lines(), (QStringList{StartLine, QStringLiteral("Connection made"),
                                         QStringLiteral("bye")}));
    say(b, QStringLiteral("Bob"), QStringLiteral("hello?"));
    QCOMPARE(b.prompter->errors, QStringList{NotConnected});
}

void tst_Conversation::otherCallers_areTurnedAway()
{
    ChatWindow b;
    std::unique_ptr<QTcpSocket> first, duringQuestion;
    b.prompter->whileAsking = [&] {
        duringQuestion = call(b);
        // Closed at once: refused by the closed listener, or ended if it got through first.
        QSignalSpy failed(duringQuestion.get(), &QTcpSocket::errorOccurred);
        QVERIFY(failed.wait(5000));
    };
    first = call(b);
    QTRY_COMPARE(b.state(), int(Winsock::sckConnected));
    QCOMPARE(b.prompter->questions.size(), 1);

    // While connected nobody else gets in either.
    auto later = call(b);
    QSignalSpy failed(later.get(), &QTcpSocket::errorOccurred);
    QVERIFY(failed.wait(5000));
    QCOMPARE(later->error(), QAbstractSocket::ConnectionRefusedError);
    QCOMPARE(b.prompter->questions.size(), 1);
    QCOMPARE(first->state(), QAbstractSocket::ConnectedState);
    QCOMPARE(b.lines(), (QStringList{StartLine, QStringLiteral("Connection made")}));
}

void tst_Conversation::realErrorBox_showsTextAsPlainText()
{
    // The one test of a real box: it must show a peer's or user's text literally.
    QWidget owner;
    const QString text = QStringLiteral("You are already connected to: <b>a</b> & <i>bYou must");
    QString shownText, shownTitle;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    QTimer::singleShot(0, &owner, [&] {
        QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        shownText = box->text();
        shownTitle = box->windowTitle();
        format = box->textFormat();
        icon = box->icon();
        buttons = int(box->buttons().size());
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
