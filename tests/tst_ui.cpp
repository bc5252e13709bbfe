// SPDX-License-Identifier: MIT
// The windows as they open: what they show, how they are drawn, how the keyboard moves in them; the
// About box, modal over the main window; the real message box; the conversation list, one line per
// entry, and what assistive technologies see of it.
#include "contrast.h"
#include "conversationmodel.h"
#include "frmabout.h"
#include "messageboxprompter.h"
#include "parlinotest.h"
#include "translations.h"
#include "twipslayout.h"
#include "visibletext.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTranslator>
#include <QWindow>

namespace {

// A click delivered through the window system, so that a modal box can block it.
void clickThroughWindow(QWidget *widget)
{
    QWidget *top = widget->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {},
                      widget->mapTo(top, widget->rect().center()));
}

// The WCAG contrast ratio of a palette's text and background colours.
double contrast(const QPalette &p, QPalette::ColorRole text, QPalette::ColorRole back)
{
    return contrast(p.color(text), p.color(back));
}

QPalette darkPalette()
{
    QPalette dark(QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
    for (auto role : {QPalette::WindowText, QPalette::Text})
        dark.setColor(role, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    return dark;
}

// The area of a widget painted while it watches.
struct PaintCounter : QObject
{
    QRegion painted;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

}  // namespace

class tst_Ui : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void freshStart_showsOneLineAndListens_inItsColours();
    void keyboard_focusTabOrderAndEnter();
    void about_modalOverTheWindow_onlyItsCloseControlsCloseIt();
    void realErrorBox_showsTextAsPlainText();
    void darkTheme_captionsAndBoxesStayReadable();
    void userLanguage_translatedOnlyWhereParlinoIs_data();
    void userLanguage_translatedOnlyWhereParlinoIs();
    void list_entriesKeepTheirTextButDrawOnOneLine();
    void list_longEntry_tooltipAndCopiedWhole();
    void list_looksAsAPlainList_data();
    void list_looksAsAPlainList();
    void list_quickAppends_leaveTheViewAlone_everyRowReachable();
    void screenReader_hearsNamesAndNewEntries();
    void oneByteEntries_costLittleEach();
    void list_forgedLines_showAndReadAsThePartners();
    void list_charactersDrawnAsNothing_showByTheirCode_data();
    void list_charactersDrawnAsNothing_showByTheirCode();
    void screenReader_longConversation_newestAndCurrentAmongFewChildren();
    void rightToLeft_windowMirrored_entriesKeepTheirDirection();
};

void tst_Ui::freshStart_showsOneLineAndListens_inItsColours()
{
    ChatWindow chat;
    frmMain &w = *chat.window;
    QCOMPARE(chat.lines(), QStringList{StartLine});
    QVERIFY(!QHostAddress(w.txtLocalIP->text()).isNull());
    QVERIFY(chat.prompter->errors.isEmpty() && chat.state() == Winsock::sckListening);

    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.centralWidget()->size(), QSize(465, 276));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    // What is drawn, not just what is set: the background, a caption band, the name band, and the
    // Display Name box lying over the band's right part.
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

void tst_Ui::keyboard_focusTabOrderAndEnter()
{
    ChatWindow chat;
    frmMain &w = *chat.window;
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.List1);
    const QList<QWidget *> tabOrder = {
        w.txtRemotePort, w.txtLocalPort,   w.txtRemoteIP, w.txtLocalIP, w.txtMessage,     w.cmdSend,
        w.cmdConnect,    w.cmdDissconnect, w.cmdListen,   w.cmdAbout,   w.txtDisplayName, w.List1};
    // The focus is plain to see: just outside the focused control, at its sides, a colour that
    // stands out 3:1 from what is there without the focus, and from the window's green; at three
    // sides of four at least, since a neighbour's text may lie under one of them.
    w.List1->clearFocus();
    const QImage unfocused = w.grab().toImage();
    const auto beside = [&w](const QImage &image, QWidget *control) {
        const QRect r(control->mapTo(&w, QPoint(0, 0)), control->size());
        QList<QColor> colours;
        for (QPoint p :
             {QPoint(r.left() - 2, r.center().y()), QPoint(r.center().x(), r.top() - 2),
              QPoint(r.right() + 2, r.center().y()), QPoint(r.center().x(), r.bottom() + 2)})
            colours.append(image.pixelColor(p * image.devicePixelRatio()));
        return colours;
    };
    w.List1->setFocus();
    for (QWidget *next : tabOrder) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
        const QList<QColor> ring = beside(w.grab().toImage(), next),
                            without = beside(unfocused, next);
        int plain = 0;
        for (qsizetype i = 0; i < ring.size(); ++i)
            plain +=
                contrast(ring[i], without[i]) >= 3 && contrast(ring[i], QColor(0, 192, 0)) >= 3;
        QVERIFY2(plain >= 3, qPrintable(next->objectName() + u' ' + ring[0].name()));
    }

    // Enter in a box presses no button: nothing is connected, sent or refused.
    w.txtRemoteIP->setText(u"127.0.0.1"_s);
    w.txtMessage->setText(u"hello"_s);
    w.txtMessage->setFocus();
    QTest::keyClick(w.txtMessage, Qt::Key_Return);
    QTest::keyClick(w.txtMessage, Qt::Key_Enter);
    QVERIFY(chat.lines().size() == 1 && chat.prompter->errors.isEmpty());
    QCOMPARE(w.txtMessage->text(), u"hello"_s);
    // Enter on a focused button presses it.
    w.cmdListen->setFocus();
    QTest::keyClick(w.cmdListen, Qt::Key_Return);
    QTRY_COMPARE(chat.lines(), (QStringList{StartLine, chat.listenLine()}));
}

