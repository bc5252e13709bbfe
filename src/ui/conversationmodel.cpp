// SPDX-License-Identifier: MIT
#include "conversationmodel.h"

#include "systemmemory.h"
#include "utf8chunkdecoder.h"
#include "visibletext.h"

#include <QStringDecoder>
#include <cstring>

namespace {

constexpr qint64 BlockBytes = 4 * 1024 * 1024;
constexpr qint64 MaxTextLimit = 1024 * 1024 * 1024;

qint64 physicalMemory()
{
    const qint64 bytes = SystemMemory::physical();
    return bytes > 0 ? bytes : 4 * MaxTextLimit;
}

}  // namespace

ConversationModel::ConversationModel(QObject *parent)
    : QAbstractListModel(parent), m_textLimit(qMin(physicalMemory() / 4, MaxTextLimit))
{
}

ConversationModel::~ConversationModel() = default;

int ConversationModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_count;
}

QVariant ConversationModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
        case Qt::DisplayRole:
            return shownBeginning(index.row(), ShownCharacters);
        case Qt::ToolTipRole:
            // Wrapped, which a tooltip does only for rich text and at word boundaries: the entry's
            // own markup is escaped, and a long run with no space can break anywhere.
            return QStringLiteral("<p>%1</p>")
                .arg(VisibleText::wrappable(shownBeginning(index.row(), ToolTipCharacters))
                         .toHtmlEscaped());
        case Qt::AccessibleTextRole:
            return VisibleText::of(entry(index.row()));
        case EntryTextRole:
            return entry(index.row());
        default:
            return {};
    }
}

void ConversationModel::append(QStringView text, Origin origin)
{
    add(text.toUtf8(), origin);
}

bool ConversationModel::appendUtf8(QByteArrayView text)
{
    const qint64 kept = m_textBytes + EntryBytes * m_count;
    if (kept + text.size() + EntryBytes > m_textLimit)
        return false;
    add(text, Origin::Received);
    return true;
}

void ConversationModel::add(QByteArrayView text, Origin origin)
{
    beginInsertRows(QModelIndex(), m_count, m_count);
    for (qsizetype done = 0; done < text.size();) {
        const qint64 offset = m_textBytes % BlockBytes;
        if (offset == 0)
            m_blocks.emplace_back(BlockBytes);
        const qsizetype take = qsizetype(qMin(BlockBytes - offset, qint64(text.size() - done)));
        std::memcpy(m_blocks.back().data() + offset, text.data() + done, size_t(take));
        done += take;
        m_textBytes += take;
    }
    if (m_count % ChunkWords == 0)
        m_words.emplace_back(qint64(ChunkWords * sizeof(Word)));
    Word *const words = chunk(size_t(m_count >> ChunkShift));
    words[m_count % ChunkWords] = Word(m_textBytes) | Word(origin) << OriginShift;
    ++m_count;
    endInsertRows();
}

ConversationModel::Word ConversationModel::word(int row) const
{
    return chunk(size_t(row >> ChunkShift))[row % ChunkWords];
}

ConversationModel::Origin ConversationModel::origin(int row) const
{
    return Origin(word(row) >> OriginShift);
}

QByteArrayView ConversationModel::piece(qint64 from, qint64 to) const
{
    const qint64 offset = from % BlockBytes;
    return QByteArrayView(m_blocks[size_t(from / BlockBytes)].data() + offset,
                          qMin(to - from, BlockBytes - offset));
}

QByteArrayView ConversationModel::head(int row, qint64 bytes, QByteArray &scratch) const
{
    const qint64 from = end(row - 1);
    const qint64 to = qMin(end(row), from + bytes);
    if (from == to)
        return {};
    const QByteArrayView first = piece(from, to);
    if (first.size() == to - from)
        return first;
    scratch = first.toByteArray();
    scratch.append(piece(from + first.size(), to));
    return scratch;
}

QString ConversationModel::entry(int row) const
{
    const qint64 from = end(row - 1), to = end(row);
    if (from == to)
        return {};
    const QByteArrayView first = piece(from, to);
    if (first.size() == to - from)
        return Utf8ChunkDecoder::toString(first);
    // The entry runs across blocks. Its bytes are valid UTF-8, and on those Qt's decoder keeps a
    // character cut between two pieces whole.
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    QString text;
    text.reserve(qsizetype(to - from));
    for (qint64 at = from; at < to;) {
        const QByteArrayView bytes = piece(at, to);
        text += QString(decoder(bytes));
        at += bytes.size();
    }
    return text;
}

// The first `characters` UTF-16 units of an entry at most, as the list shows them, ending in an
// ellipsis when the text goes on; the rest is never decoded.
QString ConversationModel::shownBeginning(int row, qsizetype characters) const
{
    // No character takes more than four bytes, nor less than one UTF-16 unit per byte. One byte
    // more tells whether the last character goes on.
    QByteArray scratch;
    const QByteArrayView utf8 = head(row, characters * 4 + 1, scratch);
    qsizetype size = qMin(utf8.size(), characters * 4);
    while (size < utf8.size() && size > 0 && (uchar(utf8[size]) & 0xC0) == 0x80) --size;
    QString text = Utf8ChunkDecoder::toString(utf8.first(size));
    bool cut = size < end(row) - end(row - 1);
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
