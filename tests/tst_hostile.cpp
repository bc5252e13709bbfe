// SPDX-License-Identifier: MIT
// What a hostile or careless partner can do: flood past the limit, stop reading while text is
// still on its way, hide text behind control characters, call while the question is open.
#include "chatwindow.h"
#include "conversationmodel.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>

namespace {

// A raw peer that calls the window, is accepted, and reads only when told to.
std::unique_ptr<QTcpSocket> acceptedCaller(ChatWindow &callee, qint64 readBuffer = 0)
{
    auto peer = call(callee);
    peer->setReadBufferSize(readBuffer);
    if (!QTest::qWaitFor([&] { return callee.connected(); }))
        return nullptr;
    return peer;
}

// Reads until the window closes the connection; every byte it got.
QByteArray readToEnd(QTcpSocket &peer)
{
    peer.setReadBufferSize(0);
    QByteArray got;
    [[maybe_unused]] const bool ended = QTest::qWaitFor(
        [&] {
            got += peer.readAll();
            return peer.state() == QAbstractSocket::UnconnectedState;
        },
        30000);
    return got + peer.readAll();
}

}  // namespace

class tst_Hostile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void flood_pastTheLimit_disconnectsAndKeepsWhatIsShown();
    void oneByteArrivals_costLittleEach();
    void ending_deliversWhatWasSent_data();
    void ending_deliversWhatWasSent();
    void disguisedText_showsItsControls();
    void question_namesTheCaller_commandsWait();
};

void tst_Hostile::flood_pastTheLimit_disconnectsAndKeepsWhatIsShown()
{
    ChatWindow b;
    b.window->List1->setTextLimit(2 * 1024 * 1024);
    auto peer = acceptedCaller(b);
    QVERIFY(peer);
    // Every character kept, U+FEFF too, also when it is split between two arrivals.
    peer->write("w\xEF");
    QVERIFY(peer->waitForBytesWritten(1000));
    QTRY_COMPARE(b.lines().size(), 3);
    peer->write("\xBB\xBFv");
    QTRY_COMPARE(b.joined(2), QStringLiteral("w\uFEFFv"));

    const QByteArray flood(4 * 1024 * 1024, 'x');
    peer->write(flood);
    QTRY_VERIFY(!b.prompter->errors.isEmpty());
    QCOMPARE(b.prompter->errors,
             QStringList{QStringLiteral("The partner has sent more text than one conversation can "
                                        "hold (2 MiB), so the connection was closed. Everything "
                                        "shown before stays in the list.")});
    QVERIFY(!b.connected());
    QTRY_COMPARE(peer->state(), QAbstractSocket::UnconnectedState);
    const QString shown = b.joined(2);
    QVERIFY(shown.size() > 3 && shown.size() <= 2 * 1024 * 1024);
    QCOMPARE(shown, QStringLiteral("w\uFEFFv") + QString(shown.size() - 3, u'x'));
    b.window->cmdListen->click();
    QCOMPARE(b.state(), Winsock::sckListening);
}

void tst_Hostile::oneByteArrivals_costLittleEach()
{
#ifdef __SANITIZE_ADDRESS__
    QSKIP("AddressSanitizer holds freed memory back and pads every allocation.");
#endif
    ConversationList list;
    list.appendUtf8("warm up");
    const auto residentKiB = [] {
        QFile statm(QStringLiteral("/proc/self/statm"));
        return statm.open(QIODevice::ReadOnly)
                   ? statm.readAll().split(' ').value(1).toLongLong() * 4
                   : -1;
    };
    const qint64 before = residentKiB();
    if (before < 0)
        QSKIP("No /proc here to measure memory.");
    constexpr int Entries = 500000;
    for (int i = 0; i < Entries; ++i) QVERIFY(list.appendUtf8("z"));
    const qint64 perEntry = (residentKiB() - before) * 1024 / Entries;
    qInfo("%lld bytes of memory for each one-byte entry", perEntry);
    QVERIFY2(perEntry <= 64 + 1, qPrintable(QString::number(perEntry)));
}

void tst_Hostile::ending_deliversWhatWasSent_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("partnerReads");
    for (const QString &how : {QStringLiteral("Disconnect"), QStringLiteral("close box"),
                               QStringLiteral("File, Exit")}) {
        QTest::newRow(qPrintable(how + QStringLiteral(", partner reads later"))) << how << true;
        QTest::newRow(qPrintable(how + QStringLiteral(", partner never reads"))) << how << false;
    }
}

