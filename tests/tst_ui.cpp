// SPDX-License-Identifier: MIT
// The windows as they open: what they show, how they are drawn, how the keyboard moves in them; the
// About box, modal over the main window; the real message box; the conversation list, one line per
// entry, and what assistive technologies see of it.
#include "contrast.h"
#include "conversationmodel.h"
#include "frmabout.h"
#include "messageboxes.h"
#include "parlinotest.h"
#include "translations.h"
#include "twipslayout.h"
#include "visibletext.h"

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

// Fonts and their rendering differ between machines: colours are compared within a tolerance.
bool similar(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) <= 24;
}

QColor colourAt(QWidget *widget, QPoint at)
{
    return widget->grab(QRect(at, QSize(1, 1))).toImage().pixelColor(0, 0);
}

// The first and the last column where a widget draws something other than `back` in an area.
std::pair<int, int> inkColumns(QWidget *widget, const QRect &area, const QColor &back)
{
    const QImage image = widget->grab(area).toImage();
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (!similar(image.pixelColor(x, y), back))
                last = x, first = first < 0 ? x : first;
    const qreal scale = image.devicePixelRatio();
    return first < 0 ? std::pair(-1, -1)
                     : std::pair(area.left() + int(first / scale), area.left() + int(last / scale));
}

// What a list gives its delegate to draw each row with.
struct Recorder : QStyledItemDelegate
{
    mutable QMap<int, QStyleOptionViewItem> rows;
    void paint(QPainter *p, const QStyleOptionViewItem &o, const QModelIndex &i) const override
    {
        QStyledItemDelegate::paint(p, rows[i.row()] = o, i);
    }
};

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
    void freshStart_showsOneLineAndListens_inItsColours_keysInTabOrder_aboutIsModal();
    void realBoxes_plainText_questionClosesWithTheProgram();
    void userLanguage_translatedOnlyWhereParlinoIs_data();
    void userLanguage_translatedOnlyWhereParlinoIs();
    void list_entriesOnOneLine_tooltipsFitTheScreen_copiesWhole();
    void list_looksAsAPlainList_data();
    void list_looksAsAPlainList();
    void list_longConversation_appendsLeaveTheView_readerFindsNewestAndCurrent();
    void list_tallRowsPastWhatAnIntPlaces_everyRowReachable();
    void list_forgedLines_showAndReadAsThePartners_inAnyTheme();
    void rightToLeft_windowMirrored_entriesKeepTheirDirection();
};