void tst_Ui::about_modalOverTheWindow_onlyItsCloseControlsCloseIt()
{
    ChatWindow chat;
    chat.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(chat.window.get()));
    QStringList seen;
    chat.prompter->whileDialogOpen = [&](QDialog &dialog) {
        auto &box = static_cast<frmAbout &>(dialog);
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QCOMPARE(QApplication::activeModalWidget(), &box);
        seen.append(box.windowTitle() + u' ' + box.lblVersion->text());
        // The big title fits its label in whichever face stands in for Comic Sans MS.
        QVERIFY(QFontMetrics(box.Label1->font()).boundingRect(box.Label1->text()).width() <=
                box.Label1->width());
        // Esc and Tab leave it open, and the main window takes no input meanwhile.
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Tab}) QTest::keyClick(box.windowHandle(), key);
        clickThroughWindow(chat.window->cmdConnect);
        QVERIFY(box.isVisible() && chat.prompter->errors.isEmpty());
        QCOMPARE(QApplication::focusWidget(), box.cmdClose);
        // Enter on its Close button closes it the first time, the title bar's close box the second.
        seen.size() == 1 ? QTest::keyClick(box.windowHandle(), Qt::Key_Return)
                         : (void)box.windowHandle()->close();
        QTRY_VERIFY(!box.isVisible());
    };
    clickThroughWindow(chat.window->cmdAbout);
    chat.window->mnuHelpAbout->trigger();
    QCOMPARE(seen, QStringList(2, u"About Version 0.1.1"_s));

    // Closed, it gives the main window back.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    clickThroughWindow(chat.window->cmdConnect);
    QCOMPARE(chat.prompter->errors,
             QStringList{u"You must give me a Remote IP Address to connect to."_s});
}

