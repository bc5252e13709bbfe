// SPDX-License-Identifier: MIT
// A libFuzzer target for the receive path: arbitrary bytes, cut into arbitrary arrivals, go
// through the component's decoding (IncomingText, as Winsock::readArrivedData uses it) and the
// DataArrival handler's hand-over of the text as list entries.
//
// Input: byte 0 says how many of the bytes after it are arrival sizes (1 to 8). Those sizes are
// used in turn, over and over, to cut the rest into arrivals; a size of 0 is an arrival that
// brings no bytes, as the one that reports the end of the connection.
//
// Checked: the entries run together equal the whole input decoded at once (every character kept,
// U+FEFF included, invalid bytes as U+FFFD), every entry is valid UTF-8, the component never
// announces an arrival that has no text, and nothing crashes.
#include "incomingtext.h"

#include <QByteArrayList>
#include <QStringDecoder>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void failure(const char *what)
{
    std::fprintf(stderr, "fuzz_arrivals: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const QByteArrayView input(data, qsizetype(size));
    const qsizetype sizeCount = qMin<qsizetype>(1 + data[0] % 8, input.size() - 1);
    const QByteArrayView sizes = input.sliced(1, sizeCount);
    const QByteArrayView stream = input.sliced(1 + sizeCount);

    IncomingText incoming;
    QByteArrayList entries;
    QByteArray strIncoming;
    // What DataArrival does: take the text into strIncoming and add it as one entry.
    const auto dataArrival = [&] {
        incoming.take(strIncoming);
        if (strIncoming.isEmpty())
            failure("an arrival was announced without any text");
        if (!QByteArrayView(strIncoming).isValidUtf8())
            failure("an entry is not valid UTF-8");
        entries.append(strIncoming);
    };

    // Sizes that are all 0 would never finish the stream; then it arrives in one piece.
    const bool progresses = sizes.count('\0') < sizes.size();
    qsizetype at = 0;
    for (qsizetype turn = 0; at < stream.size(); ++turn) {
        const qsizetype want = progresses ? uchar(sizes[turn % sizeCount]) : stream.size();
        const qsizetype piece = qMin(want, stream.size() - at);
        if (incoming.add(stream.sliced(at, piece)))
            dataArrival();
        at += piece;
    }
    if (incoming.end())
        dataArrival();
    if (incoming.hasText())
        failure("text was left behind after it was taken");

    // The oracle: the whole stream decoded in one go, keeping a leading byte-order mark.
    QStringDecoder wholeStream(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                         QStringDecoder::Flag::ConvertInitialBom);
    const QString expected = wholeStream.decode(stream);
    if (entries.join() != expected.toUtf8())
        failure("the entries differ from the stream decoded at once");
    return 0;
}
