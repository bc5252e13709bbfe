// SPDX-License-Identifier: MIT
// The main window as it opens, how it is laid out, and how it starts and stops.
#include "chatwindow.h"
#include "conversationlinedelegate.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

class tst_MainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void freshStart_showsOneLineAndListens();
    void layout_matchesTheTwipsTable_data();
    void layout_matchesTheTwipsTable();
    void colours_andFixedSize();
    void tabOrder_andInitialFocus();
    void menus_haveNamedItemsWithoutAccessKeys();
    void enterInTextBox_doesNothing();
    void conversationList_keepsEntriesWhole_drawsThemOnOneLine();
    void startOnTakenPort_reportsAndStaysUsable();
    void closingTheWindow_freesThePort();
    void fileExit_endsWithoutTheUnloadStep();
};

void tst_MainWindow::cleanup()
{
    // Every window a test opened is gone with it.
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_MainWindow::freshStart_showsOneLineAndListens()
{
    ChatWindow chat;
    frmMain &w = *chat.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Parlino"));
    QCOMPARE(w.txtRemotePort->text(), QStringLiteral("1981"));
    QCOMPARE(w.txtLocalPort->text(), QStringLiteral("1981"));
    QVERIFY(w.txtRemoteIP->text().isEmpty());
    QVERIFY(w.txtDisplayName->text().isEmpty());
    QVERIFY(w.txtMessage->text().isEmpty());
    QCOMPARE(chat.lines(),
             QStringList{QStringLiteral("Listening to Port 1981 for new connection requests.")});
    QCOMPARE(w.txtLocalIP->text(), Winsock::LocalIP());
    QVERIFY(!QHostAddress(w.txtLocalIP->text()).isNull());
    QVERIFY(chat.prompter->errors.isEmpty());

    QCOMPARE(chat.state(), int(Winsock::sckListening));
    QTcpSocket peer;
    peer.connectToHost(QHostAddress::LocalHost, quint16(chat.port()));
    QVERIFY(peer.waitForConnected(5000));
    QTRY_COMPARE(chat.prompter->questions.size(), 1);
}

void tst_MainWindow::layout_matchesTheTwipsTable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<QString>("text");
    QTest::newRow("List1") << "List1" << QRect(120, 960, 5175, 2400) << QString();
    QTest::newRow("txtRemotePort") << "txtRemotePort" << QRect(5400, 840, 1455, 285) << "1981";
    QTest::newRow("RemotePort") << "RemotePort" << QRect(5400, 600, 1455, 495) << "Remote Port";
    QTest::newRow("RemoteIP") << "RemoteIP" << QRect(5400, 2040, 1455, 495) << "Remote IP Address";
    QTest::newRow("LocalIP") << "LocalIP" << QRect(5400, 2760, 1455, 495) << "Local IP Address";
    QTest::newRow("txtMessage") << "txtMessage" << QRect(120, 3600, 5175, 285) << QString();
    QTest::newRow("cmdSend") << "cmdSend" << QRect(5400, 3600, 1455, 375) << "Send Message";
    QTest::newRow("cmdConnect") << "cmdConnect" << QRect(120, 120, 1095, 375) << "Connect";
    QTest::newRow("cmdDissconnect")
        << "cmdDissconnect" << QRect(1320, 120, 1095, 375) << "Disconnect";
    QTest::newRow("cmdListen") << "cmdListen" << QRect(2520, 120, 1095, 375) << "Listen";
    QTest::newRow("cmdAbout") << "cmdAbout" << QRect(3720, 120, 1095, 375) << "About";
    QTest::newRow("DisplayName") << "DisplayName" << QRect(120, 600, 5175, 255) << "Display Name:";
    QTest::newRow("txtDisplayName") << "txtDisplayName" << QRect(1200, 600, 4095, 285) << QString();
}

void tst_MainWindow::layout_matchesTheTwipsTable()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    ChatWindow chat;
    auto *widget = chat.window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(),
             QRect(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15));
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    else if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), text);
    else if (auto *edit = qobject_cast<QLineEdit *>(widget))
        QCOMPARE(edit->text(), text);
}

void tst_MainWindow::colours_andFixedSize()
{
    ChatWindow chat;
    frmMain &w = *chat.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.centralWidget()->size(), QSize(465, 276));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));

    // What is drawn, not just what is set: sample the rendered window.
    const QImage image = w.centralWidget()->grab().toImage();
    QCOMPARE(image.pixelColor(464 * image.width() / 465, 275 * image.height() / 276),
             QColor(0, 192, 0));
    const QPoint remotePortCaption = w.RemotePort->geometry().topLeft() + QPoint(2, 2);
    QCOMPARE(image.pixelColor(remotePortCaption * image.width() / 465), QColor(255, 255, 128));
    const QPoint displayNameBand = w.DisplayName->geometry().topLeft() + QPoint(1, 14);
    QCOMPARE(image.pixelColor(displayNameBand * image.width() / 465), QColor(255, 255, 0));
    // The Display Name box lies over the right part of the yellow band.
    QVERIFY(w.txtDisplayName->geometry().intersects(w.DisplayName->geometry()));
    QVERIFY(w.centralWidget()->childAt(w.txtDisplayName->geometry().center()) == w.txtDisplayName ||
            w.txtDisplayName->isAncestorOf(
                w.centralWidget()->childAt(w.txtDisplayName->geometry().center())));
}