void tst_Ui::realErrorBox_showsTextAsPlainText()
{
    // The one test of a real box: it must show a peer's or user's text literally.
    QWidget owner;
    const QString text = u"You are already connected to: <b>a</b> & <i>bYou must"_s;
    QStringList shown;
    QTimer::singleShot(0, &owner, [&] {
        QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        shown = QStringList{box->windowTitle(), box->text()} +
                QStringList{QString::number(box->textFormat()), QString::number(box->icon()),
                            QString::number(box->buttons().size())};
        box->button(QMessageBox::Ok)->click();
    });
    MessageBoxPrompter().showError(&owner, text);
    QCOMPARE(shown, (QStringList{u"Error"_s, text, QString::number(Qt::PlainText),
                                 QString::number(QMessageBox::Information), u"1"_s}));
}

void tst_Ui::darkTheme_captionsAndBoxesStayReadable()
{
    const QPalette light = QApplication::palette();
    QApplication::setPalette(darkPalette());
    {
        ChatWindow chat;
        for (QLabel *caption : chat.window->findChildren<QLabel *>())
            QVERIFY2(contrast(caption->palette(), QPalette::WindowText, QPalette::Window) >= 4.5,
                     qPrintable(caption->objectName()));
        for (QWidget *box : {(QWidget *)chat.window->List1, (QWidget *)chat.window->txtMessage})
            QVERIFY(contrast(box->palette(), QPalette::Text, QPalette::Base) >= 4.5);
    }
    QApplication::setPalette(light);
}

void tst_Ui::userLanguage_translatedOnlyWhereParlinoIs_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("texts");
    const QStringList english = {u"Connect"_s, u"Display Name:"_s, StartLine, NotConnected,
                                 u"&Yes"_s};
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany)
                            << QStringList{u"Verbinden"_s, u"Anzeigename:"_s,
                                           u"Warte an Port 1981 auf neue Verbindungsanfragen."_s,
                                           u"Sie müssen zuerst mit einem anderen Computer "
                                           "verbunden sein."_s,
                                           u"&Ja"_s};
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates) << english;
    QTest::newRow("Japanese") << QLocale(QLocale::Japanese, QLocale::Japan)
                              << QStringList{u"接続"_s, u"表示名:"_s,
                                             u"ポート 1981 で新しい接続要求を待機しています。"_s,
                                             u"先に別のコンピューターに接続する必要があります。"_s,
                                             u"\u306F\u3044(&Y)"_s};
    // Written from right to left, the window is mirrored.
    QTest::newRow("Arabic") << QLocale(QLocale::Arabic, QLocale::Egypt)
                            << QStringList{
                                   u"اتصال"_s, u"اسم العرض:"_s,
                                   u"جارٍ الاستماع على المنفذ 1981 بانتظار طلبات اتصال جديدة."_s,
                                   u"يجب أن تكون متصلًا بحاسوب آخر أولًا."_s,
                                   u"&\u0646\u0639\u0645"_s};
    // Qt speaks Czech, Parlino does not: Qt's buttons stay English to match the rest.
    QTest::newRow("Czech") << QLocale(QLocale::Czech, QLocale::CzechRepublic) << english;
}

void tst_Ui::userLanguage_translatedOnlyWhereParlinoIs()
{
    QFETCH(QLocale, locale);
    QFETCH(QStringList, texts);
    const bool installed = installTranslations(locale);
    QStringList shown;
    QCOMPARE(QGuiApplication::layoutDirection() == Qt::RightToLeft,
             locale.language() == QLocale::Arabic);
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
    QCOMPARE(installed, texts.constFirst() != u"Connect"_s);
    QCOMPARE(shown, texts);
}

