// SPDX-License-Identifier: MIT
// The windows as they open: what they show, how they are drawn, how the keyboard moves in them; the
// real message boxes; the user's language and its direction; the conversation list, one line per
// entry, and what assistive technologies see of it.
#include "contrast.h"
#include "conversationmodel.h"
#include "messageboxes.h"
#include "parlinotest.h"
#include "routerport.h"
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
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTranslator>
#include <optional>

namespace {

// Fonts and their rendering differ between machines: colours are compared within a tolerance.
bool similar(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) <= 24;
}

// Which side of an area a widget's ink (what is not `back`) lies nearer: -1 left, 1 right, 0 none.
int inkSide(QWidget *widget, const QRect &area, const QColor &back)
{
    const QImage image = widget->grab(area).toImage();
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (!similar(image.pixelColor(x, y), back))
                last = x, first = first < 0 ? x : first;
    return first < 0 ? 0 : first < image.width() - 1 - last ? -1 : 1;
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

// Entries hard to show, rows 1 to 4 of each test's list after the start-up line: markup and a
// megabyte; a single character that never ends, a chain of joined emoji; control characters; and
// one that ends just inside a character of two UTF-16 units.
const QString Huge = u"<b>"_s + QString(1 << 20, u'x');
const QString Controls = u"netcat line\r\n\tpara\u2029nul:\0bell:\a del:\x7F"_s;
const QString ControlsShown = u"netcat line   para nul:^@bell:^G del:^?"_s;
const QString Cut = QString(ConversationModel::ShownCharacters - 1, u'a') + u"🙂🙂"_s;

const QLocale Arabic(QLocale::Arabic, QLocale::Egypt);

}  // namespace

class tst_Ui : public QObject
{
    Q_OBJECT

    const QPalette m_palette = QApplication::palette();
    Recorder m_recorder;
    std::optional<ChatWindow> m_chat;  // each test's window, as the program starts it

