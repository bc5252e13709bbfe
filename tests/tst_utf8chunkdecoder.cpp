// SPDX-License-Identifier: MIT
// Decoding in pieces must give exactly what decoding the whole stream at once gives.
#include "utf8chunkdecoder.h"

#include <QRandomGenerator>
#include <QTest>

class tst_Utf8ChunkDecoder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everySplit_matchesOneShot_data();
    void everySplit_matchesOneShot();
    void randomBytesRandomPieces_matchOneShot();
    void pieceWithoutWholeCharacter_givesNothingYet();
};

void tst_Utf8ChunkDecoder::everySplit_matchesOneShot_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("multilingual") << QStringLiteral("Grüße Ἀθῆναι 東京 שלום").toUtf8();
    QTest::newRow("emoji") << QStringLiteral("😀👍🏽🇮🇹").toUtf8();
    QTest::newRow("cut sequence then ascii") << QByteArray(
        "x\xE2\x82"
        "A\xF0\x9F"
        "yz");
    QTest::newRow("cut sequence then a whole one") << QByteArray("x\xE2\x82\xE2\x82\xAC");
    QTest::newRow("overlong") << QByteArray("\xC0\xAF\xE0\x80\xAF\xF0\x80\x80\xAF");
    QTest::newRow("encoded surrogates") << QByteArray("\xED\xA0\x80\xED\xBF\xBF");
    QTest::newRow("beyond U+10FFFF") << QByteArray("\xF4\x90\x80\x80\xF5\x80");
    QTest::newRow("stray continuations") << QByteArray(
        "\x80\xBF\x80"
        "a");
    QTest::newRow("NUL and controls") << QByteArray("a\0b\x01\x1B[31m\n\r", 10);
    QTest::newRow("ends unfinished") << QByteArray("ok \xF0\x9F\x98");
}

void tst_Utf8ChunkDecoder::everySplit_matchesOneShot()
{
    QFETCH(QByteArray, bytes);
    const QString whole = QString::fromUtf8(bytes);
    for (qsizetype first = 0; first <= bytes.size(); ++first) {
        for (qsizetype second = first; second <= bytes.size(); ++second) {
            Utf8ChunkDecoder decoder;
            QString text = decoder.decode(QByteArrayView(bytes).first(first));
            text += decoder.decode(QByteArrayView(bytes).sliced(first, second - first));
            text += decoder.decode(QByteArrayView(bytes).sliced(second));
            text += decoder.finish();
            QCOMPARE(text, whole);
        }
    }
}

void tst_Utf8ChunkDecoder::randomBytesRandomPieces_matchOneShot()
{
    QRandomGenerator random(1981);
    const QByteArray alphabet("a\0\x7F\x80\xBF\xC0\xC2\xDF\xE0\xED\xEF\xF0\xF4\xF5\xFF", 15);
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes;
        const int size = random.bounded(1, 24);
        for (int i = 0; i < size; ++i) bytes += alphabet[random.bounded(int(alphabet.size()))];
        Utf8ChunkDecoder decoder;
        QString text;
        for (qsizetype at = 0; at < bytes.size();) {
            const qsizetype piece = random.bounded(1, 5);
            text += decoder.decode(
                QByteArrayView(bytes).sliced(at).first(qMin(piece, bytes.size() - at)));
            at += piece;
        }
        text += decoder.finish();
        QCOMPARE(text, QString::fromUtf8(bytes));
    }
}

void tst_Utf8ChunkDecoder::pieceWithoutWholeCharacter_givesNothingYet()
{
    Utf8ChunkDecoder decoder;
    QCOMPARE(decoder.decode("\xF0"), QString());
    QCOMPARE(decoder.decode("\x9F\x98"), QString());
    QVERIFY(decoder.holdsBytes());
    QCOMPARE(decoder.decode("\x80"), QStringLiteral("😀"));
    QVERIFY(!decoder.holdsBytes());
}

QTEST_APPLESS_MAIN(tst_Utf8ChunkDecoder)
#include "tst_utf8chunkdecoder.moc"