void tst_Ui::list_entriesKeepTheirTextButDrawOnOneLine()
{
    ChatWindow chat;
    ConversationList &list = *chat.window->List1;
    const QString cut = QString(ConversationModel::ShownCharacters - 1, u'a') + u"🙂🙂"_s;
    // Text can hide behind control characters and direction marks: they show as what they are.
    const QStringList entries = {u"netcat line\r\n\tpara\u2029nul:\0bell:\a del:\x7F"_s,
                                 u"photo\u202Egpj.exe"_s, u"<b>not bold</b>"_s, cut,
                                 u"Grüße, привет, 你好 🙂"_s};
    const QStringList shown = {u"netcat line   para nul:^@bell:^G del:^?"_s,
                               u"photo<U+202E>gpj.exe"_s, u"<b>not bold</b>"_s,
                               cut.chopped(4) + u'…'};
    for (const QString &entry : entries) chat.window->appendLine(entry);
    QCOMPARE(chat.lines().mid(1), entries);
    QVERIFY(!list.currentIndex().isValid());
    QAccessibleInterface *screenReader = QAccessible::queryAccessibleInterface(&list);
    for (int row = 1; row < 5; ++row) {
        QCOMPARE(list.model()->index(row, 0).data().toString(), shown[row - 1]);
        // A screen reader hears the whole entry, as the list shows it.
        QCOMPARE(screenReader->tableInterface()->cellAt(row, 0)->text(QAccessible::Name),
                 row == 4 ? cut : shown[row - 1]);
    }
    QStyleOptionViewItem option;
    option.initFrom(&list);
    const auto height = [&](int row) {
        return list.itemDelegate()->sizeHint(option, list.model()->index(row, 0)).height();
    };
    // One line high: fonts that stand in for emoji or CJK may be a little taller.
    for (int row = 1; row < list.count(); ++row) QVERIFY(height(row) < 2 * height(0));
}

void tst_Ui::list_longEntry_tooltipAndCopiedWhole()
{
    ChatWindow chat;
    ConversationList &list = *chat.window->List1;
    const QString huge = u"<b>"_s + QString(1 << 20, u'x');
    chat.window->appendLine(huge);
    const QModelIndex entry = list.model()->index(1, 0);
    QCOMPARE(
        entry.data(Qt::ToolTipRole).toString().remove(QChar(0x200B)),
        u"<p>&lt;b&gt;"_s + QString(ConversationModel::ToolTipCharacters - 3, u'x') + u"…</p>"_s);
    // Ctrl+C and the context menu copy all of it.
    list.setCurrentIndex(entry);
    QTest::keySequence(&list, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), huge);
    QGuiApplication::clipboard()->clear();
    chat.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(chat.window.get()));
    const QPoint at = list.visualRect(entry).center();
    // Its tooltip, laid out as QToolTip lays it out, fits the screen.
    QHelpEvent tipEvent(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
    QApplication::sendEvent(list.viewport(), &tipEvent);
    QWidget *tip = nullptr;
    for (QWidget *top : QApplication::topLevelWidgets())
        tip = top->inherits("QTipLabel") ? top : tip;
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    QVERIFY(tip && tip->width() <= screen.width() && tip->height() <= screen.height());
    delete tip;
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, list.viewport()->mapToGlobal(at));
    QApplication::sendEvent(list.viewport(), &menuEvent);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu && menu->actions().size() == 1);
    menu->actions().constFirst()->trigger();
    menu->close();
    QCOMPARE(QGuiApplication::clipboard()->text(), huge);
}

void tst_Ui::list_looksAsAPlainList_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("short lines") << QStringList{
        u"Ann : hi"_s, u"Bob : Grüße"_s, u"Bob : 你好 🙂 مرحبا नमस्ते"_s};
    QStringList many;
    for (int i = 0; i < 40; ++i) many.append(u"Ann : line %1"_s.arg(i));
    QTest::newRow("more than fit") << many;
}

