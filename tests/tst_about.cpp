// SPDX-License-Identifier: MIT
// The About box as the user meets it: opened from the main window, modal, closed only by its
// Close button or the close box.
#include "chatwindow.h"
#include "frmabout.h"
#include "generated/version.h"
#include "messageboxprompter.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

namespace {

// A click delivered the way the window system delivers it, so that a modal box can block it.
void clickThroughWindow(QWidget *widget)
{
    QWidget *top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(top, widget->rect().center()));
}

frmAbout &about(QDialog &dialog)
{
    auto *box = qobject_cast<frmAbout *>(&dialog);
    Q_ASSERT(box);
    return *box;
}

QList<QWidget *> visibleWindows()
{
    QList<QWidget *> result;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->isVisible())
            result.append(widget);
    return result;
}

// What the box shows as its version: the project's version without the build number.
QString expectedVersionLine()
{
    const QStringList parts = QString::fromLatin1(Version::Full).split(QLatin1Char('.'));
    return QStringLiteral("Version ") + parts.value(0) + QLatin1Char('.') + parts.value(1) +
           QLatin1Char('.') + parts.value(3);
}

}  // namespace

class tst_About : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void buttonAndMenu_openTheSameFreshBox();
    void whileOpen_mainWindowIgnoresClicks();
    void escape_keepsItOpen_closeButtonClosesIt();
    void closeBox_closesIt();
    void controls_matchTheDrawing_data();
    void controls_matchTheDrawing();
    void window_isFixedSizeWithOwnIcon();
    void title_isLargeBoldAndFitsItsLabel();
    void realBox_closeButtonEndsTheModalLoop();
};

void tst_About::cleanup()
{
    QTRY_VERIFY(visibleWindows().isEmpty());
}

void tst_About::buttonAndMenu_openTheSameFreshBox()
{
    ChatWindow chat;
    chat.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(chat.window.get()));
    QStringList seen;
    chat.prompter->whileDialogOpen = [&](QDialog &dialog) {
        seen.append(dialog.windowTitle() + QStringLiteral(": ") + about(dialog).lblVersion->text());
        about(dialog).cmdClose->click();
    };

    clickThroughWindow(chat.window->cmdAbout);
    chat.window->mnuHelpAbout->trigger();
    clickThroughWindow(chat.window->cmdAbout);

    QCOMPARE(expectedVersionLine(), QStringLiteral("Version 0.1.1"));
    QCOMPARE(seen, QStringList(3, QStringLiteral("About: ") + expectedVersionLine()));
}

void tst_About::whileOpen_mainWindowIgnoresClicks()
{
    ChatWindow chat;
    chat.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(chat.window.get()));
    const QStringList linesBefore = chat.lines();
    chat.prompter->whileDialogOpen = [&](QDialog &dialog) {
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.isModal());
        QCOMPARE(QApplication::activeModalWidget(), &dialog);
        clickThroughWindow(chat.window->cmdConnect);
        QCOMPARE(chat.lines(), linesBefore);
        QVERIFY(chat.prompter->errors.isEmpty());
        clickThroughWindow(about(dialog).cmdClose);
        QVERIFY(!dialog.isVisible());
    };
    clickThroughWindow(chat.window->cmdAbout);

    // Closed, the box lets the main window take input again.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    clickThroughWindow(chat.window->cmdConnect);
    QCOMPARE(chat.prompter->errors,
             QStringList{QStringLiteral("You must give me a Remote IP Address to connect to.")});
}

void tst_About::escape_keepsItOpen_closeButtonClosesIt()
{
    ChatWindow chat;
    chat.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(chat.window.get()));
    bool opened = false;
    chat.prompter->whileDialogOpen = [&](QDialog &dialog) {
        opened = true;
        QTRY_COMPARE(QApplication::focusWidget(), about(dialog).cmdClose);

        QTest::keyClick(dialog.windowHandle(), Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        // Nothing else takes the focus, and without a default button Enter does nothing.
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), about(dialog).cmdClose);
        QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
        QVERIFY(dialog.isVisible());

        clickThroughWindow(about(dialog).cmdClose);
        QVERIFY(!dialog.isVisible());
    };
    chat.window->mnuHelpAbout->trigger();
    QVERIFY(opened);
}

void tst_About::closeBox_closesIt()
{
    frmAbout box;
    box.open();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy finished(&box, &QDialog::finished);
    box.windowHandle()->close();
    QVERIFY(!box.isVisible());
    QCOMPARE(finished.count(), 1);
}

void tst_About::controls_matchTheDrawing_data()
{
    // Positions in twips, 15 to the pixel.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("twips");
    auto row = [](const char *name, const char *text, int left, int top, int width, int height) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(text)
                            << QRect(left, top, width, height);
    };
    row("Label1", "Parlino", 120, 120, 4455, 615);
    row("Label2", "Simple Direct IP Chat Application", 120, 840, 4455, 255);
    row("cmdClose", "Close", 1440, 2640, 1815, 375);
    row("Label3", "By the Parlino developers", 120, 1560, 4455, 255);
    row("Label4", "AIM: ParlinoChat", 120, 1920, 4455, 255);
    row("Label5", "E-Mail: parlino@parlino.invalid", 120, 2280, 4455, 255);
}

void tst_About::controls_matchTheDrawing()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, twips);
    frmAbout box;
    auto *widget = box.findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->property("text").toString(), text);
    QCOMPARE(widget->geometry(),
             QRect(twips.left() / 15, twips.top() / 15, twips.width() / 15, twips.height() / 15));
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        QCOMPARE(label->textFormat(), Qt::PlainText);
        QVERIFY(label->alignment() & Qt::AlignHCenter);
    }
}

void tst_About::window_isFixedSizeWithOwnIcon()
{
    frmAbout box;
    QCOMPARE(box.windowTitle(), QStringLiteral("About"));
    QCOMPARE(box.size(), QSize(4680 / 15, 3210 / 15));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    const Qt::WindowFlags flags = box.windowFlags();
    QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(box.windowIcon().availableSizes(), QList<QSize>{QSize(16, 16)});
    QVERIFY(!box.cmdClose->isDefault());
    QVERIFY(!box.cmdClose->autoDefault());
}

void tst_About::title_isLargeBoldAndFitsItsLabel()
{
    frmAbout box;
    const QFontInfo info(box.Label1->font());
    QVERIFY(info.bold());
    QCOMPARE(info.pointSizeF(), 21.75);
    const QFontMetrics metrics(box.Label1->font());
    QVERIFY2(metrics.height() <= box.Label1->height(), qPrintable(info.family()));
    QVERIFY(metrics.horizontalAdvance(box.Label1->text()) <= box.Label1->width());
}

void tst_About::realBox_closeButtonEndsTheModalLoop()
{
    frmAbout box;
    QMetaObject::invokeMethod(
        &box, [&box] { box.cmdClose->click(); }, Qt::QueuedConnection);
    MessageBoxPrompter().runDialog(box);
    QVERIFY(!box.isVisible());
}

QTEST_MAIN(tst_About)
#include "tst_about.moc"
