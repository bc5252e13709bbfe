// SPDX-License-Identifier: MIT
// The About box as the user meets it: opened from the main window, modal, closed only by its
// Close button or the close box.
#include "chatwindow.h"
#include "frmabout.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QSignalSpy>
#include <QWindow>

namespace {

// A click delivered through the window system, so that a modal box can block it.
void clickThroughWindow(QWidget *widget)
{
    QWidget *top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(top, widget->rect().center()));
}

}  // namespace

class tst_About : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buttonAndMenu_openAFreshModalBox();
    void keyboard_escapeLeavesItOpen_enterOnCloseCloses();
    void drawing_textsPlacesAndTitleFont();
};

void tst_About::buttonAndMenu_openAFreshModalBox()
{
    ChatWindow chat;
    chat.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(chat.window.get()));
    QStringList seen;
    chat.prompter->whileDialogOpen = [&](QDialog &dialog) {
        auto &box = static_cast<frmAbout &>(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QCOMPARE(QApplication::activeModalWidget(), &box);
        seen.append(box.windowTitle() + u' ' + box.lblVersion->text());
        // The main window takes no input while the box is open.
        clickThroughWindow(chat.window->cmdConnect);
        QVERIFY(chat.prompter->errors.isEmpty());
        clickThroughWindow(box.cmdClose);
        QVERIFY(!box.isVisible());
    };
    clickThroughWindow(chat.window->cmdAbout);
    chat.window->mnuHelpAbout->trigger();
    QCOMPARE(seen, QStringList(2, QStringLiteral("About Version 0.1.1")));

    // Closed, it gives the main window back.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    clickThroughWindow(chat.window->cmdConnect);
    QCOMPARE(chat.prompter->errors,
             QStringList{QStringLiteral("You must give me a Remote IP Address to connect to.")});
}

void tst_About::keyboard_escapeLeavesItOpen_enterOnCloseCloses()
{
    frmAbout box;
    box.open();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    QTRY_COMPARE(QApplication::focusWidget(), box.cmdClose);
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Tab}) {
        QTest::keyClick(box.windowHandle(), key);
        QVERIFY(box.isVisible());
        QCOMPARE(QApplication::focusWidget(), box.cmdClose);
    }
    // Enter presses the focused Close button, as Space does.
    QTest::keyClick(box.windowHandle(), Qt::Key_Return);
    QTRY_VERIFY(!box.isVisible());
    box.open();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    // The title bar's close box closes it like Close does.
    QSignalSpy finished(&box, &QDialog::finished);
    box.windowHandle()->close();
    QVERIFY(!box.isVisible());
    QCOMPARE(finished.count(), 1);
}

void tst_About::drawing_textsPlacesAndTitleFont()
{
    frmAbout box;
    QCOMPARE(box.windowTitle(), QStringLiteral("About"));
    QCOMPARE(box.size(), QSize(4680 / 15, 3210 / 15));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QVERIFY(!(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    const QList<QPair<QLabel *, QString>> labels = {
        {box.Label1, QStringLiteral("Parlino")},
        {box.Label2, QStringLiteral("Simple Direct IP Chat Application")},
        {box.Label3, QStringLiteral("By the Parlino developers")},
        {box.Label4, QStringLiteral("AIM: ParlinoChat")},
        {box.Label5, QStringLiteral("E-Mail: parlino@parlino.invalid")}};
    for (const auto &[label, text] : labels) QCOMPARE(label->text(), text);
    QCOMPARE(box.Label5->geometry(), QRect(120 / 15, 2280 / 15, 4455 / 15, 255 / 15));
    QCOMPARE(box.cmdClose->geometry(), QRect(1440 / 15, 2640 / 15, 1815 / 15, 375 / 15));

    // The big bold title fits its label in whichever face stands in for Comic Sans MS.
    QVERIFY(box.Label1->font().bold());
    QCOMPARE(box.Label1->font().pointSizeF(), 21.75);
    const QFontMetrics metrics(box.Label1->font());
    QVERIFY(metrics.height() <= box.Label1->height());
    QVERIFY(metrics.horizontalAdvance(box.Label1->text()) <= box.Label1->width());
}

QTEST_MAIN(tst_About)
#include "tst_about.moc"
