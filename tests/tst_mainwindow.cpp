// SPDX-License-Identifier: MIT
// The main window as it opens: what it shows, how it is drawn, how the keyboard moves in it,
// a start on a port that is already taken, and its texts in the user's language.
#include "chatwindow.h"
#include "translations.h"

#include <QApplication>
#include <QLabel>
#include <QTcpServer>
#include <QTranslator>

class tst_MainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void freshStart_showsOneLineAndListens();
    void drawing_followsTheTwipsLayoutAndColours();
    void keyboard_focusTabOrderAndEnter();
    void startOnTakenPort_reportsAndStaysUsable();
    void userLanguage_translatedOnlyWhereParlinoIs_data();
    void userLanguage_translatedOnlyWhereParlinoIs();
};

void tst_MainWindow::freshStart_showsOneLineAndListens()
{
    ChatWindow chat;
    frmMain &w = *chat.window;
    QCOMPARE(w.windowTitle(), QStringLiteral("Parlino"));
    QCOMPARE(w.txtRemotePort->text(), QStringLiteral("1981"));
    QCOMPARE(w.txtLocalPort->text(), QStringLiteral("1981"));
    QVERIFY(w.txtRemoteIP->text().isEmpty() && w.txtDisplayName->text().isEmpty() &&
            w.txtMessage->text().isEmpty());
    QCOMPARE(chat.lines(), QStringList{StartLine});
    QVERIFY(!QHostAddress(w.txtLocalIP->text()).isNull());
    QVERIFY(chat.prompter->errors.isEmpty());

    QCOMPARE(chat.state(), Winsock::sckListening);
    auto peer = call(chat);
    QTRY_COMPARE(chat.prompter->questions.size(), 1);
}

void tst_MainWindow::drawing_followsTheTwipsLayoutAndColours()
{
    ChatWindow chat;
    frmMain &w = *chat.window;
    const auto twips = [](int left, int top, int width, int height) {
        return QRect(left / 15, top / 15, width / 15, height / 15);
    };
    QCOMPARE(w.List1->geometry(), twips(120, 960, 5175, 2400));
    QCOMPARE(w.RemoteIP->geometry(), twips(5400, 2040, 1455, 495));
    QCOMPARE(w.txtRemoteIP->geometry(), twips(5400, 2280, 1455, 285));
    QCOMPARE(w.cmdDissconnect->geometry(), twips(1320, 120, 1095, 375));
    QCOMPARE(w.cmdDissconnect->text(), QStringLiteral("Disconnect"));
    QCOMPARE(w.DisplayName->text(), QStringLiteral("Display Name:"));

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.centralWidget()->size(), QSize(465, 276));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    // What is drawn, not just what is set: the background, a caption band, the name band, and
    // the Display Name box lying over the band's right part.
    const QImage image = w.centralWidget()->grab().toImage();
    const auto colourAt = [&](QPoint p) {
        return image.pixelColor(p * image.width() / 465);
    };
    QCOMPARE(colourAt(QPoint(464, 275)), QColor(0, 192, 0));
    QCOMPARE(colourAt(w.RemotePort->geometry().topLeft() + QPoint(2, 2)), QColor(255, 255, 128));
    QCOMPARE(colourAt(w.DisplayName->geometry().topLeft() + QPoint(1, 14)), QColor(255, 255, 0));
    QCOMPARE(w.centralWidget()->childAt(w.txtDisplayName->geometry().center() + QPoint(0, -8)),
             w.txtDisplayName);
}

void tst_MainWindow::keyboard_focusTabOrderAndEnter()
{
    ChatWindow chat;
    frmMain &w = *chat.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.List1);
    const QList<QWidget *> tabOrder = {
        w.txtRemotePort, w.txtLocalPort,   w.txtRemoteIP, w.txtLocalIP, w.txtMessage,     w.cmdSend,
        w.cmdConnect,    w.cmdDissconnect, w.cmdListen,   w.cmdAbout,   w.txtDisplayName, w.List1};
    for (QWidget *next : tabOrder) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    QVERIFY(w.mnuCommunicationsConnect->shortcut().isEmpty());

    // Enter in a box presses no button: nothing is connected, sent or refused.
    w.txtRemoteIP->setText(QStringLiteral("127.0.0.1"));
    w.txtMessage->setText(QStringLiteral("hello"));
    for (QLineEdit *box : {w.txtMessage, w.txtRemoteIP, w.txtDisplayName}) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter);
    }
    QCOMPARE(chat.lines().size(), 1);
    QVERIFY(chat.prompter->errors.isEmpty());
    QCOMPARE(w.txtMessage->text(), QStringLiteral("hello"));
    QCOMPARE(chat.state(), Winsock::sckListening);
}

void tst_MainWindow::startOnTakenPort_reportsAndStaysUsable()
{
    QTcpServer occupant;
    QVERIFY(occupant.listen(QHostAddress::Any));
    ChatWindow second(occupant.serverPort());
    QVERIFY(second.lines().isEmpty());  // it is not listening, so it does not say it is
    QTRY_COMPARE(second.prompter->errors,
                 QStringList{QStringLiteral("Port %1 is already in use by another program, so no "
                                            "connection requests can be received. You can still "
                                            "connect to a partner.")
                                 .arg(occupant.serverPort())});
    QCOMPARE(second.state(), Winsock::sckClosed);

    ChatWindow first;
    QVERIFY(connectPair(second, first));
}

void tst_MainWindow::userLanguage_translatedOnlyWhereParlinoIs_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("texts");
    const QStringList english = {
        QStringLiteral("Connect"), QStringLiteral("Display Name:"), StartLine,
        QStringLiteral("You must first be connected to another computer."), QStringLiteral("&Yes")};
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany)
                            << QStringList{QStringLiteral("Verbinden"),
                                           QStringLiteral("Anzeigename:"),
                                           QStringLiteral("Warte an Port 1981 auf neue "
                                                          "Verbindungsanfragen."),
                                           QStringLiteral("Sie müssen zuerst mit einem anderen "
                                                          "Computer verbunden sein."),
                                           QStringLiteral("&Ja")};
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << english;
    // Qt speaks French, Parlino does not: Qt's buttons stay English to match the rest.
    QTest::newRow("French") << QLocale(QLocale::French, QLocale::France) << english;
}

void tst_MainWindow::userLanguage_translatedOnlyWhereParlinoIs()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, texts);
    const bool installed = installTranslations(locale);
    QStringList shown;
    {
        ChatWindow chat;
        chat.window->cmdSend->click();
        shown = {chat.window->cmdConnect->text(), chat.window->DisplayName->text(),
                 chat.lines().value(0), chat.prompter->errors.value(0),
                 QCoreApplication::translate("QPlatformTheme", "&Yes")};
    }
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    QCOMPARE(installed, locale.language() == QLocale::German);
    QCOMPARE(shown, texts);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