// Compared with a plain list of the same entries, what a user relies on: each row one line, tall
// enough for every glyph, below the one before; the selection filling its row exactly; the text
// starting where it starts in a plain list. Fonts and their rendering differ between machines,
// so colours are compared within a tolerance and positions within a pixel.
void tst_Ui::list_looksAsAPlainList()
{
    QFETCH(QStringList, entries);
    ConversationList list;
    QListWidget plain;
    for (QAbstractItemView *view : {(QAbstractItemView *)&list, (QAbstractItemView *)&plain}) {
        TwipsLayout::useControlFont(view);
        view->setFixedSize(345, 160);
    }
    for (const QString &entry : entries) list.appendUtf8(entry.toUtf8());
    plain.addItems(entries);
    for (QAbstractItemView *view : {(QAbstractItemView *)&list, (QAbstractItemView *)&plain}) {
        view->show();
        view->setCurrentIndex(view->model()->index(1, 0));
    }
    QVERIFY(QTest::qWaitForWindowExposed(&list) && QTest::qWaitForWindowExposed(&plain));
    QCoreApplication::processEvents();  // scroll bars are shown or hidden in a queued call
    QCOMPARE(list.verticalScrollBar()->isVisible(), plain.verticalScrollBar()->isVisible());
    const QImage ours = list.viewport()->grab().toImage(),
                 theirs = plain.viewport()->grab().toImage();
    const auto at = [](const QImage &image, int x, int y) {
        const QPoint pixel = (QPointF(x, y) * image.devicePixelRatio()).toPoint();
        return image.pixelColor(qMin(pixel.x(), image.width() - 1),
                                qMin(pixel.y(), image.height() - 1));
    };
    const auto similar = [](const QColor &a, const QColor &b) {
        return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) <=
               24;
    };
    // Where the first ink of a row's text is.
    const auto textStart = [&](const QImage &image, const QRect &row) {
        const QColor back = at(image, row.right() - 1, row.center().y());
        for (int x = row.left(); x < row.right() - 1; ++x)
            for (int y = row.top(); y <= row.bottom(); ++y)
                if (!similar(at(image, x, y), back))
                    return x;
        return -1;
    };
    const QPalette &colours = list.palette();
    int bottom = -1;
    for (int row = 0; row < entries.size(); ++row) {
        const QRect mine = list.visualRect(list.model()->index(row, 0));
        const QRect plains = plain.visualRect(plain.model()->index(row, 0));
        QCOMPARE(mine.top(), bottom + 1);
        QVERIFY(mine.height() >= plains.height() && mine.height() < 2 * plains.height());
        QCOMPARE(mine.width(), plains.width());
        bottom = mine.bottom();
        if (bottom >= list.viewport()->height())
            break;
        const QColor fill =
            row == 1 ? colours.color(QPalette::Highlight) : colours.color(QPalette::Base);
        for (int y : {mine.top(), mine.bottom()})
            QVERIFY2(similar(at(ours, mine.right() - 1, y), fill),
                     qPrintable(u"row %1"_s.arg(row)));
        if (row == 1)
            for (int y : {mine.top() - 1, mine.bottom() + 1})
                QVERIFY(!similar(at(ours, mine.right() - 1, y), fill));
        QVERIFY(qAbs(textStart(ours, mine) - textStart(theirs, plains)) <= 1);
    }
}

