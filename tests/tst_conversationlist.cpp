// SPDX-License-Identifier: MIT
// The conversation list: every entry keeps its whole text but is drawn on one line, long ones
// as their beginning; entries added in quick succession are laid out together.
#include "chatwindow.h"
#include "conversationlinedelegate.h"
#include "conversationlist.h"

#include <QApplication>
#include <QClipboard>

namespace {

// A list of the conversation list's size and font, shown and laid out.
template <typename List>
QImage drawn(const QStringList &entries)
{
    List list;
    QFont font = list.font();
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    list.setFont(font);
    list.setUniformItemSizes(true);
    list.setFixedSize(345, 160);
    list.addItems(entries);
    list.show();
    list.doItemsLayout();
    return list.viewport()->grab().toImage();
}

QString repeated(const QString &piece, qsizetype size)
{
    QString text;
    while (text.size() < size) text += piece;
    return text.left(size);
}

}  // namespace

class tst_ConversationList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }
    void entries_keepTheirTextButDrawOnOneLine();
    void longEntries_lookAsInAPlainList_data();
    void longEntries_lookAsInAPlainList();
    void quickAppends_layOutTogether_andLeaveTheViewAlone();
};

void tst_ConversationList::entries_keepTheirTextButDrawOnOneLine()
{
    ChatWindow chat;
    QListWidget &list = *chat.window->List1;
    QString controls = QStringLiteral("netcat line\r\n\tpara\u2029nul:");
    controls += QChar(0);
    controls += QStringLiteral("bell:\a del:\x7F");
    const QString huge = repeated(QStringLiteral("Grüße, привет, 你好 🙂 "), 1 << 20);
    const QStringList entries = {controls, QStringLiteral("<b>not bold</b>"), huge};
    for (const QString &entry : entries) chat.window->appendLine(entry);
    QCOMPARE(chat.lines().mid(1), entries);
    QCOMPARE(list.currentRow(), -1);
    // Copying an entry copies all of it.
    list.setCurrentRow(3);
    QTest::keySequence(&list, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), huge);

    QCOMPARE(ConversationLineDelegate::visibleText(controls),
             QStringLiteral("netcat line   para nul:\u2400bell:\u2407 del:\u2421"));
    // A long entry shows its beginning, never half of a two-unit character.
    for (qsizetype at = ConversationLineDelegate::DrawnCharacters - 2;
         at <= ConversationLineDelegate::DrawnCharacters; ++at) {
        const QString text = QString(at, u'a') + QStringLiteral("🙂🙂") + QString(99, u'b');
        const QString shown = ConversationLineDelegate::visibleText(text).chopped(1);
        QVERIFY(text.startsWith(shown) && !shown.back().isHighSurrogate());
        QVERIFY(shown.size() >= ConversationLineDelegate::DrawnCharacters - 1);
        QCOMPARE(ConversationLineDelegate::visibleText(text).back(), QChar(0x2026));
    }
    QStyleOptionViewItem option;
    option.initFrom(&list);
    const int oneLine = list.itemDelegate()->sizeHint(option, list.model()->index(0, 0)).height();
    // One line high: fonts that stand in for emoji or CJK may be a little taller.
    for (int row = 1; row < list.count(); ++row)
        QVERIFY(list.itemDelegate()->sizeHint(option, list.model()->index(row, 0)).height() <
                2 * oneLine);
}

void tst_ConversationList::longEntries_lookAsInAPlainList_data()
{
    QTest::addColumn<QStringList>("entries");
    const QString longAscii = repeated(QStringLiteral("Ann : a long line of chat text, "), 5000);
    QTest::newRow("long last") << QStringList{QStringLiteral("Ann : hi"), longAscii};
    QTest::newRow("long first") << QStringList{longAscii, QStringLiteral("Ann : hi")};
    QTest::newRow("several scripts") << QStringList{
        repeated(QStringLiteral("Grüße, привет, 你好, مرحبا, 🙂 "), 3000),
        QStringLiteral("ok")};
}

void tst_ConversationList::longEntries_lookAsInAPlainList()
{
    QFETCH(QStringList, entries);
    QCOMPARE(drawn<ConversationList>(entries), drawn<QListWidget>(entries));
}

void tst_ConversationList::quickAppends_layOutTogether_andLeaveTheViewAlone()
{
    ChatWindow chat;
    QListWidget &list = *chat.window->List1;
    chat.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(chat.window.get()));
    for (int i = 0; i < 300; ++i) chat.window->appendLine(QStringLiteral("line %1").arg(i));
    QTRY_VERIFY(list.visualRect(list.model()->index(list.count() - 1, 0)).isValid());
    list.scrollToItem(list.item(100), QAbstractItemView::PositionAtTop);

    struct PaintCounter : QObject
    {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    list.viewport()->installEventFilter(&counter);
    constexpr int Entries = 2000;
    for (int i = 0; i < Entries; ++i) {
        chat.window->appendLine(QStringLiteral("Ann : %1").arg(i));
        QCoreApplication::processEvents();
    }
    const QModelIndex last = list.model()->index(list.count() - 1, 0);
    QTRY_VERIFY(list.visualRect(last).isValid());
    // One layout and repaint a frame, not one an entry; the view stays where the user put it.
    QVERIFY2(counter.paints < Entries / 4, qPrintable(QString::number(counter.paints)));
    QCOMPARE(list.indexAt(QPoint(2, 2)).row(), 100);
    QVERIFY(list.selectedItems().isEmpty());
    list.scrollToBottom();
    QCOMPARE(list.indexAt(list.visualRect(last).center()), last);
    QCOMPARE(list.visualRect(list.model()->index(list.count() - 2, 0)).bottom() + 1,
             list.visualRect(last).top());
    list.viewport()->removeEventFilter(&counter);
}

QTEST_MAIN(tst_ConversationList)
#include "tst_conversationlist.moc"
