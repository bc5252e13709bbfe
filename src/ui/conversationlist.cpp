// SPDX-License-Identifier: MIT
#include "conversationlist.h"

#include "contrast.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {

constexpr int FrameMilliseconds = 16;
// How far from the viewport a row's rectangle may stand: far enough that nothing beyond is drawn,
// near enough that Qt's int arithmetic on it cannot overflow.
constexpr qint64 FarOff = 1 << 28;
// The contrast of text to its background that WCAG asks for.
constexpr double ReadableContrast = 4.5;

// The text colour moved towards the background, halfway at most, as far as it stays readable:
// muted in a light theme and in a dark one alike. A palette with no contrast to spare keeps its
// text colour.
QColor muted(const QColor &text, const QColor &background)
{
    for (int percent = 50; percent > 0; percent -= 5) {
        const auto towards = [&](int from, int to) {
            return from + (to - from) * percent / 100;
        };
        const QColor mixed(towards(text.red(), background.red()),
                           towards(text.green(), background.green()),
                           towards(text.blue(), background.blue()));
        if (contrast(mixed, background) >= ReadableContrast)
            return mixed;
    }
    return text;
}

}  // namespace

ConversationList::ConversationList(QWidget *parent)
    : QAbstractItemView(parent),
      m_entries(new ConversationModel(this)),
      m_scrollBarUpdate(new QTimer(this))
{
    m_scrollBarUpdate->setSingleShot(true);
    m_scrollBarUpdate->setInterval(FrameMilliseconds);
    connect(m_scrollBarUpdate, &QTimer::timeout, this, &ConversationList::updateScrollBar);
    setModel(m_entries);
    // Rows are placed from the one at the top of the view: the pixels above it, millions of
    // rows of them, are more than an int holds and never counted.
    setVerticalScrollMode(ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(NoEditTriggers);
}

void ConversationList::append(const QString &entry, Origin origin)
{
    m_entries->append(entry, origin);
}

bool ConversationList::appendUtf8(QByteArrayView entry)
{
    return m_entries->appendUtf8(entry);
}

qint64 ConversationList::textLimit() const
{
    return m_entries->textLimit();
}

void ConversationList::setTextLimit(qint64 bytes)
{
    m_entries->setTextLimit(bytes);
}

int ConversationList::count() const
{
    return m_entries->rowCount();
}

QString ConversationList::entry(int row) const
{
    return m_entries->entry(row);
}

ConversationList::Origin ConversationList::origin(int row) const
{
    return m_entries->origin(row);
}

QStyleOptionViewItem ConversationList::styled(const QStyleOptionViewItem &option, Origin origin)
{
    QStyleOptionViewItem style = option;
    if (origin == Origin::Status) {
        style.font.setItalic(true);
        QPalette &palette = style.palette;
        palette.setColor(QPalette::Text,
                         muted(palette.color(QPalette::Text), palette.color(QPalette::Base)));
        palette.setColor(QPalette::HighlightedText, muted(palette.color(QPalette::HighlightedText),
                                                          palette.color(QPalette::Highlight)));
    } else if (origin == Origin::Sent) {
        style.font.setBold(true);
    }
    style.fontMetrics = QFontMetrics(style.font);
    return style;
}

QModelIndex ConversationList::indexOfRow(int row) const
{
    return m_entries->index(row, 0);
}

int ConversationList::rowHeight() const
{
    if (m_rowHeight == 0)
        m_rowHeight = heightFor(m_sample);
    return m_rowHeight;
}

int ConversationList::heightFor(const QString &text) const
{
    // As the delegate sizes a row that shows this text.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = text;
    // Bold or italic faces may be taller: every row fits the face of any kind of line shown.
    int height = 1;
    for (Origin origin : {Origin::Status, Origin::Sent, Origin::Received}) {
        if (!m_seenOrigins[size_t(origin)] && (m_seenOrigins.any() || origin != Origin::Received))
            continue;
        const QStyleOptionViewItem style = styled(option, origin);
        height =
            std::max(height, this->style()
                                 ->sizeFromContents(QStyle::CT_ItemViewItem, &style, QSize(), this)
                                 .height());
    }
    return height;
}

bool ConversationList::fitRows(int first, int last)
{
    bool grown = false;
    for (int row = first; row <= last; ++row) {
        const QString text = m_entries->data(indexOfRow(row)).toString();
        const auto origin = size_t(m_entries->origin(row));
        bool unseen = !m_seenOrigins[origin];
        m_seenOrigins[origin] = true;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const qsizetype start = i;
            char32_t c = text[i].unicode();
            if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                c = QChar::surrogateToUcs4(text[i], text[i + 1]);
                ++i;
            }
            if (!m_seenParts[c / UnicodePart]) {
                m_seenParts[c / UnicodePart] = true;
                m_sample += QStringView(text).sliced(start, i - start + 1);
                unseen = true;
            }
        }
        // Measured in its own words too: a fallback font may depend on the text around.
        if (unseen && m_rowHeight != 0) {
            const int height = std::max(heightFor(m_sample), heightFor(text));
            grown = grown || height > m_rowHeight;
            m_rowHeight = std::max(m_rowHeight, height);
        }
    }
    return grown;
}