void tst_Ui::freshStart_showsOneLineAndListens_inItsColours_keysInTabOrder_aboutIsModal()
{
    Recorder recorder;
    ChatWindow chat;
    frmMain &w = *chat.window;
    QCOMPARE(chat.lines(), QStringList{chat.startLine()});
    QVERIFY(!QHostAddress(w.txtLocalIP->text()).isNull());
    QVERIFY(chat.window->errors.isEmpty() && chat.state() == Winsock::sckListening);

    // The keyboard: the focus starts on the list and goes round in tab order.
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
    // The focused list marks its current row, where the style draws the focus ring.
    w.List1->setItemDelegate(&recorder);
    w.List1->viewport()->repaint();
    QVERIFY(recorder.rows.value(0).state & QStyle::State_HasFocus);

    // Enter in a box presses no button: nothing is connected, sent or refused.
    w.txtRemoteIP->setText(u"127.0.0.1"_s);
    w.txtMessage->setText(u"hello"_s);
    w.txtMessage->setFocus();
    QTest::keyClick(w.txtMessage, Qt::Key_Return);
    QTest::keyClick(w.txtMessage, Qt::Key_Enter);
    QVERIFY(chat.lines().size() == 1 && chat.window->errors.isEmpty());
    QCOMPARE(w.txtMessage->text(), u"hello"_s);
    // Enter on a focused button presses it.
    w.cmdListen->setFocus();
    QTest::keyClick(w.cmdListen, Qt::Key_Return);
    QTRY_COMPARE(chat.lines(), (QStringList{chat.startLine(), chat.listenLine()}));

    // The About box, modal over the window: only its own close controls close it.
    w.txtRemoteIP->clear();
    QStringList seen;
    const auto whileOpen = [&] {
        auto *box = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        QVERIFY(box);
        const auto closeAnyway = qScopeGuard([box] { box->close(); });
        QVERIFY(QTest::qWaitForWindowActive(box));
        seen.append(box->windowTitle() + u' ' + box->lblVersion->text());
        // The big title fits its label in whichever face stands in for Comic Sans MS.
        QVERIFY(QFontMetrics(box->Label1->font()).boundingRect(box->Label1->text()).width() <=
                box->Label1->width());
        // Esc and Tab leave it open, and the main window takes no input meanwhile.
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Tab}) QTest::keyClick(box->windowHandle(), key);
        clickThroughWindow(chat.window->cmdConnect);
        QVERIFY(box->isVisible() && chat.window->errors.isEmpty());
        QCOMPARE(QApplication::focusWidget(), box->cmdClose);
        // Enter on its Close button closes it the first time, the title bar's close box the second.
        seen.size() == 1 ? QTest::keyClick(box->windowHandle(), Qt::Key_Return)
                         : (void)box->windowHandle()->close();
        QTRY_VERIFY(!box->isVisible());
    };
    QTimer::singleShot(0, whileOpen);
    chat.window->cmdAbout->click();
    QTimer::singleShot(0, whileOpen);
    chat.window->mnuHelpAbout->trigger();
    QCOMPARE(seen, QStringList(2, u"About Version 0.1.1"_s));

    // Closed, it gives the main window back.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    clickThroughWindow(chat.window->cmdConnect);
    QCOMPARE(chat.window->errors,
             QStringList{u"You must give me a Remote IP Address to connect to."_s});
}

void tst_Ui::realBoxes_plainText_questionClosesWithTheProgram()
{
    // The one test of real boxes: they must show a peer's or user's text literally.
    QWidget owner;
    const QString text = u"You are already connected to: <b>a</b> & <i>bYou must"_s;
    QStringList shown;
    QTimer::singleShot(0, &owner, [&] {
        QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        shown = {box->windowTitle(), box->text(),
                 u"%1 %2 %3"_s.arg(box->textFormat()).arg(box->icon()).arg(box->buttons().size())};
        box->button(QMessageBox::Ok)->click();
    });
    MessageBoxes::showError(&owner, text);
    QCOMPARE(shown, (QStringList{u"Error"_s, text,
                                 u"%1 %2 1"_s.arg(Qt::PlainText).arg(QMessageBox::Information)}));
    // A question still open when the program ends closes, as No.
    frmMain window;
    QTimer::singleShot(0, &window, [&] {
        QTRY_VERIFY(QApplication::activeModalWidget());
        window.closeForGood();
    });
    QVERIFY(!window.askYesNo(u"Connection Request"_s, u"?"_s));
}

void tst_Ui::userLanguage_translatedOnlyWhereParlinoIs_data()
{
    QTest::addColumn<QLocale>("locale");
    // Written from right to left, the window is mirrored.
    QTest::newRow("Arabic") << QLocale(QLocale::Arabic, QLocale::Egypt);
    // Qt speaks Czech, Parlino does not: Qt's buttons stay English to match the rest.
    QTest::newRow("Czech") << QLocale(QLocale::Czech, QLocale::CzechRepublic);
}

// A button, the start-up line, an Error box, and Qt's own Yes: all in the user's language, or
// all in English.
void tst_Ui::userLanguage_translatedOnlyWhereParlinoIs()
{
    QFETCH(QLocale, locale);
    const bool arabic = locale.language() == QLocale::Arabic;
    QCOMPARE(installTranslations(locale), arabic);
    QCOMPARE(QGuiApplication::layoutDirection() == Qt::RightToLeft, arabic);
    QStringList shown, english;
    {
        ChatWindow chat;
        chat.window->cmdSend->click();
        shown = {chat.window->cmdConnect->text(), chat.lines().value(0),
                 chat.window->errors.value(0),
                 QCoreApplication::translate("QPlatformTheme", "&Yes")};
        english = {u"Connect"_s, chat.startLine(), NotConnected, u"&Yes"_s};
    }
    for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    for (qsizetype i = 0; i < shown.size(); ++i)
        QVERIFY2((shown[i] == english[i]) != arabic, qPrintable(shown[i]));
}

