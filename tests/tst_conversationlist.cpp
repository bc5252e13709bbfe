// SPDX-License-Identifier: MIT
// The conversation list: long entries are drawn as their beginning but keep their whole text,
// and entries added in quick succession are all laid out and reachable.
#include "chatwindow.h"
#include "conversationlist.h"
#include "entrydelegate.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>

namespace {

// A list of the conversation list's size and font, shown and laid out.
template <typename List>
std::unique_ptr<List> shownList(const QStringList &entries)
{
    auto list = std::make_unique<List>();
    QFont font = list->font();
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    list->setFont(font);
    list->setUniformItemSizes(true);
    list->setFixedSize(345, 160);
    list->addItems(entries);
    list->show();
    return list;
}

QImage drawn(QListWidget &list)
{
    list.doItemsLayout();
    return list.viewport()->grab().toImage();
}

QString repeated(const QString &piece, qsizetype size)
{
    QString text;
    while (text.size() < size) text += piece;
    return text.left(size);
}

const QString Mixed = QStringLiteral(u"Grüße, привет, 你好, مرحبا, 🙂 ");

}  // namespace

class tst_ConversationList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void entries_lookAsInAPlainList_data();
    void entries_lookAsInAPlainList();
    void longEntry_drawnTextIsItsBeginningWithoutHalfCharacters_data();
    void longEntry_drawnTextIsItsBeginningWithoutHalfCharacters();
    void hugeEntry_keepsItsWholeText_data();
    void hugeEntry_keepsItsWholeText();
    void quickAppends_areAllLaidOutAndReachable();
    void appends_leaveTheScrolledViewWhereItIs();
    void quickAppends_areDrawnTogether();
};

void tst_ConversationList::cleanup()
{
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_ConversationList::entries_lookAsInAPlainList_data()
{
    QTest::addColumn<QStringList>("entries");
    const QString longAscii = repeated(QStringLiteral("Ann : a long line of chat text, "), 5000);
    const QString longMixed = repeated(Mixed, 3000);
    // A character of two UTF-16 units straddling the point where drawing stops.
    const QString straddling = QString(EntryDelegate::DrawnCharacters - 1, u'a') +
                               QStringLiteral(u"🙂") + repeated(QStringLiteral("b"), 100);
    QTest::newRow("short lines") << QStringList{QStringLiteral("Ann : hi"),
                                                QStringLiteral("Bob : two\nlines"), Mixed};
    QTest::newRow("long last: shown from its start")
        << QStringList{QStringLiteral("Ann : hi"), longAscii};
    QTest::newRow("long first: elided at the row's end")
        << QStringList{longAscii, QStringLiteral("Ann : hi")};
    QTest::newRow("long in several scripts") << QStringList{longMixed, QStringLiteral("ok")};
    QTest::newRow("long with line breaks")
        << QStringList{repeated(QStringLiteral("one\ntwo "), 4000), QStringLiteral("ok")};
    QTest::newRow("split character at the cut") << QStringList{straddling, QStringLiteral("x")};
    QTest::newRow("exactly the drawn length")
        << QStringList{QString(EntryDelegate::DrawnCharacters, u'w'), QStringLiteral("x")};
}

void tst_ConversationList::entries_lookAsInAPlainList()
{
    QFETCH(QStringList, entries);
    auto plain = shownList<QListWidget>(entries);
    auto ours = shownList<ConversationList>(entries);
    QCOMPARE(drawn(*ours), drawn(*plain));
}

void tst_ConversationList::longEntry_drawnTextIsItsBeginningWithoutHalfCharacters_data()
{
    QTest::addColumn<QString>("text");
    for (qsizetype at : {EntryDelegate::DrawnCharacters - 2, EntryDelegate::DrawnCharacters - 1,
                         EntryDelegate::DrawnCharacters}) {
        QTest::addRow("emoji at %lld", qlonglong(at)) << QString(at, u'a') +
                                                             QStringLiteral(u"🙂🙂") +
                                                             repeated(QStringLiteral("b"), 1000);
    }
    QTest::newRow("several scripts") << repeated(Mixed, 100000);
}

void tst_ConversationList::longEntry_drawnTextIsItsBeginningWithoutHalfCharacters()
{
    QFETCH(QString, text);
    ConversationList list;
    list.addItem(text);
    const auto *delegate = qobject_cast<QStyledItemDelegate *>(list.itemDelegate());
    QVERIFY(delegate);
    const QString drawn = delegate->displayText(list.item(0)->data(Qt::DisplayRole), QLocale());
    QVERIFY(drawn.endsWith(QChar(0x2026)));
    const QString shown = drawn.chopped(1);
    QVERIFY(shown.size() <= EntryDelegate::DrawnCharacters);
    QVERIFY(shown.size() >= EntryDelegate::DrawnCharacters - 1);
    QVERIFY(text.startsWith(shown));
    QVERIFY(!shown.back().isHighSurrogate());
    QCOMPARE(QString::fromUtf8(shown.toUtf8()), shown);
}

void tst_ConversationList::hugeEntry_keepsItsWholeText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("1 MiB of ASCII") << repeated(QStringLiteral("the quick brown fox "), 1 << 20);
    QTest::newRow("64 KiB in several scripts") << repeated(Mixed, 1 << 16);
}