void tst_Ui::list_quickAppends_leaveTheViewAlone_everyRowReachable()
{
    ChatWindow chat;
    ConversationList &list = *chat.window->List1;
    chat.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(chat.window.get()));
    for (int i = 0; i < 300; ++i) chat.window->appendLine(u"line %1"_s.arg(i));
    list.scrollTo(list.model()->index(100, 0), QAbstractItemView::PositionAtTop);
    PaintCounter counter;
    list.viewport()->installEventFilter(&counter);
    QVERIFY(QTest::qWaitFor([&] { return !counter.painted.isEmpty(); }));  // the scroll, drawn
    counter.painted = QRegion();
    for (int i = 0; i < 2000; ++i) {
        chat.window->appendLine(u"Ann : %1"_s.arg(i));
        QCoreApplication::processEvents();
    }
    // Rows added below the view repaint nothing, and leave nothing to repaint: the next paint is
    // only what is asked for now. The view stays where the user put it.
    list.viewport()->update(0, 0, 1, 1);
    QVERIFY(QTest::qWaitFor([&] { return !counter.painted.isEmpty(); }));
    QCOMPARE(counter.painted, QRegion(0, 0, 1, 1));
    list.viewport()->removeEventFilter(&counter);
    QCOMPARE(list.indexAt(QPoint(2, 2)).row(), 100);
    QVERIFY(list.selectionModel()->selectedIndexes().isEmpty());

    // Every row is reachable, by the keyboard and by the mouse.
    const QModelIndex last = list.model()->index(list.count() - 1, 0);
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_End);
    QCOMPARE(list.currentIndex(), last);
    QVERIFY(list.visualRect(last).bottom() < list.viewport()->height());
    QTest::keyClick(&list, Qt::Key_Home);
    QCOMPARE(list.verticalScrollBar()->value(), 0);
    QTest::keyClick(&list, Qt::Key_PageDown);
    QVERIFY(list.currentIndex().row() > 2);
    list.scrollTo(last);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(last).center());
    QCOMPARE(list.selectionModel()->selectedIndexes(), QModelIndexList{last});
}

void tst_Ui::screenReader_hearsNamesAndNewEntries()
{
    ChatWindow chat;
    frmMain &w = *chat.window;
    // As a screen reader starting up would: the offscreen platform has no bridge of its own.
    QPlatformAccessibility *platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    const QList<QWidget *> named = {w.txtRemotePort,  w.txtLocalPort, w.txtRemoteIP, w.txtLocalIP,
                                    w.txtDisplayName, w.txtMessage,   w.List1};
    QStringList names;
    for (QWidget *widget : named)
        names.append(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name));
    QCOMPARE(names, (QStringList{u"Remote Port"_s, u"Local Port"_s, u"Remote IP Address"_s,
                                 u"Local IP Address"_s, u"Display Name"_s, u"Message"_s,
                                 u"Conversation"_s}));
    for (QLabel *caption : w.findChildren<QLabel *>())
        QVERIFY2(caption->buddy(), qPrintable(caption->objectName()));
    // A new entry is announced as one new row of the table.
    static QList<int> newRows;
    QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
        if (event->type() == QAccessible::TableModelChanged)
            newRows.append(static_cast<QAccessibleTableModelChangeEvent *>(event)->firstRow());
    });
    w.appendLine(u"Ann : hello"_s);
    QAccessible::installUpdateHandler(nullptr);
    platform->setActive(false);
    QCOMPARE(newRows, QList<int>{1});
}

void tst_Ui::oneByteEntries_costLittleEach()
{
    ConversationList list;
    list.appendUtf8("warm up");
    constexpr int Entries = 500000;
    // The limit counts 8 bytes for each entry beside its text: it takes exactly this many more.
    list.setTextLimit(7 + 8 + qint64(Entries) * (1 + 8));
    returnFreedMemory();
    const qint64 before = residentKiB();
    for (int i = 0; i < Entries; ++i) QVERIFY(list.appendUtf8("z"));
    const double perEntry = double(residentKiB() - before) * 1024 / Entries;
    QVERIFY(!list.appendUtf8("z"));
    list.append(u"Bob : hi"_s, ConversationList::Origin::Sent);  // the user's own line stays
    QCOMPARE(list.count(), Entries + 2);
    qInfo("%.2f bytes of memory for each one-byte entry", perEntry);
#ifndef __SANITIZE_ADDRESS__  // AddressSanitizer pads every allocation
    // Its byte and its word; the allocator and Qt may add half a byte an entry.
    QVERIFY2(perEntry <= 1 + 8 + 0.5, qPrintable(QString::number(perEntry)));
#endif
}