void tst_MainWindow::tabOrder_andInitialFocus()
{
    ChatWindow chat;
    frmMain &w = *chat.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.List1);
    const QList<QWidget *> expected = {
        w.txtRemotePort, w.txtLocalPort,   w.txtRemoteIP, w.txtLocalIP, w.txtMessage,     w.cmdSend,
        w.cmdConnect,    w.cmdDissconnect, w.cmdListen,   w.cmdAbout,   w.txtDisplayName, w.List1};
    for (QWidget *next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void tst_MainWindow::menus_haveNamedItemsWithoutAccessKeys()
{
    ChatWindow chat;
    frmMain &w = *chat.window;
    QStringList titles;
    for (QAction *menu : w.menuBar()->actions()) titles.append(menu->text());
    QCOMPARE(titles, (QStringList{"File", "Communications", "Help"}));
    const QList<QPair<QAction *, QString>> items = {{w.mnuFileExit, "Exit"},
                                                    {w.mnuCommunicationsConnect, "Connect"},
                                                    {w.mnuCommunicationsDisconnect, "Disconnect"},
                                                    {w.mnuCommunicationsListen, "Listen"},
                                                    {w.mnuHelpAbout, "About"}};
    for (const auto &[action, text] : items) {
        QCOMPARE(action->text(), text);
        QVERIFY(action->shortcut().isEmpty());
    }
    for (QPushButton *button : w.findChildren<QPushButton *>())
        QVERIFY(!button->isDefault() && !button->autoDefault());
    // Send Message has no menu item.
    for (QAction *action : w.mnuCommunications->actions())
        QVERIFY(!action->text().contains(QStringLiteral("Send")));
}

void tst_MainWindow::enterInTextBox_doesNothing()
{
    ChatWindow chat;
    frmMain &w = *chat.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.txtRemoteIP->setText(QStringLiteral("127.0.0.1"));
    w.txtMessage->setText(QStringLiteral("hello"));
    for (QLineEdit *edit : {w.txtMessage, w.txtRemoteIP, w.txtDisplayName}) {
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QTest::keyClick(edit, Qt::Key_Enter);
    }
    QCOMPARE(chat.lines().size(), 1);
    QVERIFY(chat.prompter->errors.isEmpty());
    QCOMPARE(w.txtMessage->text(), QStringLiteral("hello"));
    QCOMPARE(chat.state(), int(Winsock::sckListening));
}

void tst_MainWindow::conversationList_keepsEntriesWhole_drawsThemOnOneLine()
{
    ChatWindow chat;
    frmMain &w = *chat.window;
    QString controls = QStringLiteral("netcat line\r\n\tpara\u2029nul:");
    controls += QChar(0);
    controls += QStringLiteral("bell:\a del:\x7F");
    const QString huge(1 << 20, u'x');
    const QStringList entries = {controls, QStringLiteral("<b>not bold</b>"), huge};
    for (const QString &entry : entries) w.appendLine(entry);
    QCOMPARE(chat.lines().mid(1), entries);
    QCOMPARE(w.List1->currentRow(), -1);

    QCOMPARE(ConversationLineDelegate::visibleText(controls),
             QStringLiteral("netcat line   para nul:\u2400bell:\u2407 del:\u2421"));
    QCOMPARE(ConversationLineDelegate::visibleText(huge).size(),
             ConversationLineDelegate::DrawnCharacters);

    // Every row is one line high, whatever its entry holds, and drawing them all stays cheap.
    QStyleOptionViewItem option;
    option.initFrom(w.List1);
    QAbstractItemDelegate *delegate = w.List1->itemDelegate();
    const QSize oneLine = delegate->sizeHint(option, w.List1->model()->index(0, 0));
    for (int row = 1; row < w.List1->count(); ++row) {
        const QSize hint = delegate->sizeHint(option, w.List1->model()->index(row, 0));
        QVERIFY2(hint.height() == oneLine.height(), qPrintable(QString::number(row)));
    }
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(!w.List1->grab().isNull());
}

void tst_MainWindow::startOnTakenPort_reportsAndStaysUsable()
{
    QTcpServer occupant;
    QVERIFY(occupant.listen(QHostAddress::Any));
    ChatWindow second(occupant.serverPort());
    QCOMPARE(second.lines(),
             QStringList{QStringLiteral("Listening to Port 1981 for new connection requests.")});
    QTRY_COMPARE(second.prompter->errors,
                 QStringList{QStringLiteral("Port %1 is already in use by another program, so no "
                                            "connection requests can be received. You can still "
                                            "connect to a partner.")
                                 .arg(occupant.serverPort())});
    QVERIFY(second.state() != Winsock::sckListening);

    // Connect still works.
    ChatWindow first;
    second.window->txtRemoteIP->setText(QStringLiteral("127.0.0.1"));
    second.window->txtRemotePort->setText(QString::number(first.port()));
    second.window->cmdConnect->click();
    QTRY_COMPARE(first.state(), int(Winsock::sckConnected));
    QTRY_COMPARE(second.state(), int(Winsock::sckConnected));
}

void tst_MainWindow::closingTheWindow_freesThePort()
{
    auto chat = std::make_unique<ChatWindow>();
    const quint16 port = quint16(chat->port());
    chat->window->show();
    QVERIFY(QTest::qWaitForWindowExposed(chat->window.get()));
    QVERIFY(chat->window->close());
    QCOMPARE(chat->state(), int(Winsock::sckClosed));
    QTcpServer next;
    QVERIFY(next.listen(QHostAddress::Any, port));
}

void tst_MainWindow::fileExit_endsWithoutTheUnloadStep()
{
    ChatWindow chat;
    QSignalSpy unloading(chat.window.get(), &frmMain::Unloading);
    chat.window->mnuFileExit->trigger();
    QCOMPARE(chat.exits, 1);
    QCOMPARE(unloading.count(), 0);
    // Nothing closed the socket: it goes when the program does.
    QCOMPARE(chat.state(), int(Winsock::sckListening));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
