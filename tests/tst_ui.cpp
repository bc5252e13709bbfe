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

// Fonts and their rendering differ between machines: colours are compared within a tolerance.
bool similar(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) <= 24;
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

}  // namespace

class tst_Ui : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    // First, while the allocator holds little memory freed by other tests.
    void list_tallRowsPastWhatAnIntPlaces_everyRowReachable();
    void freshStart_oneLineListening_keysInTabOrderAndSeen_aboutModal_realBoxesPlainText();
    void userLanguage_translatedOnlyWhereParlinoIs_rightToLeftMirrored_forgedLinesInAnyTheme();
    void list_entriesOnOneLine_tooltipsFit_copiesWhole_appendsLeaveTheView_readerFindsNewest();
    void list_looksAsAPlainList_data();
    void list_looksAsAPlainList();
};

void tst_Ui::freshStart_oneLineListening_keysInTabOrderAndSeen_aboutModal_realBoxesPlainText()
{
    Recorder recorder;
    ChatWindow chat;
    ScriptedWindow &w = *chat.window;
    QCOMPARE(chat.lines(), QStringList{chat.startLine()});
    QVERIFY(!QHostAddress(w.txtLocalIP->text()).isNull());
    // A click on Connect delivered through the window system, so that a modal box can block it.
    const auto clickConnect = [&w] {
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {},
                          w.cmdConnect->mapTo(&w, w.cmdConnect->rect().center()));
    };

    // The keyboard: the focus starts on the list and goes round in tab order. The focus is plain
    // to see: just outside the focused control, at its sides, a colour that stands out 3:1 from
    // what is there without the focus, and from the window's green; at three sides of four at
    // least, since a neighbour's text may lie under one of them.
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.List1);
    w.List1->clearFocus();
    const QImage unfocused = w.grab().toImage();
    w.List1->setFocus();
    for (QWidget *next : std::initializer_list<QWidget *>{
             w.txtRemotePort, w.txtLocalPort, w.txtRemoteIP, w.txtLocalIP, w.txtMessage, w.cmdSend,
             w.cmdConnect, w.cmdDissconnect, w.cmdListen, w.cmdAbout, w.txtDisplayName, w.List1}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
        const QImage focused = w.grab().toImage();
        const QRect r = QRect(next->mapTo(&w, QPoint(0, 0)), next->size()).adjusted(-2, -2, 2, 2);
        int plain = 0;
        for (QPoint p : {QPoint(r.left(), r.center().y()), QPoint(r.center().x(), r.top()),
                         QPoint(r.right(), r.center().y()), QPoint(r.center().x(), r.bottom())}) {
            p *= focused.devicePixelRatio();
            const QColor ring = focused.pixelColor(p);
            plain += contrast(ring, unfocused.pixelColor(p)) >= 3 &&
                     contrast(ring, QColor(0, 192, 0)) >= 3;
        }
        QVERIFY2(plain >= 3, qPrintable(next->objectName()));
    }
    // The focused list marks its current row, where the style draws the focus ring.
    w.List1->setItemDelegate(&recorder);
    w.List1->viewport()->repaint();
    QVERIFY(recorder.rows.value(0).state & QStyle::State_HasFocus);

    // Enter on a focused button presses it.
    w.cmdListen->setFocus();
    QTest::keyClick(w.cmdListen, Qt::Key_Return);
    QTRY_COMPARE(chat.lines(), (QStringList{chat.startLine(), chat.listenLine()}));

    // The About box, modal over the window: only its own Close button closes it.
    QString seen;
    QTimer::singleShot(0, &w, [&] {
        auto *box = qobject_cast<frmAbout *>(QApplication::activeModalWidget());
        QVERIFY(box);
        const auto closeAnyway = qScopeGuard([box] { box->close(); });
        QVERIFY(QTest::qWaitForWindowActive(box));
        seen = box->windowTitle() + u' ' + box->lblVersion->text();
        // The big title fits its label in whichever face stands in for Comic Sans MS.
        QVERIFY(QFontMetrics(box->Label1->font()).boundingRect(box->Label1->text()).width() <=
                box->Label1->width());
        // Esc and Tab leave it open, and the main window takes no input meanwhile.
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Tab}) QTest::keyClick(box->windowHandle(), key);
        clickConnect();
        QVERIFY(box->isVisible() && w.errors.isEmpty());
        QCOMPARE(QApplication::focusWidget(), box->cmdClose);
        QTest::keyClick(box->windowHandle(), Qt::Key_Return);
        QTRY_VERIFY(!box->isVisible());
    });
    w.mnuHelpAbout->trigger();
    QCOMPARE(seen, u"About Version 0.1.1"_s);

    // Closed, it gives the main window back.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    clickConnect();
    QCOMPARE(w.errors, QStringList{u"You must give me a Remote IP Address to connect to."_s});

    // The one test of real boxes: they must show a peer's or user's text literally; a question
    // still open when the program ends closes, as No.
    const QString text = u"You are already connected to: <b>a</b> & <i>bYou must"_s;
    QStringList shown;
    QTimer::singleShot(0, &w, [&] {
        QTRY_VERIFY(qobject_cast<QMessageBox *>(QApplication::activeModalWidget()));
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        shown = {box->windowTitle(), box->text(), QString::number(box->textFormat())};
        box->button(QMessageBox::Ok)->click();
    });
    MessageBoxes::showError(&w, text);
    QCOMPARE(shown, (QStringList{u"Error"_s, text, QString::number(Qt::PlainText)}));
    // The question returns at once, its box modal over the window alone, and nothing runs an
    // event loop of its own while it is open.
    frmMain real;
    real.show();
    std::optional<bool> answer;
    real.askYesNo(u"Connection Request"_s, u"<b>?</b>"_s, [&](bool yes) { answer = yes; });
    auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    QVERIFY(question && question->isVisible() && !answer);
    QCOMPARE(question->windowModality(), Qt::WindowModal);
    QCOMPARE(question->text(), u"<b>?</b>"_s);
    QCOMPARE(question->textFormat(), Qt::PlainText);
    real.closeForGood();
    QCOMPARE(answer, std::optional(false));
    QTRY_COMPARE(QApplication::activeModalWidget(), nullptr);
}