void tst_Ui::list_forgedLines_showAndReadAsThePartners()
{
    // What the list gives the delegate to draw each row with.
    struct Recorder : QStyledItemDelegate
    {
        mutable QMap<int, QStyleOptionViewItem> rows;
        void paint(QPainter *p, const QStyleOptionViewItem &o, const QModelIndex &i) const override
        {
            QStyledItemDelegate::paint(p, rows[i.row()] = o, i);
        }
    } recorder;
    const auto restore =
        qScopeGuard([p = QApplication::palette()] { QApplication::setPalette(p); });
    const QString texts[] = {StartLine, u"Connection made"_s, u"Connection made"_s,
                             u"Bob : I agree"_s, u"Bob : I agree"_s};
    const QString status = u"Status line from Parlino"_s,
                  received = u"Received from your partner"_s;
    const QString origin[] = {status, status, received, u"Sent by you"_s, received};
    for (const QPalette &palette : {QApplication::palette(), darkPalette()}) {
        QApplication::setPalette(palette);
        ChatWindow chat;
        ConversationList &list = *chat.window->List1;
        auto peer = acceptedCaller(chat);
        // The partner sends the program's own line, then the user's line before the user does.
        QVERIFY(peer && peer->write("Connection made") &&
                waitUntil([&] { return list.count() == 3; }));
        say(chat, u"Bob"_s, u"I agree"_s);
        QVERIFY(peer->write("Bob : I agree") && waitUntil([&] { return list.count() == 5; }));
        list.setItemDelegate(&recorder);
        list.viewport()->grab();
        const auto look = [&](int row) {
            const QStyleOptionViewItem &o = recorder.rows[row];
            return std::tuple(o.font.weight(), o.font.italic(), o.palette.color(QPalette::Text));
        };
        QAccessibleInterface *screenReader = QAccessible::queryAccessibleInterface(&list);
        for (int row = 0; row < 5; ++row) {
            QVERIFY(contrast(recorder.rows[row].palette, QPalette::Text, QPalette::Base) >= 4.5);
            for (int other = 0; other < 5; ++other)
                QCOMPARE(look(row) == look(other), origin[row] == origin[other]);
            QCOMPARE(screenReader->tableInterface()->cellAt(row, 0)->text(QAccessible::Description),
                     origin[row]);
            list.setCurrentIndex(list.model()->index(row, 0));
            QTest::keySequence(&list, QKeySequence::Copy);
            QCOMPARE(QGuiApplication::clipboard()->text(), texts[row]);
        }
    }
}

void tst_Ui::list_charactersDrawnAsNothing_showByTheirCode_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("invisible") << u"a\u200Bb\u2060\u2061\u2062\u2063\u2064\u00AD\u034F\uFEFF"_s
                               << u"a<U+200B>b<U+2060><U+2061><U+2062><U+2063><U+2064><U+00AD>"
                                  "<U+034F><U+FEFF>"_s;
    QTest::newRow("blank fillers")
        << u"\u115F\u1160\u3164\uFFA0\u180E"_s << u"<U+115F><U+1160><U+3164><U+FFA0><U+180E>"_s;
    QTest::newRow("outside the first plane")
        << u"id\U000E0041\U0001D173\U0001BCA0"_s << u"id<U+E0041><U+1D173><U+1BCA0>"_s;
    const QString flag =
        u"\U0001F3F4\U000E0067\U000E0062\U000E0073\U000E0063\U000E0074\U000E007F"_s;
    const QString emoji =
        u"👨\u200D👩\u200D👧 ❤\uFE0F 🏳\uFE0F\u200D🌈 👩🏽\u200D💻 1\uFE0F\u20E3 "_s +
        flag;
    QTest::newRow("emoji sequences") << emoji << emoji;
    const QString joined = u"می\u200Cخواهم क्\u200Dष 葛\U000E0100 ᠠ\u180B"_s;
    QTest::newRow("scripts that join and select") << joined << joined;
    QTest::newRow("where nothing needs them")
        << u"🙂\u200D a\u200Db\u200C a\uFE0F 🙂\uFE0F\uFE0F 🏴\U000E0067\U000E0062 ب\u200C\u200Cت"_s
        << u"🙂<U+200D> a<U+200D>b<U+200C> a<U+FE0F> 🙂\uFE0F<U+FE0F> 🏴<U+E0067><U+E0062> "
           u"ب<U+200C><U+200C>ت"_s;
}

