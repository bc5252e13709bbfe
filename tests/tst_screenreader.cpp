// SPDX-License-Identifier: MIT
// What a screen reader hears of the main window over the desktop's accessibility bus (AT-SPI),
// listening as Orca does. Runs on a session bus of its own (see CMakeLists.txt).
#include "parlinotest.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusReply>
#include <QDBusVariant>
#include <QLabel>
#include <QLineEdit>
#include <utility>

class tst_ScreenReader : public QObject
{
    Q_OBJECT

public Q_SLOTS:
    void hear(const QDBusMessage &event) { m_heard.append(event); }

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void controls_named();
    void newEntries_heardWithWhereTheyComeFrom();

private:
    QList<QDBusMessage> m_heard;
};

// Every box has a name; each caption names its box.
void tst_ScreenReader::controls_named()
{
    ChatWindow chat;
    frmMain &w = *chat.window;
    QList<QWidget *> boxes = {w.List1};
    for (QLineEdit *box : w.findChildren<QLineEdit *>()) boxes.append(box);
    for (QWidget *box : boxes)
        QVERIFY(!QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name).isEmpty());
    for (QLabel *caption : w.findChildren<QLabel *>())
        QVERIFY2(caption->buddy(), qPrintable(caption->objectName()));
}

// Each new entry as a notification that shows: received, the user's own, and the program's after
// 10,000 rows.
void tst_ScreenReader::newEntries_heardWithWhereTheyComeFrom()
{
    const QDBusReply<QString> address =
        QDBusConnection::sessionBus().call(QDBusMessage::createMethodCall(
            u"org.a11y.Bus"_s, u"/org/a11y/bus"_s, u"org.a11y.Bus"_s, u"GetAddress"_s));
    QDBusConnection bus = QDBusConnection::connectToBus(address.value(), u"screen reader"_s);
    QVERIFY(bus.connect({}, {}, u"org.a11y.atspi.Event.Object"_s, u"StateChanged"_s, this,
                        SLOT(hear(QDBusMessage))));
    QDBusMessage listen =
        QDBusMessage::createMethodCall(u"org.a11y.atspi.Registry"_s, u"/org/a11y/atspi/registry"_s,
                                       u"org.a11y.atspi.Registry"_s, u"RegisterEvent"_s);
    listen << u"object:state-changed:showing"_s << QStringList() << QString();
    QCOMPARE(bus.call(listen).type(), QDBusMessage::ReplyMessage);

    ChatWindow chat;
    frmMain &w = *chat.window;
    w.show();

    // What the reader would speak: the name of a notification that has just shown.
    const auto ask = [&](const QDBusMessage &event, const QString &method, const QVariantList &in) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            event.service(), event.path(),
            in.isEmpty() ? u"org.a11y.atspi.Accessible"_s : u"org.freedesktop.DBus.Properties"_s,
            method);
        call.setArguments(in);
        const QVariant answer = bus.call(call, QDBus::BlockWithGui).arguments().value(0);
        return (in.isEmpty() ? answer : answer.value<QDBusVariant>().variant()).toString();
    };
    const auto heard = [&](const QString &entry, int timeout = 5000) {
        return QTest::qWaitFor(
            [&] {
                for (const QDBusMessage &event : std::exchange(m_heard, {}))
                    if (event.arguments().value(0) == u"showing"_s &&
                        event.arguments().value(1) == 1 &&
                        ask(event, u"GetRoleName"_s, {}) == u"notification"_s &&
                        ask(event, u"Get"_s, {u"org.a11y.atspi.Accessible"_s, u"Name"_s})
                            .contains(entry))
                        return true;
                return false;
            },
            timeout);
    };
    // The first once the toolkit has learnt that someone listens.
    QVERIFY(QTest::qWaitFor(
        [&] { return w.appendLine(u"Disconnected"_s), heard(u"Disconnected"_s, 500); }, 10000));
    // Where an entry comes from is heard too, so a partner cannot pass for Parlino.
    w.appendReceived("Connection made");
    QVERIFY(heard(u"Received from your partner\nConnection made"_s));
    w.appendSentLine(u"Ann : hello"_s);
    QVERIFY(heard(u"Sent by you\nAnn : hello"_s));
    for (int i = 0; i < 10000; ++i) w.appendReceived("x");
    w.appendLine(u"Disconnected"_s);
    QVERIFY(heard(u"Status line from Parlino\nDisconnected"_s));
}

QTEST_MAIN(tst_ScreenReader)
#include "tst_screenreader.moc"
