// SPDX-License-Identifier: MIT
// The program on real desktops, which the other tests do without: an X server with a window
// manager, and a Wayland compositor.
#include "parlinotest.h"

#include <QtGui/qpa/qplatformwindow.h>
#include <QAbstractButton>
#include <QWindow>

class tst_Desktop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void attention_newTextFlagsAnInactiveWindow()
    {
        QCOMPARE(QGuiApplication::platformName(), u"xcb"_s);
        ChatWindow chat;
        frmMain &w = *chat.window;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto peer = acceptedCaller(chat);
        // The user turns to another window; then the partner writes.
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other) && !w.windowHandle()->handle()->isAlertState());
        QVERIFY(peer && peer->write("hi") == 2);
        // The window manager is told, so the task bar can show it.
        QTRY_VERIFY(w.windowHandle()->handle()->isAlertState());
    }

    void wayland_fixedWindowOffersNoMaximize_listensAndAsks()
    {
        ChatWindow chat;
        frmMain &w = *chat.window;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // Qt's title bar gives way to the window's own, above the menus: a close box, nothing else.
        const auto *bar = w.findChild<QWidget *>(u"titleBar"_s);
        QTRY_VERIFY(bar && bar->isVisible());
        QVERIFY(w.windowHandle()->frameMargins().isNull() &&
                bar->findChildren<QAbstractButton *>().size() == 1 &&
                !bar->geometry().intersects(w.menuWidget()->geometry()));
        QVERIFY(w.centralWidget()->size() == QSize(465, 276) && w.minimumSize() == w.maximumSize());
        auto peer = acceptedCaller(chat);
        QVERIFY(peer && chat.window->questions.size() == 1);
        // Without a keyboard no window is active: new text asks for attention, which this
        // compositor does not offer, and shows.
        QVERIFY(!w.isActiveWindow() && peer->write("hi") == 2);
        QTRY_COMPARE(chat.lines().constLast(), u"hi"_s);
    }
};

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
