// SPDX-License-Identifier: MIT
// What Parlino promises a partner on the wire, one row a promise and a partner: a raw socket,
// OpenBSD netcat, openssl s_client, ncat --ssl, or a second copy. Parlino is the
// whole program on loopback but for its process; the process ending on SIGTERM and SIGHUP while
// a slow reader takes its text is terminate.sh's.
#include "parlinotest.h"

#include <QRegularExpression>

namespace {

// What happens once Parlino has said its text.
enum class Then {
    Reads,        // the partner reads it, silent
    Answers,      // the partner reads it and writes back
    Pauses,       // the partner reads nothing past the silence time, then reads
    EndsAfter,    // the partner reads it, then ends its stream
    ResetsAfter,  // the partner reads it, then resets the connection
    TalksOn,      // Parlino disconnects; the partner reads to the end, writes, and ends
    EndsFirst,    // the partner ends its stream, then reads
    Resets,       // the partner resets with the text on its way
    CloseBox,     // the window is closed; the partner reads
    Unread,       // Parlino disconnects; the partner never reads
    ExitUnread,   // File, Exit; the partner never reads
};

// A row's partner, connected to Parlino: a raw socket or a second copy that calls it; or a tool
// run by the shell (%1: the port) that calls it or, listening (" -l "), that it calls, encrypted
// when the tool is. (A copy that Parlino calls: tst_chat.)
struct Partner
{
    Partner(const QString &how, ChatWindow &parlino)
    {
        const bool listens = how.contains(u" -l "_s);
        const quint16 port = listens ? closedPort() : quint16(parlino.port());
        if (how == u"copy") {
            copy = std::make_unique<ChatWindow>();
            connectPair(*copy, parlino);
        } else if (how == u"raw") {
            raw = std::make_unique<RawPeer>(port);
        } else {
            tool = std::make_unique<Tool>(how.arg(port));
        }
        if (listens && waitUntil([&] { return listening(port); })) {
            aimAt(parlino, u"127.0.0.1"_s, port);
            frmMain &w = *parlino.window;
            (how.contains(u"ssl"_s) ? w.mnuCommunicationsConnectEncrypted
                                    : w.mnuCommunicationsConnect)
                ->trigger();
        }
    }
    // Waits until the partner has received `text` and nothing else (a copy: among its lines).
    bool gets(const QByteArray &text)
    {
        QByteArray got;
        if (raw)
            return raw->read(got, text.size()) && got == text;
        return waitUntil(
            [&] { return copy ? copy->joined(0).toUtf8().contains(text) : tool->out == text; });
    }
    void says(const QByteArray &text) { raw ? raw->write(text) : void(tool->write(text)); }
    void ends() { raw ? raw->halfClose() : tool->closeWriteChannel(); }

    std::unique_ptr<RawPeer> raw;
    std::unique_ptr<Tool> tool;
    std::unique_ptr<ChatWindow> copy;
};

const QString Nc = u"nc.openbsd -N 127.0.0.1 %1"_s;  // calls, and ends its side with its input
const QString Ncat = u"ncat --ssl 127.0.0.1 %1"_s;

}  // namespace