    ScriptedWindow &shown()
    {
        m_chat->window->show();
        if (!QTest::qWaitForWindowActive(m_chat->window.get()))
            QTest::qFail("The window is not active.", __FILE__, __LINE__);
        return *m_chat->window;
    }
    // The window anew, in the user's language, shown.
    ScriptedWindow &reopen(const QLocale &locale)
    {
        installTranslations(locale);
        m_chat.emplace();
        return shown();
    }
    // The controls after the list in tab order, and the list again.
    QList<QWidget *> tabOrder() const
    {
        const ScriptedWindow &w = *m_chat->window;
        return {w.txtRemotePort, w.txtLocalPort, w.txtRemoteIP,    w.txtLocalIP,
                w.txtMessage,    w.cmdSend,      w.cmdConnect,     w.cmdDissconnect,
                w.cmdListen,     w.cmdAbout,     w.txtDisplayName, w.List1};
    }
    // What the list's delegate is given to draw each row with.
    const QMap<int, QStyleOptionViewItem> &drawnRows()
    {
        m_chat->window->List1->setItemDelegate(&m_recorder);
        m_chat->window->List1->viewport()->grab();
        return m_recorder.rows;
    }

private Q_SLOTS:
    void init()
    {
        m_recorder.rows.clear();
        m_chat.emplace();
        for (const QString &entry :
             {Huge, u"👩"_s + QString(u"\u200D👩"_s).repeated(700), Controls, Cut})
            m_chat->window->appendLine(entry);
    }
    void cleanup()
    {
        m_chat.reset();
        // A translator leaves the application as it is deleted.
        qDeleteAll(qApp->findChildren<QTranslator *>());
        QApplication::setPalette(m_palette);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());
    }

    // First, while the allocator holds little memory freed by other tests.
    void list_tallRowsPastWhatAnIntPlaces_everyRowReachable()
    {
        // A flood of empty entries fills the conversation to its limit, in memory too, at 8 bytes
        // each and not a page more for every chunk of them: more rows, 200 pixels tall (a large
        // font, a scale factor, a style sheet), than an int's 2^31 pixels.
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

    // The menu bar, its menus and their items without a mouse: Alt, the arrows and Return.
    void openPortOnRouter_reachableByKeyboard()
    {
        ScriptedWindow &window = shown();
        RouterSearch nobody;  // nothing listens there: no request leaves the machine
        nobody.portControlRouter = QHostAddress(u"127.0.0.3"_s);
        window.router().setSearch(nobody);
        QTest::keyClick(&window, Qt::Key_Alt);
        QTest::keyClick(window.menuBar(), Qt::Key_Right);
        QTest::keyClick(window.menuBar(), Qt::Key_Down);
        QTRY_VERIFY(window.mnuCommunications->isVisible());
        QTest::keyClick(window.mnuCommunications, Qt::Key_Up);  // from the first to the last
        QTest::keyClick(window.mnuCommunications, Qt::Key_Return);
        QVERIFY(window.mnuCommunicationsOpenPortOnRouter->isChecked());
        QCOMPARE(m_chat->lines().constLast(),
                 u"Asking the router to forward port %1 to this computer."_s.arg(m_chat->port()));
    }

    void freshStart_localIpBoxHoldsAnAddress()
    {
        QVERIFY(!QHostAddress(m_chat->window->txtLocalIP->text()).isNull());
    }

    // The focus starts on the list and goes round in tab order.
    void keyboard_tabGoesRoundInOrder()
    {
        QCOMPARE(QApplication::focusWidget(), shown().List1);
        for (QWidget *next : tabOrder()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    // Just outside each control that takes the focus, at its sides, a colour that stands out 3:1
    // from what is there without the focus, and from the window's green; at three sides of four
    // at least, since a neighbour's text may lie under one of them. The focused list marks its
    // current row, where the style draws the focus ring.
    void keyboard_focusIsPlainToSee()
    {
        ScriptedWindow &w = shown();
        w.List1->clearFocus();
        const QImage unfocused = w.grab().toImage();
        for (QWidget *control : tabOrder()) {
            control->setFocus();
            const QImage focused = w.grab().toImage();
            const QRect r =
                QRect(control->mapTo(&w, QPoint(0, 0)), control->size()).adjusted(-2, -2, 2, 2);
            int plain = 0;
            for (QPoint p :
                 {QPoint(r.left(), r.center().y()), QPoint(r.center().x(), r.top()),
                  QPoint(r.right(), r.center().y()), QPoint(r.center().x(), r.bottom())}) {
                p *= focused.devicePixelRatio();
                const QColor ring = focused.pixelColor(p);
                plain += contrast(ring, unfocused.pixelColor(p)) >= 3 &&
                         contrast(ring, QColor(0, 192, 0)) >= 3;
            }
            QVERIFY2(plain >= 3, qPrintable(control->objectName()));
        }
        QVERIFY(drawnRows().value(0).state & QStyle::State_HasFocus);
    }

    // The real box must show a peer's or user's text literally.
    void realErrorBox_showsMarkupAsText()
    {
        ScriptedWindow &w = shown();
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
    }

    void realQuestion_closedWithoutTheUser_data()
    {
        QTest::addColumn<bool>("withdrawn");
        QTest::newRow("still open when the program ends: as No") << false;
        QTest::newRow("withdrawn: no answer at all") << true;
    }
    // The one test of a real question: it returns at once, its box modal over the window alone
    // and its text plain; the box closes when the program ends, as No, or when it is withdrawn.
    void realQuestion_closedWithoutTheUser()
    {
        QFETCH(bool, withdrawn);
        frmMain real;
        real.show();
        std::optional<bool> answer;
        real.askYesNo(u"Connection Request"_s, u"<b>?</b>"_s, [&](bool yes) { answer = yes; });
        const QPointer question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(question && question->isVisible() && !answer);
        QCOMPARE(question->windowModality(), Qt::WindowModal);
        QCOMPARE(question->text(), u"<b>?</b>"_s);
        QCOMPARE(question->textFormat(), Qt::PlainText);
        withdrawn ? real.withdrawQuestion() : real.closeForGood();
        QCOMPARE(answer, withdrawn ? std::nullopt : std::optional(false));
        QTRY_VERIFY(!question);
    }

    void userLanguage_translatedOnlyWhereParlinoIs_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("Arabic") << Arabic;
        QTest::newRow("Czech, which Qt speaks") << QLocale(QLocale::Czech, QLocale::CzechRepublic);
    }
    // A button, the start-up line, an Error box, and Qt's own Yes: all in the user's language, or
    // all in English. Qt speaks Czech, Parlino does not: Qt's buttons stay English to match.
    void userLanguage_translatedOnlyWhereParlinoIs()
    {
        QFETCH(QLocale, locale);
        const bool arabic = locale == Arabic;
        QCOMPARE(installTranslations(locale), arabic);
        m_chat.emplace();
        ScriptedWindow &w = *m_chat->window;
        w.cmdSend->click();
        const QStringList shown = {w.cmdConnect->text(), m_chat->lines().value(0),
                                   w.errors.value(0),
                                   QCoreApplication::translate("QPlatformTheme", "&Yes")};
        const QStringList english = {u"Connect"_s, m_chat->startLine(), NotConnected, u"&Yes"_s};
        for (qsizetype i = 0; i < shown.size(); ++i)
            QVERIFY2((shown[i] == english[i]) != arabic, qPrintable(shown[i]));
    }

    // Written from right to left (Arabic), the window is the left-to-right one mirrored within the
    // client's 465 pixels: the name's caption shows beside its box, and boxes start at the window's
    // leading edge.
    void rightToLeft_windowMirrored()
    {
        const auto controls = [this] {
            return m_chat->window->centralWidget()->findChildren<QWidget *>(
                Qt::FindDirectChildrenOnly);
        };
        QList<QRect> mirrored;
        for (const QWidget *c : controls())
            mirrored.append(c->geometry().translated(465 - 2 * c->x() - c->width(), 0));
        ScriptedWindow &w = reopen(Arabic);
        for (const QWidget *c : controls()) QCOMPARE(c->geometry(), mirrored.takeFirst());
        const QRegion beside = QRegion(w.DisplayName->geometry()) - w.txtDisplayName->geometry();
        QVERIFY(inkSide(w.centralWidget(), beside.boundingRect(), QColor(255, 255, 0)) != 0);
        const QColor base = w.List1->palette().color(QPalette::Base);
        QCOMPARE(inkSide(w.txtLocalPort, w.txtLocalPort->rect().adjusted(3, 3, -3, -3), base), 1);
    }

    // Each entry reads from its own side, whichever way the window runs.
    void rightToLeft_entriesReadFromTheirOwnSide()
    {
        ConversationList &list = *reopen(Arabic).List1;
        m_chat->window->appendLine(u"Connection made"_s);
        m_chat->window->appendLine(u"أحمد : مرحبا"_s);
        const QColor base = list.palette().color(QPalette::Base);
        for (int row : {1, 2})
            QCOMPARE(inkSide(list.viewport(), list.visualRect(list.model()->index(row, 0)), base),
                     row == 1 ? -1 : 1);
    }

    void forgedLines_showAsThePartners_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("Arabic, the desktop's theme") << Arabic << m_palette;
        QTest::newRow("English, a dark theme") << QLocale::c() << QPalette(Qt::darkGray, Qt::black);
    }
    // In the desktop's theme and a dark one, in the user's language: the partner sends the
    // program's own line, then the user's line after the user. (What a screen reader hears of
    // where each comes from: tst_screenreader.)
    void forgedLines_showAsThePartners()
    {
        QFETCH(QLocale, locale);
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        using enum ConversationModel::Origin;
        const QList origin = {Status, Status, Status, Received, Sent, Received};
        ConversationList &list = *reopen(locale).List1;
        auto peer = acceptedCaller(*m_chat);
        QVERIFY(peer && peer->write("Connection made") &&
                waitUntil([&] { return list.count() == 4; }));
        say(*m_chat, u"أحمد"_s, u"مرحبا"_s);
        QVERIFY(peer->write(u"أحمد : مرحبا"_s.toUtf8()) &&
                waitUntil([&] { return list.count() == 6; }));
        const QMap<int, QStyleOptionViewItem> &rows = drawnRows();
        const auto look = [&](int row) {
            const QStyleOptionViewItem &o = rows[row];
            return std::tuple(o.font.weight(), o.font.italic(), o.palette.color(QPalette::Text));
        };
        for (int row = 0; row < 6; ++row)
            for (int other = 0; other < 6; ++other)
                QCOMPARE(look(row) == look(other), origin[row] == origin[other]);
    }

    void anyTheme_textReadable_data()
    {
        forgedLines_showAsThePartners_data();
    }
    // The captions' fixed colours and the program's lines, muted, keep a contrast of 4.5:1.
    void anyTheme_textReadable()
    {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        m_chat.emplace();
        for (QLabel *caption : m_chat->window->findChildren<QLabel *>())
            QVERIFY(contrast(caption->palette().color(QPalette::WindowText),
                             caption->palette().color(QPalette::Window)) >= 4.5);
        const QPalette &colours = drawnRows().value(0).palette;
        QVERIFY(contrast(colours.color(QPalette::Text), colours.color(QPalette::Base)) >= 4.5);
    }

    // A row shows the beginning of its entry on one line, never half a character. Characters drawn
    // as nothing, turning the text, in tags or in a font of their own show as what they are;
    // joiners and selectors stay where a sequence or a script needs them.
    void entries_showOnOneLineAsWhatTheyAre()
    {
        const QAbstractItemModel &model = *m_chat->window->List1->model();
        QCOMPARE(model.index(3, 0).data().toString(), ControlsShown);
        QCOMPARE(model.index(4, 0).data().toString(), Cut.chopped(4) + u'…');
        QCOMPARE(
            VisibleText::of(u"a\u200Bb\u00AD\u3164\uFEFF\U0001D173\uFFF9c\u202Egpj <b>x</b> "
                            u"🏴\U000E0068\U000E007F 𝗕𝗼𝗯 ℂ𝟭 🙂\u200D a\uFE0F"_s),
            u"a<U+200B>b<U+00AD><U+3164><U+FEFF><U+1D173><U+FFF9>c<U+202E>gpj <b>x</b> "
            u"🏴<U+E0068><U+E007F> Bob C1 🙂<U+200D> a<U+FE0F>"_s);
        const QString joined =
            u"👨\u200D👩\u200D👧 ❤\uFE0F 1\uFE0F\u20E3 \U0001F3F4\U000E0067\U000E0062"
            u"\U000E0073\U000E0063\U000E0074\U000E007F می\u200Cخواهم क्\u200Dष 葛\U000E0100"_s;
        QCOMPARE(VisibleText::of(joined), joined);
    }

    // A screen reader hears the whole entry, as the list shows it.
    void entries_heardWhole()
    {
        QAccessibleTableInterface *table =
            QAccessible::queryAccessibleInterface(m_chat->window->List1)->tableInterface();
        QCOMPARE(table->cellAt(3, 0)->text(QAccessible::Name), ControlsShown);
        QCOMPARE(table->cellAt(4, 0)->text(QAccessible::Name), Cut);
    }

    void tooltips_showMarkupAsText()
    {
        const QString tip =
            m_chat->window->List1->model()->index(1, 0).data(Qt::ToolTipRole).toString();
        QCOMPARE(QString(tip).remove(QChar(0x200B)),
                 u"<p>&lt;b&gt;"_s + QString(ConversationModel::ToolTipCharacters - 3, u'x') +
                     u"…</p>"_s);
    }

    // Ctrl+C and the context menu copy all of an entry.
    void entries_copiedWhole()
    {
        ConversationList &list = *shown().List1;
        list.setCurrentIndex(list.model()->index(1, 0));
        QTest::keySequence(&list, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(), Huge);
        const QPoint at = list.visualRect(list.model()->index(4, 0)).center();
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, list.viewport()->mapToGlobal(at));
        QApplication::sendEvent(list.viewport(), &menuEvent);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu && menu->actions().size() == 1);
        menu->actions().constFirst()->trigger();
        menu->close();
        QCOMPARE(QGuiApplication::clipboard()->text(), Cut);
    }

    // In a long conversation scrolled back by the user, rows added below the view repaint
    // nothing, and leave nothing to repaint: the next paint is only what is asked for now, the row
    // at the top, where the user put it.
    void appends_belowTheView_leaveItAsItIs()
    {
        ConversationList &list = *m_chat->window->List1;
        list.setItemDelegate(&m_recorder);
        list.setCurrentIndex(list.model()->index(1, 0));
        shown();
        for (int i = 0; i < 300; ++i) m_chat->window->appendLine(u"line %1"_s.arg(i));
        list.scrollTo(list.model()->index(100, 0), QAbstractItemView::PositionAtTop);
        QVERIFY(QTest::qWaitFor([&] { return m_recorder.rows.contains(100); }));  // drawn
        m_recorder.rows.clear();
        for (int i = 0; i < 2000; ++i) {
            m_chat->window->appendLine(u"Ann : %1"_s.arg(i));
            QCoreApplication::processEvents();
        }
        list.viewport()->update(0, 0, 1, 1);
        QVERIFY(QTest::qWaitFor([&] { return !m_recorder.rows.isEmpty(); }));
        QCOMPARE(m_recorder.rows.keys(), QList<int>{100});
        QCOMPARE(list.currentIndex().row(), 1);
    }

    // A screen reader's children, far fewer than the rows, are the current entry and the newest
    // ones; every row stays reachable through the table, and older cells are let go.
    void reader_findsTheCurrentAndTheNewestEntries()
    {
        ConversationList &list = *m_chat->window->List1;
        for (int i = 0; i < 25000; ++i) m_chat->window->appendLine(u"line %1"_s.arg(i));
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
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), m_chat->startLine());
    }

    void list_rowsAsInAPlainList_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("short lines") << 3;
        QTest::newRow("more than fit") << 40;
    }

    // Compared with a plain list of the same entries, what a user relies on: each row one line,
    // tall enough for every glyph, below the one before; a scroll bar when they do not all fit.
    void list_rowsAsInAPlainList()
    {
        QFETCH(int, count);
        QStringList entries = {u"Ann : hi"_s, u"Bob : Grüße"_s,
                               u"Bob : 你好 🙂 مرحبا नमस्ते"_s};
        while (entries.size() < count) entries.append(u"Ann : line %1"_s.arg(entries.size()));
        ConversationList list;
        QListWidget plain;
        for (QAbstractItemView *view : QList<QAbstractItemView *>{&list, &plain}) {
            TwipsLayout::useControlFont(view);
            view->setFixedSize(345, 160);
        }
        for (const QString &entry : entries) list.appendUtf8(entry.toUtf8());
        plain.addItems(entries);
        list.show();
        plain.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list) && QTest::qWaitForWindowExposed(&plain));
        QCoreApplication::processEvents();  // scroll bars are shown or hidden in a queued call
        QCOMPARE(list.verticalScrollBar()->isVisible(), plain.verticalScrollBar()->isVisible());
        const int height = list.viewport()->height();
        for (int row = 0, bottom = -1; row < entries.size() && bottom < height; ++row) {
            const QRect mine = list.visualRect(list.model()->index(row, 0));
            const QRect plains = plain.visualRect(plain.model()->index(row, 0));
            QCOMPARE(mine.top(), bottom + 1);
            QVERIFY(mine.height() >= plains.height() && mine.height() < 2 * plains.height());
            QCOMPARE(mine.width(), plains.width());
            bottom = mine.bottom();
        }
    }
};

QTEST_MAIN(tst_Ui)
#include "tst_ui.moc"