// A button, the start-up line, an Error box, and Qt's own Yes: all in the user's language, or all
// in English. Qt speaks Czech, Parlino does not: Qt's buttons stay English to match the rest.
// Written from right to left (Arabic), the window is mirrored: the name's caption shows beside its
// box, boxes start at the window's leading edge, and each entry reads from its own side. Lines a
// partner forges show and read as the partner's, in the desktop's theme and in a dark one.
void tst_Ui::userLanguage_translatedOnlyWhereParlinoIs_rightToLeftMirrored_forgedLinesInAnyTheme()
{
    Recorder recorder;
    const auto restore =
        qScopeGuard([p = QApplication::palette()] { QApplication::setPalette(p); });
    const char *status = "Status line from Parlino", *received = "Received from your partner";
    const char *origin[] = {status, status, status, received, "Sent by you", received};
    // Which side of an area its ink lies nearer: -1 left, 1 right, 0 none.
    const auto inkSide = [](QWidget *widget, const QRect &area, const QColor &back) {
        const auto [first, last] = inkColumns(widget, area, back);
        return first < 0 ? 0 : first - area.left() < area.right() - last ? -1 : 1;
    };
    QList<QRect> placed[2];
    for (const auto &[locale, palette] :
         {std::pair(QLocale(QLocale::Arabic, QLocale::Egypt), QApplication::palette()),
          std::pair(QLocale(QLocale::Czech, QLocale::CzechRepublic),
                    QPalette(Qt::darkGray, Qt::black))}) {
        QApplication::setPalette(palette);
        const bool arabic = locale.language() == QLocale::Arabic;
        // A translator leaves the application as it is deleted.
        const auto untranslate =
            qScopeGuard([] { qDeleteAll(qApp->findChildren<QTranslator *>()); });
        QCOMPARE(installTranslations(locale), arabic);
        const Qt::LayoutDirection direction = QGuiApplication::layoutDirection();
        QCOMPARE(direction == Qt::RightToLeft, arabic);
        ChatWindow chat;
        ScriptedWindow &w = *chat.window;
        ConversationList &list = *w.List1;
        w.cmdSend->click();
        const QStringList shown = {w.cmdConnect->text(), chat.lines().value(0), w.errors.value(0),
                                   QCoreApplication::translate("QPlatformTheme", "&Yes")};
        const QStringList english = {u"Connect"_s, chat.startLine(), NotConnected, u"&Yes"_s};
        for (qsizetype i = 0; i < shown.size(); ++i)
            QVERIFY2((shown[i] == english[i]) != arabic, qPrintable(shown[i]));
        // The captions' fixed colours stay readable in a dark theme too.
        for (QLabel *caption : w.findChildren<QLabel *>())
            QVERIFY(contrast(caption->palette().color(QPalette::WindowText),
                             caption->palette().color(QPalette::Window)) >= 4.5);

        // The partner sends the program's own line, then the user's line after the user.
        auto peer = acceptedCaller(chat);
        QVERIFY(peer && peer->write("Connection made") &&
                waitUntil([&] { return list.count() == 4; }));
        say(chat, u"أحمد"_s, u"مرحبا"_s);
        QVERIFY(peer->write(u"أحمد : مرحبا"_s.toUtf8()) &&
                waitUntil([&] { return list.count() == 6; }));
        w.show();
        // The LTR window's geometry mirrored within the client's 465 pixels.
        for (QWidget *c : w.centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            placed[direction].append(
                c->geometry().translated(direction ? 0 : 465 - 2 * c->x() - c->width(), 0));
        const QRegion beside = QRegion(w.DisplayName->geometry()) - w.txtDisplayName->geometry();
        QVERIFY(inkSide(w.centralWidget(), beside.boundingRect(), QColor(255, 255, 0)) != 0);
        const QColor base = list.palette().color(QPalette::Base);
        QCOMPARE(inkSide(w.txtLocalPort, w.txtLocalPort->rect().adjusted(3, 3, -3, -3), base),
                 arabic ? 1 : -1);
        for (int row : {3, 4})
            QCOMPARE(inkSide(list.viewport(), list.visualRect(list.model()->index(row, 0)), base),
                     row == 3 ? -1 : 1);

        list.setItemDelegate(&recorder);
        list.viewport()->grab();
        const auto look = [&](int row) {
            const QStyleOptionViewItem &o = recorder.rows[row];
            return std::tuple(o.font.weight(), o.font.italic(), o.palette.color(QPalette::Text));
        };
        QAccessibleTableInterface *table =
            QAccessible::queryAccessibleInterface(&list)->tableInterface();
        for (int row = 0; row < 6; ++row) {
            const QPalette &colours = recorder.rows[row].palette;
            QVERIFY(contrast(colours.color(QPalette::Text), colours.color(QPalette::Base)) >= 4.5);
            for (int other = 0; other < 6; ++other)
                QCOMPARE(look(row) == look(other), origin[row] == origin[other]);
            QCOMPARE(table->cellAt(row, 0)->text(QAccessible::Description),
                     QCoreApplication::translate("ConversationEntryAccessible", origin[row]));
        }
    }
    QCOMPARE(placed[Qt::RightToLeft], placed[Qt::LeftToRight]);
}

void tst_Ui::list_entriesOnOneLine_tooltipsFit_copiesWhole_appendsLeaveTheView_readerFindsNewest()
{
    Recorder recorder;
    ChatWindow chat;
    ConversationList &list = *chat.window->List1;
    list.setItemDelegate(&recorder);
    const QString huge = u"<b>"_s + QString(1 << 20, u'x');
    // A single character that never ends: a chain of joined emoji.
    const QString chain = u"👩"_s + QString(u"\u200D👩"_s).repeated(700);
    const QString controls = u"netcat line\r\n\tpara\u2029nul:\0bell:\a del:\x7F"_s;
    const QString cut = QString(ConversationModel::ShownCharacters - 1, u'a') + u"🙂🙂"_s;
    for (const QString &entry : {huge, chain, controls, cut}) chat.window->appendLine(entry);
    // A row shows the beginning of its entry on one line, never half a character; a screen
    // reader hears the whole entry, as the list shows it.
    const QString controlsShown = u"netcat line   para nul:^@bell:^G del:^?"_s;
    QCOMPARE(list.model()->index(3, 0).data().toString(), controlsShown);
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
    QCOMPARE(list.model()->index(4, 0).data().toString(), cut.chopped(4) + u'…');
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(&list);
    QAccessibleTableInterface *table = reader->tableInterface();
    QCOMPARE(table->cellAt(3, 0)->text(QAccessible::Name), controlsShown);
    QCOMPARE(table->cellAt(4, 0)->text(QAccessible::Name), cut);
    const QModelIndex entry = list.model()->index(1, 0);
    QCOMPARE(
        entry.data(Qt::ToolTipRole).toString().remove(QChar(0x200B)),
        u"<p>&lt;b&gt;"_s + QString(ConversationModel::ToolTipCharacters - 3, u'x') + u"…</p>"_s);
    // Ctrl+C copies all of it.
    list.setCurrentIndex(entry);
    QTest::keySequence(&list, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), huge);

    // A long conversation, scrolled back by the user.
    chat.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(chat.window.get()));
    for (int i = 0; i < 300; ++i) chat.window->appendLine(u"line %1"_s.arg(i));
    list.scrollTo(list.model()->index(100, 0), QAbstractItemView::PositionAtTop);
    QVERIFY(QTest::qWaitFor([&] { return recorder.rows.contains(100); }));  // the scroll, drawn
    recorder.rows.clear();
    for (int i = 0; i < 2000; ++i) {
        chat.window->appendLine(u"Ann : %1"_s.arg(i));
        QCoreApplication::processEvents();
    }
    // Rows added below the view repaint nothing, and leave nothing to repaint: the next paint is
    // only what is asked for now, the row at the top, where the user put it.
    list.viewport()->update(0, 0, 1, 1);
    QVERIFY(QTest::qWaitFor([&] { return !recorder.rows.isEmpty(); }));
    QCOMPARE(recorder.rows.keys(), QList<int>{100});
    QCOMPARE(list.currentIndex().row(), 1);

    // A screen reader's children, far fewer than the rows, are the current entry and the newest
    // ones; every row stays reachable through the table, and older cells are let go.
    for (int i = 0; i < 28000; ++i) chat.window->appendLine(u"line %1"_s.arg(i));
    const int rows = list.count();
    list.setCurrentIndex(list.model()->index(5, 0));
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

    // Back at the top, each tooltip, laid out as QToolTip lays it out, fits the screen, and the
    // context menu copies all of an entry too.
    list.scrollToTop();
    const QRect screen(QPoint(), QGuiApplication::primaryScreen()->availableGeometry().size());
    for (int row : {1, 2}) {
        const QPoint at = list.visualRect(list.model()->index(row, 0)).center();
        QHelpEvent tipEvent(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
        QApplication::sendEvent(list.viewport(), &tipEvent);
        QWidget *tip = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            tip = top->inherits("QTipLabel") ? top : tip;
        QVERIFY2(tip && screen.contains(tip->rect()), qPrintable(u"row %1"_s.arg(row)));
        delete tip;
    }
    const QPoint at = list.visualRect(list.model()->index(4, 0)).center();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, list.viewport()->mapToGlobal(at));
    QApplication::sendEvent(list.viewport(), &menuEvent);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu && menu->actions().size() == 1);
    menu->actions().constFirst()->trigger();
    menu->close();
    QCOMPARE(QGuiApplication::clipboard()->text(), cut);
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
    const auto colourAt = [](QWidget *widget, QPoint at) {
        return widget->grab(QRect(at, QSize(1, 1))).toImage().pixelColor(0, 0);
    };
    const auto textStart = [&](QAbstractItemView *view, const QRect &row) {
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

void tst_Ui::list_tallRowsPastWhatAnIntPlaces_everyRowReachable()
{
    // A flood of empty entries fills the conversation to its limit, in memory too, at 8 bytes
    // each and not a page more for every chunk of them: more rows, 200 pixels tall (a large font,
    // a scale factor, a style sheet), than an int's 2^31 pixels.
    ConversationList list;
    list.setStyleSheet(u"ConversationList::item { height: 200px }"_s);
    list.resize(300, 700);
    constexpr qint64 Limit = 96 << 20;
    list.setTextLimit(Limit);
    list.appendUtf8({});  // the first row measures the font
    returnFreedMemory();
    const qint64 before = residentKiB();
    while (list.appendUtf8({}) && list.count() < 20'000'000) {
    }
    const qint64 taken = (residentKiB() - before) * 1024;
    qInfo("%d entries, %.3f bytes of memory each", list.count(), double(taken) / list.count());
#ifndef __SANITIZE_ADDRESS__  // AddressSanitizer pads every allocation
    QVERIFY2(taken <= Limit + Limit / 256, qPrintable(QString::number(taken)));
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

QTEST_MAIN(tst_Ui)
#include "tst_ui.moc"
