// SPDX-License-Identifier: MIT
#include "conversationmodel.h"

#include "utf8chunkdecoder.h"
#include "visibletext.h"

#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

constexpr qint64 BlockBytes = 4 * 1024 * 1024;
constexpr qint64 MaxTextLimit = 1024 * 1024 * 1024;

qint64 physicalMemory()
{
#ifdef Q_OS_UNIX
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages > 0 && pageSize > 0)
        return qint64(pages) * pageSize;
#endif
    return 4 * MaxTextLimit;
}

// The first `characters` UTF-16 units of UTF-8 text at most, as the list shows them, ending in
// an ellipsis when the text goes on; the rest is never decoded.
QString shownBeginning(QByteArrayView utf8, qsizetype characters)
{
    // No character takes more than four bytes, nor less than one UTF-16 unit per byte.
    qsizetype size = qMin(utf8.size(), characters * 4);
    while (size < utf8.size() && size > 0 && (uchar(utf8[size]) & 0xC0) == 0x80) --size;
    QString text = Utf8ChunkDecoder::toString(utf8.first(size));
    bool cut = size < utf8.size();
    if (text.size() > characters) {
        // Never cut a character that takes two UTF-16 units in half.
        text.truncate(text.at(characters - 1).isHighSurrogate() ? characters - 1 : characters);
        cut = true;
    }
    QString shown = VisibleText::of(text);
    if (cut)
        shown += QChar(0x2026);  // …
    return shown;
}

}  // namespace

ConversationModel::ConversationModel(QObject *parent)
    : QAbstractListModel(parent), m_textLimit(qMin(physicalMemory() / 4, MaxTextLimit))
{
}

ConversationModel::~ConversationModel() = default;

int ConversationModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_entries.size());
}

QVariant ConversationModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
        case Qt::DisplayRole:
            return shownBeginning(bytesOf(index.row()), ShownCharacters);
        case Qt::ToolTipRole:
            // Wrapped, which a tooltip does only for rich text: the entry's own markup is escaped.
            return QStringLiteral("<p>%1</p>")
                .arg(shownBeginning(bytesOf(index.row()), ToolTipCharacters).toHtmlEscaped());
        case Qt::AccessibleTextRole:
            return VisibleText::of(entry(index.row()));
        case EntryTextRole:
            return entry(index.row());
        default:
            return {};
    }
}

void ConversationModel::append(QStringView text)
{
    const QByteArray utf8 = text.toUtf8();
    const int row = int(m_entries.size());
    beginInsertRows(QModelIndex(), row, row);
    m_entries.push_back({store(utf8), utf8.size()});
    endInsertRows();
}

bool ConversationModel::appendUtf8(QByteArrayView text)
{
    if (m_textBytes + text.size() > m_textLimit)
        return false;
    const int row = int(m_entries.size());
    beginInsertRows(QModelIndex(), row, row);
    m_entries.push_back({store(text), text.size()});
    endInsertRows();
    return true;
}

QString ConversationModel::entry(int row) const
{
    return Utf8ChunkDecoder::toString(bytesOf(row));
}

QByteArrayView ConversationModel::bytesOf(int row) const
{
    const Entry &entry = m_entries.at(size_t(row));
    return QByteArrayView(entry.bytes, entry.size);
}

const char *ConversationModel::store(QByteArrayView text)
{
    m_textBytes += text.size();
    if (text.isEmpty())
        return nullptr;
    char *at = nullptr;
    if (text.size() > BlockBytes / 4) {
        // A large entry gets a block of its own, so no block is left mostly empty.
        at = m_blocks.emplace_back(new char[size_t(text.size())]).get();
    } else {
        if (text.size() > m_blockFree) {
            m_block = m_blocks.emplace_back(new char[BlockBytes]).get();
            m_blockFree = BlockBytes;
        }
        at = m_block + (BlockBytes - m_blockFree);
        m_blockFree -= text.size();
    }
    std::memcpy(at, text.data(), size_t(text.size()));
    return at;
}