class tst_Promises : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void promise_data()
    {
        QTest::addColumn<QString>("partner");
        QTest::addColumn<Then>("then");
        QTest::addColumn<int>("size");  // of the text Parlino says, in characters
        using enum Then;
        const auto row = [](const char *name, const QString &partner, Then then, int size = 100) {
            QTest::newRow(name) << partner << then << size;
        };
        const QString raw = u"raw"_s;
        const int big = 8 << 20;  // more than the systems on both sides hold
        row("silent nc reader gets a 40,000-character message whole", Nc, Reads, 40000);
        row("second copy hears the answering side speak first", u"copy"_s, Reads);
        row("raw reader that pauses past the silence time gets 5 MB whole", raw, Pauses, 5000000);
        row("nc reader that ends its side after reading all sees no false loss", Nc, EndsAfter);
        row("raw reader that resets after reading all sees no false loss", raw, ResetsAfter);
        row("raw partner that talks on after Disconnect is heard to its end", raw, TalksOn);
        row("ncat --ssl partner that talks on after Disconnect is heard", Ncat, TalksOn);
        row("nc calls: text both ways", Nc, Answers);
        row("Parlino calls nc -l: text both ways", u"nc.openbsd -N -l 127.0.0.1 %1"_s, Answers);
        row("s_client calls: text both ways", u"openssl s_client -quiet -connect 127.0.0.1:%1"_s,
            Answers);
        row("s_client calls over TLS 1.2: text both ways",
            u"openssl s_client -tls1_2 -quiet -connect 127.0.0.1:%1"_s, Answers);
        row("Parlino calls ncat --ssl -l: text both ways", u"ncat --ssl -l 127.0.0.1 %1"_s,
            Answers);
        row("a partner that ends its side first still gets 8 MB", raw, EndsFirst, big);
        row("a reset with text on its way says how much was not delivered", raw, Resets, big);
        row("a closed window goes at once; status 0 once 8 MB are read", raw, CloseBox, big);
        row("a reader that never reads after Disconnect is told as not delivered", raw, Unread,
            big);
        row("File, Exit with a reader that never reads ends with status 1", raw, ExitUnread, big);
    }

    // Parlino says a text as soon as it is connected; the partner gets it whole, followed by the
    // end of the stream when the conversation ends, or Parlino tells how much it did not get: in
    // the list, or in the exit status once the window has gone. What the partner says is shown.
    void promise()
    {
        QFETCH(QString, partner);
        QFETCH(Then, then);
        QFETCH(int, size);
        using enum Then;
        const bool reads = then != Resets && then != Unread && then != ExitUnread;
        const bool exits = then == CloseBox || then == ExitUnread;
        const bool talks = then == Answers || then == TalksOn;  // the partner writes back
        const QByteArray back = talks ? u"cześć 😀 after yours\n"_s.toUtf8() : QByteArray();
        ChatWindow a;
        a.window->socket().setLingerTime(reads ? 20000 : 300);
        Partner p(partner, a);
        QVERIFY(waitUntil([&] { return a.connected(); }));
        say(a, u"Ann"_s, QString::fromLatin1(QByteArray("0123456789").repeated(size / 10)));
        const QByteArray sent = a.lines().constLast().toUtf8();
        if (then == TalksOn || then == Unread)
            a.window->cmdDissconnect->click();
        if (then == EndsFirst)
            p.ends();
        if (then == Resets)
            p.raw->reset();
        if (exits) {  // the window goes at once, the program once the text has
            a.window->show();
            then == CloseBox ? void(a.window->close()) : a.window->mnuFileExit->trigger();
            QVERIFY(!a.window->isVisible() && a.exits == 0);
        }
        if (then == Pauses)  // its window closed, its system answering all along
            QVERIFY(!QTest::qWaitFor([&] { return !a.connected(); }, 35000));
        if (reads)
            QVERIFY(p.gets(sent));
        QByteArray rest;
        if (p.raw && then == TalksOn)  // Parlino's end of the stream comes first
            QVERIFY(p.raw->read(rest) && rest.isEmpty());
        if (talks)
            p.says(back);
        if (then == ResetsAfter)
            p.raw->reset();
        if (then == EndsAfter || then == TalksOn)
            p.ends();
        QTRY_VERIFY(a.joined(0).contains(QString::fromUtf8(back)));
        if (then != Reads && then != Answers && then != Pauses)
            QTRY_VERIFY(!a.connected() && !a.window->socket().isDelivering());
        if (p.raw && (then == TalksOn || then == EndsFirst || then == CloseBox))
            QVERIFY(p.raw->read(rest) && rest.isEmpty());  // then the end of the stream
        QTRY_COMPARE(a.exits, int(exits));
        if (exits)
            QCOMPARE(a.exitStatus, reads ? 0 : 1);
        else
            QTRY_COMPARE(a.lines().filter(QRegularExpression(u"not delivered|lost"_s)).size(),
                         int(!reads));
        QVERIFY(a.window->errors.isEmpty());
    }
};

QTEST_MAIN(tst_Promises)
#include "tst_promises.moc"