int ConversationList::rowsPerPage() const
{
    return std::max(1, viewport()->height() / rowHeight());
}

int ConversationList::topRow() const
{
    return verticalScrollBar()->value();
}

int ConversationList::verticalOffset() const
{
    // Qt adds it to points in the viewport, so it stays well within an int; rows are placed from
    // topRow() instead.
    return int(std::min(qint64(topRow()) * rowHeight(), FarOff));
}

qint64 ConversationList::rowAt(int y) const
{
    const int height = rowHeight();
    return topRow() + (y >= 0 ? y / height : -((height - 1 - qint64(y)) / height));
}

QRect ConversationList::rowsRect(int first, int last) const
{
    const qint64 top = (qint64(first) - topRow()) * rowHeight();
    const qint64 bottom = top + (qint64(last) - first + 1) * rowHeight() - 1;
    const auto near = [](qint64 y) {
        return int(std::clamp(y, -FarOff, FarOff));
    };
    return QRect(QPoint(0, near(top)), QPoint(viewport()->width() - 1, near(bottom)));
}

QRect ConversationList::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.model() != m_entries || index.column() != 0)
        return QRect();
    return rowsRect(index.row(), index.row());
}

QModelIndex ConversationList::indexAt(const QPoint &point) const
{
    const qint64 row = rowAt(point.y());
    if (row < 0 || row >= count() || point.x() < 0 || point.x() >= viewport()->width())
        return QModelIndex();
    return indexOfRow(int(row));
}

void ConversationList::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    updateScrollBar();
    const int row = index.row();
    const int page = rowsPerPage();
    const int top = topRow();
    int first = top;  // the row to show at the top
    switch (hint) {
        case EnsureVisible:
            if (row < top)
                first = row;
            else if (row >= top + page)
                first = row - page + 1;
            break;
        case PositionAtTop:
            first = row;
            break;
        case PositionAtBottom:
            first = row - page + 1;
            break;
        case PositionAtCenter:
            first = row - page / 2;
            break;
    }
    verticalScrollBar()->setValue(std::max(first, 0));
}

void ConversationList::reset()
{
    m_rowHeight = 0;
    QAbstractItemView::reset();
}

void ConversationList::rowsInserted(const QModelIndex &parent, int start, int end)
{
    Q_UNUSED(parent);
    // Not the base's: it fetches more rows (the model has them all) or moves editors (the list
    // has none), and while the list is hidden it restarts a zero timer for each row, which on
    // Windows leaves one posted event behind per row until the event loop runs again.
    // The scroll bar follows once a frame: updating and redrawing it for each of many quick
    // entries would cost far more than the entries themselves.
    if (fitRows(start, end)) {
        // Taller rows move every row: all of it again.
        updateScrollBar();
        viewport()->update();
        return;
    }
    if (!m_scrollBarUpdate->isActive())
        m_scrollBarUpdate->start();
    const QRect added = rowsRect(start, end) & viewport()->rect();
    if (!added.isEmpty())
        viewport()->update(added);
}

void ConversationList::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        m_rowHeight = 0;
    QAbstractItemView::changeEvent(event);
}