void tst_Ui::list_entriesOnOneLine_tooltipsFitTheScreen_copiesWhole()
{
    ChatWindow chat;
    ConversationList &list = *chat.window->List1;
    const QString huge = u"<b>"_s + QString(1 << 20, u'x');
    // A single character that never ends: a chain of joined emoji.
    QString chain = u"👩"_s;
    for (int i = 0; i < 700; ++i) chain += u"\u200D👩"_s;
    const QString controls = u"netcat line\r\n\tpara\u2029nul:\0bell:\a del:\x7F"_s;
    const QString cut = QString(ConversationModel::ShownCharacters - 1, u'a') + u"🙂🙂"_s;
    const QStringList entries = {huge, chain, controls, cut};
    for (const QString &entry : entries) chat.window->appendLine(entry);
    QCOMPARE(chat.lines().mid(1), entries);
    // A row shows the beginning of its entry on one line, never half a character; a screen
    // reader hears the whole entry, as the list shows it.
    const auto shown = [&](int row) {
        return list.model()->index(row, 0).data().toString();
    };
    QCOMPARE(shown(3), u"netcat line   para nul:^@bell:^G del:^?"_s);
    // Characters drawn as nothing, turning the text, in tags or in a font of their own show as
    // what they are; joiners and selectors stay where a sequence or a script needs them.
    QCOMPARE(VisibleText::of(u"a\u200Bb\u00AD\u3164\uFEFF\U0001D173\uFFF9c\u202Egpj <b>x</b> "
                             u"🏴\U000E0068\U000E007F 𝗕𝗼𝗯 ℂ𝟭 🙂\u200D a\uFE0F"_s),
             u"a<U+200B>b<U+00AD><U+3164><U+FEFF><U+1D173><U+FFF9>c<U+202E>gpj <b>x</b> "
             u"🏴<U+E0068><U+E007F> Bob C1 🙂<U+200D> a<U+FE0F>"_s);
    const QString joined =
        u"👨\u200D👩\u200D👧 ❤\uFE0F 1\uFE0F\u20E3 \U0001F3F4\U000E0067\U000E0062"
        u"\U000E0073\U000E0063\U000E0074\U000E007F می\u200Cخواهم क्\u200Dष 葛\U000E0100"_s;
    QCOMPARE(VisibleText::of(joined), joined);
    QCOMPARE(shown(4), cut.chopped(4) + u'…');
    QAccessibleTableInterface *table =
        QAccessible::queryAccessibleInterface(&list)->tableInterface();
    QCOMPARE(table->cellAt(3, 0)->text(QAccessible::Name), shown(3));
    QCOMPARE(table->cellAt(4, 0)->text(QAccessible::Name), cut);
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
    // Each tooltip, laid out as QToolTip lays it out, fits the screen.
    for (int row : {1, 2}) {
        const QPoint at = list.visualRect(list.model()->index(row, 0)).center();
        QHelpEvent tipEvent(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
        QApplication::sendEvent(list.viewport(), &tipEvent);
        QWidget *tip = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            tip = top->inherits("QTipLabel") ? top : tip;
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        QVERIFY2(tip && tip->width() <= screen.width() && tip->height() <= screen.height(),
                 qPrintable(u"row %1"_s.arg(row)));
        delete tip;
    }
    const QPoint at = list.visualRect(entry).center();
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
    QTest::addColumn<int>("count");
    QTest::newRow("short lines") << 3;
    QTest::newRow("more than fit") << 40;
}

// Compared with a plain list of the same entries, what a user relies on: each row one line, tall
// enough for every glyph, below the one before; the selection filling its row exactly; the text
// starting where it starts in a plain list, within a pixel.
void tst_Ui::list_looksAsAPlainList()
{
    QFETCH(int, count);
    QStringList entries = {u"Ann : hi"_s, u"Bob : Grüße"_s,
                           u"Bob : 你好 🙂 مرحبا नमस्ते"_s};
    while (entries.size() < count) entries.append(u"Ann : line %1"_s.arg(entries.size()));
    ConversationList list;
    QListWidget plain;
    const QList<QAbstractItemView *> views = {&list, &plain};
    for (QAbstractItemView *view : views) {
        TwipsLayout::useControlFont(view);
        view->setFixedSize(345, 160);
    }
    for (const QString &entry : entries) list.appendUtf8(entry.toUtf8());
    plain.addItems(entries);
    for (QAbstractItemView *view : views) {
        view->show();
        view->setCurrentIndex(view->model()->index(1, 0));
    }
    QVERIFY(QTest::qWaitForWindowExposed(&list) && QTest::qWaitForWindowExposed(&plain));
    QCoreApplication::processEvents();  // scroll bars are shown or hidden in a queued call
    QCOMPARE(list.verticalScrollBar()->isVisible(), plain.verticalScrollBar()->isVisible());
    const auto textStart = [](QAbstractItemView *view, const QRect &row) {
        const QColor fill = colourAt(view->viewport(), QPoint(row.right() - 1, row.center().y()));
        return inkColumns(view->viewport(), row.adjusted(0, 0, -2, 0), fill).first;
    };
    const QPalette &colours = list.palette();
    for (int row = 0, bottom = -1; row < entries.size(); ++row) {
        const QRect mine = list.visualRect(list.model()->index(row, 0));
        const QRect plains = plain.visualRect(plain.model()->index(row, 0));
        QCOMPARE(mine.top(), bottom + 1);
        QVERIFY(mine.height() >= plains.height() && mine.height() < 2 * plains.height());
        QCOMPARE(mine.width(), plains.width());
        bottom = mine.bottom();
        if (bottom >= list.viewport()->height())
            break;
        const QColor fill = colours.color(row == 1 ? QPalette::Highlight : QPalette::Base);
        for (int y : {mine.top(), mine.bottom()})
            QVERIFY2(similar(colourAt(list.viewport(), QPoint(mine.right() - 1, y)), fill),
                     qPrintable(u"row %1"_s.arg(row)));
        if (row == 1)
            for (int y : {mine.top() - 1, mine.bottom() + 1})
                QVERIFY(!similar(colourAt(list.viewport(), QPoint(mine.right() - 1, y)), fill));
        QVERIFY(qAbs(textStart(&list, mine) - textStart(&plain, plains)) <= 1);
    }
}

void tst_Ui::list_longConversation_appendsLeaveTheView_readerFindsNewestAndCurrent()
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

    // A screen reader's children, far fewer than the rows, are the current entry and the newest
    // ones; every row stays reachable through the table, and older cells are let go.
    for (int i = 0; i < 28000; ++i) chat.window->appendLine(u"line %1"_s.arg(i));
    const int rows = list.count();
    list.setCurrentIndex(list.model()->index(5, 0));
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(&list);
    QAccessibleTableInterface *table = reader->tableInterface();
    const int children = reader->childCount();
    const auto rowOfChild = [&](int i) {
        QAccessibleInterface *cell = reader->child(i);
        return reader->indexOfChild(cell) == i ? cell->tableCellInterface()->rowIndex() : -1;
    };
    QVERIFY(children < rows / 2 && table->rowCount() == rows);
    QVERIFY(rowOfChild(0) == 5 && rowOfChild(1) == rows - children + 1);
    QCOMPARE(rowOfChild(children - 1), rows - 1);
    const QAccessible::Id first = QAccessible::uniqueId(table->cellAt(0, 0));
    for (int row = 1; row < rows; ++row) table->cellAt(row, 0);
    QVERIFY(!QAccessible::accessibleInterface(first));
    QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), chat.startLine());
}

