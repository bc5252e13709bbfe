// SPDX-License-Identifier: MIT
// The conversation list: every entry keeps its whole text but is drawn on one line, long ones
// as their beginning; entries added in quick succession are laid out together.
#include "chatwindow.h"
#include "conversationlist.h"
#include "conversationmodel.h"

#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QScrollBar>
#include <type_traits>

namespace {

// A list of the conversation list's size and font, shown, with its second row selected.
template <typename List>
QImage drawn(const QStringList &entries)
{
    List list;
    QFont font = list.font();
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    list.setFont(font);
    list.setFixedSize(345, 160);
    for (const QString &entry : entries) {
        if constexpr (std::is_same_v<List, QListWidget>)
            list.addItem(entry);
        else
            list.append(entry);
    }
    if constexpr (std::is_same_v<List, QListWidget>)
        list.setUniformItemSizes(true);
    list.show();
    list.setCurrentIndex(list.model()->index(1, 0));
    list.doItemsLayout();
    QCoreApplication::processEvents();  // scroll bars are shown or hidden in a queued call
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
    void entries_lookAsInAPlainList_data();
    void entries_lookAsInAPlainList();
    void quickAppends_layOutTogether_andLeaveTheViewAlone();
};

void tst_ConversationList::entries_keepTheirTextButDrawOnOneLine()
{
    ChatWindow chat;
    ConversationList &list = *chat.window->List1;
    QString controls = QStringLiteral("netcat line\r\n\tpara\u2029nul:");
    controls += QChar(0);
    controls += QStringLiteral("bell:\a del:\x7F");
    const QString huge = repeated(QStringLiteral("Grüße, привет, 你好 🙂 "), 1 << 20);
    const QStringList entries = {controls, QStringLiteral("<b>not bold</b>"), huge};
    for (const QString &entry : entries) chat.window->appendLine(entry);
    QCOMPARE(chat.lines().mid(1), entries);
    QVERIFY(!list.currentIndex().isValid());
    // Copying an entry copies all of it.
    list.setCurrentIndex(list.model()->index(3, 0));
    QTest::keySequence(&list, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), huge);

    const auto shown = [&](int row) {
        return list.model()->index(row, 0).data().toString();
    };
    QCOMPARE(shown(1), QStringLiteral("netcat line   para nul:^@bell:^G del:^?"));
    // A long entry shows its beginning, never half of a two-unit character.
    for (qsizetype at = ConversationModel::ShownCharacters - 2;
         at <= ConversationModel::ShownCharacters; ++at) {
        chat.window->appendLine(QString(at, u'a') + QStringLiteral("🙂🙂") + QString(99, u'b'));
        const QString row = shown(list.count() - 1);
        QCOMPARE(row.back(), QChar(0x2026));
        QVERIFY(chat.lines().constLast().startsWith(row.chopped(1)));
        QVERIFY(!row.chopped(1).back().isHighSurrogate());
        QVERIFY(row.size() >= ConversationModel::ShownCharacters);
    }
    QStyleOptionViewItem option;
    option.initFrom(&list);
    const int oneLine = list.itemDelegate()->sizeHint(option, list.model()->index(0, 0)).height();
    // One line high: fonts that stand in for emoji or CJK may be a little taller.
    for (int row = 1; row < list.count(); ++row)
        QVERIFY(list.itemDelegate()->sizeHint(option, list.model()->index(row, 0)).height() <
                2 * oneLine);
}

void tst_ConversationList::entries_lookAsInAPlainList_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("short lines") << QStringList{StartLine, QStringLiteral("Ann : hi"),
                                                QStringLiteral("Bob : ciao")};
    QTest::newRow("several scripts")
        << QStringList{StartLine, QStringLiteral("Grüße, привет, 你好, مرحبا, 🙂"),
                       QStringLiteral("ok")};
    QStringList many;
    for (int i = 0; i < 40; ++i) many.append(QStringLiteral("Ann : line %1").arg(i));
    QTest::newRow("more than fit") << many;
}

void tst_ConversationList::entries_lookAsInAPlainList()
{
    QFETCH(QStringList, entries);
    QCOMPARE(drawn<ConversationList>(entries), drawn<QListWidget>(entries));
}

void tst_ConversationList::quickAppends_layOutTogether_andLeaveTheViewAlone()
{
    ChatWindow chat;
    ConversationList &list = *chat.window->List1;
    chat.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(chat.window.get()));
    for (int i = 0; i < 300; ++i) chat.window->appendLine(QStringLiteral("line %1").arg(i));
    list.scrollTo(list.model()->index(100, 0), QAbstractItemView::PositionAtTop);
    QCOMPARE(list.indexAt(QPoint(2, 2)).row(), 100);

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
    // Rows added below the view repaint nothing, and the view stays where the user put it.
    QVERIFY2(counter.paints < Entries / 4, qPrintable(QString::number(counter.paints)));
    QCOMPARE(list.indexAt(QPoint(2, 2)).row(), 100);
    QVERIFY(list.selectionModel()->selectedIndexes().isEmpty());
    list.viewport()->removeEventFilter(&counter);

    // Every row is reachable: by the scroll bar, and by the keyboard from the first to the last.
    list.scrollTo(list.model()->index(list.count() - 1, 0));
    const QModelIndex last = list.model()->index(list.count() - 1, 0);
    QCOMPARE(list.indexAt(list.visualRect(last).center()), last);
    QCOMPARE(list.visualRect(list.model()->index(list.count() - 2, 0)).bottom() + 1,
             list.visualRect(last).top());
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_End);
    QCOMPARE(list.currentIndex(), last);
    QVERIFY(list.visualRect(last).bottom() < list.viewport()->height());
    QTest::keyClick(&list, Qt::Key_Home);
    QCOMPARE(list.currentIndex().row(), 0);
    QCOMPARE(list.verticalScrollBar()->value(), 0);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_PageDown);
    QVERIFY(list.currentIndex().row() > 2);
    QVERIFY(list.visualRect(list.currentIndex()).bottom() < list.viewport()->height());
    list.scrollTo(list.model()->index(list.count() - 1, 0));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(last).center());
    QCOMPARE(list.selectionModel()->selectedIndexes(), QModelIndexList{last});
}

QTEST_MAIN(tst_ConversationList)
#include "tst_conversationlist.moc"
