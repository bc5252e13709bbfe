// SPDX-License-Identifier: MIT
// Usable by everyone: what a screen reader hears, long entries, dark themes, the address shown,
// the keyboard, and text of any length.
#include "chatwindow.h"
#include "conversationmodel.h"
#include "localaddress.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>

namespace {

QList<QAccessibleEvent *> *recorded = nullptr;

void recordEvent(QAccessibleEvent *event)
{
    if (recorded && event->type() == QAccessible::TableModelChanged)
        recorded->append(event);  // only looked at while the event is being delivered
}

// WCAG contrast ratio of two colours.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &c) {
        const auto linear = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

}  // namespace

class tst_Usability : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void screenReader_hearsNamesAndNewEntries();
    void longEntry_tooltipAndCopyFromTheMenu();
    void darkTheme_captionsAndBoxesStayReadable();
    void localAddress_isOneAPartnerCanReach_data();
    void localAddress_isOneAPartnerCanReach();
    void keyboard_enterPressesAFocusedButton_longMessagesGoWhole();
};

void tst_Usability::screenReader_hearsNamesAndNewEntries()
{
    ChatWindow chat;
    // As a screen reader starting up would: the offscreen platform has no bridge of its own.
    QPlatformAccessibility *platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    const std::pair<QWidget *, QString> named[] = {
        {chat.window->txtRemotePort, QStringLiteral("Remote Port")},
        {chat.window->txtLocalPort, QStringLiteral("Local Port")},
        {chat.window->txtRemoteIP, QStringLiteral("Remote IP Address")},
        {chat.window->txtLocalIP, QStringLiteral("Local IP Address")},
        {chat.window->txtDisplayName, QStringLiteral("Display Name")},
        {chat.window->txtMessage, QStringLiteral("Message")},
        {chat.window->List1, QStringLiteral("Conversation")}};
    for (const auto &[widget, name] : named)
        QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
    for (QLabel *caption : chat.window->findChildren<QLabel *>())
        QVERIFY2(caption->buddy(), qPrintable(caption->objectName()));

    QList<QAccessibleEvent *> events;
    int firstRow = -1;
    recorded = &events;
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) { recordEvent(event); });
    QObject::connect(chat.window->List1->model(), &QAbstractItemModel::rowsInserted, this,
                     [&](const QModelIndex &, int first) { firstRow = first; });
    chat.window->appendLine(QStringLiteral("Ann : hello"));
    QAccessible::installUpdateHandler(nullptr);
    recorded = nullptr;
    platform->setActive(false);
    QCOMPARE(events.size(), 1);
    QCOMPARE(firstRow, 1);
}

void tst_Usability::longEntry_tooltipAndCopyFromTheMenu()
{
    ChatWindow chat;
    ConversationList &list = *chat.window->List1;
    const QString entry = QStringLiteral("<b>") + QString(10000, u'x');
    chat.window->appendLine(entry);
    const QString tip = list.model()->index(1, 0).data(Qt::ToolTipRole).toString();
    QCOMPARE(tip, QStringLiteral("<p>&lt;b&gt;") +
                      QString(ConversationModel::ToolTipCharacters - 3, u'x') + QChar(0x2026) +
                      QStringLiteral("</p>"));

    chat.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(chat.window.get()));
    const QPoint at = list.visualRect(list.model()->index(1, 0)).center();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, list.viewport()->mapToGlobal(at));
    QApplication::sendEvent(list.viewport(), &menuEvent);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 1);
    menu->actions().constFirst()->trigger();
    menu->close();
    QCOMPARE(QGuiApplication::clipboard()->text(), entry);
    chat.window->close();
}

void tst_Usability::darkTheme_captionsAndBoxesStayReadable()
{
    const QPalette light = QApplication::palette();
    QPalette dark(QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    QApplication::setPalette(dark);
    {
        ChatWindow chat;
        for (QLabel *caption : chat.window->findChildren<QLabel *>()) {
            const QPalette p = caption->palette();
            QVERIFY2(contrast(p.color(QPalette::WindowText), p.color(QPalette::Window)) >= 4.5,
                     qPrintable(caption->objectName()));
        }
        const QList<QWidget *> boxes = {chat.window->List1, chat.window->txtMessage};
        for (QWidget *box : boxes) {
            const QPalette p = box->palette();
            QVERIFY(contrast(p.color(QPalette::Text), p.color(QPalette::Base)) >= 4.5);
        }
    }
    QApplication::setPalette(light);
}

void tst_Usability::localAddress_isOneAPartnerCanReach_data()
{
    using I = LocalAddress::Interface;
    const auto ip = [](const char *text) {
        return QHostAddress(QLatin1String(text));
    };
    const I loopback{QStringLiteral("lo"), QNetworkInterface::Loopback, true, {ip("127.0.0.1")}};
    const I docker{
        QStringLiteral("docker0"), QNetworkInterface::Ethernet, true, {ip("172.17.0.1")}};
    const I bridge{
        QStringLiteral("br-5f2a"), QNetworkInterface::Ethernet, true, {ip("172.18.0.1")}};
    const I down{QStringLiteral("eth1"), QNetworkInterface::Ethernet, false, {ip("10.0.0.5")}};
    const I vpn{QStringLiteral("tun0"), QNetworkInterface::Unknown, true, {ip("10.8.0.2")}};
    const I wifi{QStringLiteral("wlan0"),
                 QNetworkInterface::Wifi,
                 true,
                 {ip("fe80::1"), ip("169.254.3.4"), ip("192.168.1.20")}};
    QTest::addColumn<QList<I>>("interfaces");
    QTest::addColumn<QString>("shown");
    QTest::newRow("only loopback") << QList<I>{loopback} << QStringLiteral("127.0.0.1");
    QTest::newRow("bridges and a down link")
        << QList<I>{loopback, docker, bridge, down} << QStringLiteral("127.0.0.1");
    QTest::newRow("Wi-Fi before a bridge and a tunnel")
        << QList<I>{docker, vpn, wifi} << QStringLiteral("192.168.1.20");
    QTest::newRow("a tunnel before nothing")
        << QList<I>{loopback, vpn} << QStringLiteral("10.8.0.2");
}

void tst_Usability::localAddress_isOneAPartnerCanReach()
{
    QFETCH(QList<LocalAddress::Interface>, interfaces);
    QFETCH(QString, shown);
    QCOMPARE(LocalAddress::choose(interfaces), shown);
}

void tst_Usability::keyboard_enterPressesAFocusedButton_longMessagesGoWhole()
{
    ChatWindow a, b;
    a.window->show();
    QVERIFY(QTest::qWaitForWindowActive(a.window.get()));
    a.window->cmdListen->setFocus();
    QTest::keyClick(a.window->cmdListen, Qt::Key_Return);
    QTRY_COMPARE(a.lines().constLast(), a.listenLine());
    QCOMPARE(a.lines().size(), 2);

    QVERIFY(connectPair(a, b));
    const QString message(100000, u'm');
    a.window->txtDisplayName->setText(QStringLiteral("Ann"));
    a.window->txtMessage->setFocus();
    QTest::keyClick(a.window->txtMessage, Qt::Key_Return);  // Enter in a box does nothing
    QApplication::clipboard()->setText(message);
    QTest::keySequence(a.window->txtMessage, QKeySequence::Paste);
    a.window->cmdSend->setFocus();
    QTest::keyClick(a.window->cmdSend, Qt::Key_Enter, Qt::KeypadModifier);
    QTRY_COMPARE(b.joined(2), QStringLiteral("Ann : ") + message);
    a.window->close();
}

QTEST_MAIN(tst_Usability)
#include "tst_usability.moc"