void tst_Ui::list_charactersDrawnAsNothing_showByTheirCode()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(VisibleText::of(text), shown);
}

void tst_Ui::screenReader_longConversation_newestAndCurrentAmongFewChildren()
{
    ChatWindow chat;
    ConversationList &list = *chat.window->List1;
    for (int i = 0; i < 12000; ++i) chat.window->appendLine(u"line %1"_s.arg(i));
    list.setCurrentIndex(list.model()->index(5, 0));
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(&list);
    QAccessibleTableInterface *table = reader->tableInterface();
    QVERIFY(table->rowCount() == 12001 && reader->childCount() == 10000);
    QSet<int> rows;
    for (int i = 0; i < reader->childCount(); ++i) {
        QAccessibleInterface *cell = reader->child(i);
        QCOMPARE(reader->indexOfChild(cell), i);
        rows.insert(cell->tableCellInterface()->rowIndex());
    }
    QVERIFY(rows.size() == 10000 && rows.contains(12000) && rows.contains(5));
    // Every row stays reachable through the table, and the cells of older rows are let go.
    const QAccessible::Id first = QAccessible::uniqueId(table->cellAt(0, 0));
    for (int row = 1; row < 12001; ++row) table->cellAt(row, 0);
    QVERIFY(!QAccessible::accessibleInterface(first));
    QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), StartLine);
}

void tst_Ui::rightToLeft_windowMirrored_entriesKeepTheirDirection()
{
    // Which side of an area its ink lies nearer: -1 left, 1 right, 0 none.
    const auto inkSide = [](QWidget *widget, const QRect &area, const QColor &back) {
        const QImage image = widget->grab(area).toImage();
        int left = image.width(), right = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != back)
                    left = qMin(left, x), right = qMax(right, x);
        return right < 0 ? 0 : left < image.width() - 1 - right ? -1 : 1;
    };
    QList<QRect> placed[2];
    // Left to right last, as the other tests expect.
    for (const Qt::LayoutDirection direction : {Qt::RightToLeft, Qt::LeftToRight}) {
        QGuiApplication::setLayoutDirection(direction);
        ChatWindow chat;
        frmMain &w = *chat.window;
        for (const QString &entry : {u"Ann : hello"_s, u"أحمد : مرحبا"_s}) w.appendLine(entry);
        w.show();
        // The LTR window's geometry mirrored within the client's 465 pixels.
        for (QWidget *c : w.centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            placed[direction].append(
                c->geometry().translated(direction ? 0 : 465 - 2 * c->x() - c->width(), 0));
        // The name's caption shows beside its box, boxes start at the window's leading edge,
        // and each entry reads from its own side, whichever way the window runs.
        const QRegion beside = QRegion(w.DisplayName->geometry()) - w.txtDisplayName->geometry();
        QVERIFY(inkSide(w.centralWidget(), beside.boundingRect(), QColor(255, 255, 0)) != 0);
        const QColor base = w.List1->palette().color(QPalette::Base);
        QCOMPARE(inkSide(w.txtLocalPort, w.txtLocalPort->rect().adjusted(3, 3, -3, -3), base),
                 direction == Qt::LeftToRight ? -1 : 1);
        for (int row : {1, 2})
            QCOMPARE(inkSide(w.List1->viewport(),
                             w.List1->visualRect(w.List1->model()->index(row, 0)), base),
                     row == 1 ? -1 : 1);
    }
    QCOMPARE(placed[Qt::RightToLeft], placed[Qt::LeftToRight]);
}

QTEST_MAIN(tst_Ui)
#include "tst_ui.moc"