void tst_Ui::list_tallRowsPastWhatAnIntPlaces_everyRowReachable()
{
    // A flood of empty entries fills the conversation to its limit, in memory too: more rows,
    // 200 pixels tall (a large font, a scale factor, a style sheet), than an int's 2^31 pixels.
    ConversationList list;
    list.setStyleSheet(u"ConversationList::item { height: 200px }"_s);
    list.resize(300, 700);
    constexpr qint64 Limit = 96 << 20;
    list.setTextLimit(Limit);
    returnFreedMemory();
    const qint64 before = residentKiB();
    while (list.appendUtf8({}) && list.count() < 20'000'000) {
    }
    const qint64 taken = (residentKiB() - before) * 1024;
    qInfo("%d entries, %.2f bytes of memory each", list.count(), double(taken) / list.count());
#ifndef __SANITIZE_ADDRESS__  // AddressSanitizer pads every allocation
    QVERIFY2(taken <= Limit + Limit / 16, qPrintable(QString::number(taken)));
#endif
    QVERIFY(!list.appendUtf8({}) && list.count() > (qint64(1) << 31) / 200);
    list.append(u"Bob : hi"_s, ConversationList::Origin::Sent);  // the user's own line is kept
    QCOMPARE(list.entry(list.count() - 1), u"Bob : hi"_s);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(list.visualRect(list.model()->index(0, 0)).height(), 200);

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

void tst_Ui::list_forgedLines_showAndReadAsThePartners_inAnyTheme()
{
    Recorder recorder;
    const auto restore =
        qScopeGuard([p = QApplication::palette()] { QApplication::setPalette(p); });
    QString texts[] = {QString(),
                       u"Connection made"_s,
                       u"This conversation is not encrypted."_s,
                       u"Connection made"_s,
                       u"Bob : I agree"_s,
                       u"Bob : I agree"_s};
    const QString status = u"Status line from Parlino"_s,
                  received = u"Received from your partner"_s;
    const QString origin[] = {status, status, status, received, u"Sent by you"_s, received};
    // The desktop's theme, and a dark one.
    for (const QPalette &palette : {QApplication::palette(), QPalette(Qt::darkGray, Qt::black)}) {
        QApplication::setPalette(palette);
        ChatWindow chat;
        ConversationList &list = *chat.window->List1;
        // The captions' fixed colours stay readable in a dark theme too.
        for (QLabel *caption : chat.window->findChildren<QLabel *>())
            QVERIFY(contrast(caption->palette().color(QPalette::WindowText),
                             caption->palette().color(QPalette::Window)) >= 4.5);
        auto peer = acceptedCaller(chat);
        // The partner sends the program's own line, then the user's line before the user does.
        texts[0] = chat.startLine();
        QVERIFY(peer && peer->write("Connection made") &&
                waitUntil([&] { return list.count() == 4; }));
        say(chat, u"Bob"_s, u"I agree"_s);
        QVERIFY(peer->write("Bob : I agree") && waitUntil([&] { return list.count() == 6; }));
        list.setItemDelegate(&recorder);
        list.viewport()->grab();
        const auto look = [&](int row) {
            const QStyleOptionViewItem &o = recorder.rows[row];
            return std::tuple(o.font.weight(), o.font.italic(), o.palette.color(QPalette::Text));
        };
        QAccessibleInterface *screenReader = QAccessible::queryAccessibleInterface(&list);
        for (int row = 0; row < 6; ++row) {
            const QPalette &colours = recorder.rows[row].palette;
            QVERIFY(contrast(colours.color(QPalette::Text), colours.color(QPalette::Base)) >= 4.5);
            for (int other = 0; other < 6; ++other)
                QCOMPARE(look(row) == look(other), origin[row] == origin[other]);
            QCOMPARE(screenReader->tableInterface()->cellAt(row, 0)->text(QAccessible::Description),
                     origin[row]);
            list.setCurrentIndex(list.model()->index(row, 0));
            QTest::keySequence(&list, QKeySequence::Copy);
            QCOMPARE(QGuiApplication::clipboard()->text(), texts[row]);
        }
    }
}

void tst_Ui::rightToLeft_windowMirrored_entriesKeepTheirDirection()
{
    // Which side of an area its ink lies nearer: -1 left, 1 right, 0 none.
    const auto inkSide = [](QWidget *widget, const QRect &area, const QColor &back) {
        const auto [first, last] = inkColumns(widget, area, back);
        return first < 0 ? 0 : first - area.left() < area.right() - last ? -1 : 1;
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
