// SPDX-License-Identifier: MIT
// The program on real desktops, which the other tests do without: an X server with a window
// manager, and a Wayland compositor.
#include "parlinotest.h"

#include <QtGui/qpa/qplatformwindow.h>
#include <QAbstractButton>
#include <QWindow>
#include <optional>

class tst_Desktop : public QObject
{
    Q_OBJECT

    std::optional<ChatWindow> m_chat;  // each test's window, shown

private Q_SLOTS:
    void init()
    {
        m_chat.emplace();
        m_chat->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_chat->window.get()));
    }
    void cleanup()
    {
        m_chat.reset();
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    void attention_newTextFlagsAnInactiveWindow()
    {
        QCOMPARE(QGuiApplication::platformName(), u"xcb"_s);
        frmMain &w = *m_chat->window;
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto peer = acceptedCaller(*m_chat);
        // The user turns to another window; then the partner writes.
        QWidget other;
        other.show();
        QVERIFY(QTest::qWaitForWindowActive(&other) && !w.windowHandle()->handle()->isAlertState());
        QVERIFY(peer && peer->write("hi") == 2);
        // The window manager is told, so the task bar can show it.
        QTRY_VERIFY(w.windowHandle()->handle()->isAlertState());
    }

    // Qt's title bar gives way to the window's own, above the menus: a close box, nothing else.
    void wayland_fixedWindowOffersNoMaximize()
    {
        frmMain &w = *m_chat->window;
        const auto *bar = w.findChild<QWidget *>(u"titleBar"_s);
        QTRY_VERIFY(bar && bar->isVisible());
        QVERIFY(w.windowHandle()->frameMargins().isNull() &&
                bar->findChildren<QAbstractButton *>().size() == 1 &&
                !bar->geometry().intersects(w.menuWidget()->geometry()));
        QVERIFY(w.centralWidget()->size() == QSize(465, 276) && w.minimumSize() == w.maximumSize());
    }

    void wayland_listensAndAsks()
    {
        ChatWindow &chat = *m_chat;
        frmMain &w = *chat.window;
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