void tst_Hostile::ending_deliversWhatWasSent()
{
    QFETCH(QString, how);
    QFETCH(bool, partnerReads);
    ChatWindow a;
    a.window->socket().setLingerTime(partnerReads ? 20000 : 300);
    auto peer = acceptedCaller(a, 64 * 1024);  // a partner that takes text slowly
    QVERIFY(peer);
    QByteArray sent;
    for (int i = 0; i < 4; ++i) {
        say(a, QStringLiteral("Ann"), QString(2 * 1024 * 1024, QChar(u'a' + i)));
        sent += a.lines().constLast().toUtf8();
    }
    QCOMPARE(sent.size(), 4 * (2 * 1024 * 1024 + 6));

    a.window->show();
    if (how == QStringLiteral("Disconnect"))
        a.window->cmdDissconnect->click();
    else if (how == QStringLiteral("close box"))
        a.window->close();
    else
        a.window->mnuFileExit->trigger();
    const bool ends = how != QStringLiteral("Disconnect");
    QCOMPARE(a.window->isVisible(), !ends);
    QCOMPARE(a.exits, 0);  // not while the partner has text to take
    if (partnerReads) {
        QCOMPARE(readToEnd(*peer), sent);
        QTRY_COMPARE(a.exits, ends ? 1 : 0);
        QVERIFY(!a.lines().constLast().contains(QStringLiteral("not delivered")));
        return;
    }
    QTRY_COMPARE(a.exits, ends ? 1 : 0);
    if (!ends) {
        QTRY_VERIFY(a.lines().constLast().endsWith(
            QStringLiteral("bytes sent to the partner were not delivered: the partner stopped "
                           "taking text before the connection ended.")));
    }
}

void tst_Hostile::disguisedText_showsItsControls()
{
    ChatWindow chat;
    const QString entries[] = {QStringLiteral("photo\u202Egpj.exe"),
                               QStringLiteral("x") + QChar(0) + QStringLiteral("y\x1B[2J")};
    const QString shown[] = {QStringLiteral("photo<U+202E>gpj.exe"), QStringLiteral("x^@y^[[2J")};
    QAccessible::setActive(true);
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(chat.window->List1);
    QVERIFY(list && list->tableInterface());
    for (int i = 0; i < 2; ++i) {
        chat.window->appendLine(entries[i]);
        const int row = chat.window->List1->count() - 1;
        QCOMPARE(chat.window->List1->entry(row), entries[i]);  // kept exactly
        QCOMPARE(chat.window->List1->model()->index(row, 0).data().toString(), shown[i]);
        QCOMPARE(list->tableInterface()->cellAt(row, 0)->text(QAccessible::Name), shown[i]);
    }
    QAccessible::setActive(false);
}

void tst_Hostile::question_namesTheCaller_commandsWait()
{
    ChatWindow b;
    b.window->txtRemoteIP->setText(QStringLiteral("127.0.0.1"));
    const QStringList before = b.lines();
    b.prompter->whileAsking = [&] {
        b.window->cmdListen->click();
        b.window->mnuCommunicationsConnect->trigger();
        b.window->cmdDissconnect->click();
        b.window->cmdSend->click();
    };
    auto peer = std::make_unique<QTcpSocket>();
    peer->connectToHost(QHostAddress::LocalHostIPv6, quint16(b.port()));
    QTRY_VERIFY(b.connected());
    QCOMPARE(b.prompter->questions.size(), 1);
    QCOMPARE(b.prompter->questions[0].text,
             QStringLiteral("Incoming Connection Request, do you wish to allow it?\nFrom ::1"));
    QCOMPARE(b.lines(), before + QStringList{QStringLiteral("Connection made")});
    QVERIFY(b.prompter->errors.isEmpty());

    // An IPv6 address in brackets, as it is usually written with a port.
    ChatWindow a;
    a.window->txtRemoteIP->setText(QStringLiteral("[::1]"));
    a.window->txtRemotePort->setText(QString::number(b.port()));
    b.prompter->whileAsking = nullptr;
    b.window->cmdListen->click();
    a.window->cmdConnect->click();
    QTRY_VERIFY(a.connected() && b.connected());
    QVERIFY(a.prompter->errors.isEmpty());
}

QTEST_MAIN(tst_Hostile)
#include "tst_hostile.moc"
