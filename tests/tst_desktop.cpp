// SPDX-License-Identifier: MIT
// The program on a real desktop: an X server with a window manager, which the other tests do
// without.
#include "parlinotest.h"

#include <QtGui/qpa/qplatformwindow.h>
#include <QProcess>
#include <QWindow>

class tst_Desktop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void attention_newTextFlagsAnInactiveWindow();
};

void tst_Desktop::attention_newTextFlagsAnInactiveWindow()
{
    QCOMPARE(QGuiApplication::platformName(), u"xcb"_s);
    ChatWindow chat;
    frmMain &w = *chat.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto peer = acceptedCaller(chat);
    QVERIFY(peer);
    // The user turns to another window; then the partner writes.
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(!w.windowHandle()->handle()->isAlertState());
    QVERIFY(peer->write("hi") == 2);
    QTRY_VERIFY(w.windowHandle()->handle()->isAlertState());
    // The window manager was told, so the task bar can show it.
    const auto state = [&] {
        QProcess xprop;
        xprop.start(u"xprop"_s, {u"-id"_s, QString::number(w.winId()), u"_NET_WM_STATE"_s});
        return xprop.waitForFinished() ? QString::fromLatin1(xprop.readAllStandardOutput())
                                       : xprop.errorString();
    };
    QTRY_VERIFY2(state().contains(u"_NET_WM_STATE_DEMANDS_ATTENTION"_s), qPrintable(state()));
}

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