void ConversationList::updateGeometries()
{
    updateScrollBar();
    QAbstractItemView::updateGeometries();
}

void ConversationList::updateScrollBar()
{
    m_scrollBarUpdate->stop();
    const int rows = count();
    QScrollBar *bar = verticalScrollBar();
    bar->setRange(0, std::max(0, rows - rowsPerPage()));
    bar->setSingleStep(1);
    bar->setPageStep(rowsPerPage());
}

void ConversationList::scrollContentsBy(int, int)
{
    viewport()->update();
}

void ConversationList::paintEvent(QPaintEvent *event)
{
    const int first = int(std::max<qint64>(0, rowAt(event->rect().top())));
    const int last = int(std::min<qint64>(count() - 1, rowAt(event->rect().bottom())));
    if (first > last)
        return;
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    // A selected row is filled across its width, as a list view's is under every style.
    option.showDecorationSelected = true;
    const QStyle::State state = option.state;
    const QModelIndex current = currentIndex();
    const bool focus = (hasFocus() || viewport()->hasFocus()) && current.isValid();
    if (state & QStyle::State_Enabled)
        option.palette.setCurrentColorGroup(QPalette::Normal);
    const QStyleOptionViewItem styles[] = {styled(option, Origin::Status),
                                           styled(option, Origin::Sent),
                                           styled(option, Origin::Received)};
    for (int row = first; row <= last; ++row) {
        const QModelIndex index = indexOfRow(row);
        option = styles[int(origin(row))];
        option.rect = rowsRect(row, row);
        option.state = state;
        // Each entry reads in its own direction, whichever way the window runs.
        option.direction =
            index.data().toString().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
        if (selectionModel()->isSelected(index))
            option.state |= QStyle::State_Selected;
        if (focus && index == current)
            option.state |= QStyle::State_HasFocus;
        itemDelegate()->paint(&painter, option, index);
    }
}

void ConversationList::keyPressEvent(QKeyEvent *event)
{
    // The row shows only the beginning of its entry; the copy is the whole of it.
    if (event->matches(QKeySequence::Copy) && currentIndex().isValid()) {
        QGuiApplication::clipboard()->setText(entry(currentIndex().row()));
        event->accept();
        return;
    }
    QAbstractItemView::keyPressEvent(event);
}

void ConversationList::contextMenuEvent(QContextMenuEvent *event)
{
    const QModelIndex index = indexAt(viewport()->mapFromGlobal(event->globalPos()));
    if (!index.isValid())
        return;
    setCurrentIndex(index);
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const int row = index.row();
    menu->addAction(tr("Copy"), this,
                    [this, row] { QGuiApplication::clipboard()->setText(entry(row)); });
    menu->popup(event->globalPos());
}

QModelIndex ConversationList::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int rows = count();
    if (rows == 0)
        return QModelIndex();
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return indexOfRow(0);
    int row = current.row();
    switch (action) {
        case MoveUp:
        case MovePrevious:
            --row;
            break;
        case MoveDown:
        case MoveNext:
            ++row;
            break;
        case MovePageUp:
            row -= rowsPerPage();
            break;
        case MovePageDown:
            row += rowsPerPage();
            break;
        case MoveHome:
            row = 0;
            break;
        case MoveEnd:
            row = rows - 1;
            break;
        case MoveLeft:
        case MoveRight:
            break;
    }
    return indexOfRow(std::clamp(row, 0, rows - 1));
}

void ConversationList::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    const QRect area = rect.normalized();
    const int first = int(std::max<qint64>(0, rowAt(area.top())));
    const int last = int(std::min<qint64>(count() - 1, rowAt(area.bottom())));
    QItemSelection selection;
    if (first <= last && area.right() >= 0 && area.left() < viewport()->width())
        selection.select(indexOfRow(first), indexOfRow(last));
    selectionModel()->select(selection, command);
}

QRegion ConversationList::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    for (const QItemSelectionRange &range : selection) {
        if (range.isValid() && range.model() == m_entries)
            region += rowsRect(range.top(), range.bottom()) & viewport()->rect();
    }
    return region;
}