void tst_ConversationList::hugeEntry_keepsItsWholeText()
{
    QFETCH(QString, text);
    ChatWindow chat;
    QListWidget &list = *chat.window->List1;
    chat.window->show();
    chat.window->appendLine(text);
    const int row = list.count() - 1;
    QTRY_VERIFY(list.visualRect(list.model()->index(row, 0)).isValid());
    list.viewport()->repaint();
    list.scrollToBottom();
    list.viewport()->repaint();

    QCOMPARE(list.item(row)->text(), text);
    QCOMPARE(list.model()->index(row, 0).data().toString(), text);
    // Copying the entry copies all of it.
    list.setCurrentRow(row);
    QTest::keySequence(&list, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

void tst_ConversationList::quickAppends_areAllLaidOutAndReachable()
{
    ChatWindow chat;
    QListWidget &list = *chat.window->List1;
    chat.window->show();
    constexpr int Entries = 5000;
    for (int i = 0; i < Entries; ++i) {
        chat.window->appendLine(QStringLiteral("Ann : %1").arg(i));
        QCoreApplication::processEvents();
    }
    const QModelIndex last = list.model()->index(list.count() - 1, 0);
    QTRY_VERIFY(list.visualRect(last).isValid());
    list.scrollToBottom();
    QCOMPARE(list.indexAt(list.visualRect(last).center()), last);
    QCOMPARE(last.data().toString(), QStringLiteral("Ann : %1").arg(Entries - 1));
    // Each row sits directly below the one before it.
    const QModelIndex before = list.model()->index(list.count() - 2, 0);
    QCOMPARE(list.visualRect(before).bottom() + 1, list.visualRect(last).top());
}

void tst_ConversationList::appends_leaveTheScrolledViewWhereItIs()
{
    ChatWindow chat;
    QListWidget &list = *chat.window->List1;
    chat.window->show();
    for (int i = 0; i < 300; ++i) chat.window->appendLine(QStringLiteral("line %1").arg(i));
    QTRY_VERIFY(list.visualRect(list.model()->index(list.count() - 1, 0)).isValid());
    list.scrollToItem(list.item(100), QAbstractItemView::PositionAtTop);
    const QPoint topLeft(2, 2);
    QCOMPARE(list.indexAt(topLeft).row(), 100);

    for (int i = 0; i < 50; ++i) {
        chat.window->appendLine(QStringLiteral("more %1").arg(i));
        QCoreApplication::processEvents();
    }
    QTRY_VERIFY(list.visualRect(list.model()->index(list.count() - 1, 0)).isValid());
    QCOMPARE(list.indexAt(topLeft).row(), 100);
    QVERIFY(list.selectedItems().isEmpty());
}

void tst_ConversationList::quickAppends_areDrawnTogether()
{
    ChatWindow chat;
    QListWidget &list = *chat.window->List1;
    chat.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(chat.window.get()));
    int paints = 0;
    struct Counter : QObject
    {
        int &paints;
        explicit Counter(int &p) : paints(p) {}
        bool eventFilter(QObject *, QEvent *event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter(paints);
    list.viewport()->installEventFilter(&counter);
    constexpr int Entries = 1000;
    for (int i = 0; i < Entries; ++i) {
        chat.window->appendLine(QStringLiteral("Ann : %1").arg(i));
        QCoreApplication::processEvents();
    }
    QTRY_VERIFY(list.visualRect(list.model()->index(list.count() - 1, 0)).isValid());
    // One layout and one repaint per frame, not one per entry.
    QVERIFY2(paints < Entries / 4, qPrintable(QString::number(paints)));
    list.viewport()->removeEventFilter(&counter);
}

QTEST_MAIN(tst_ConversationList)
#include "tst_conversationlist.moc"
