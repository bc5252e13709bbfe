// SPDX-License-Identifier: MIT
// The whole program under load and faults, on real loopback sockets: start-up on a taken port, a
// thousand calls with a caller turned away during each, and a reset in the middle of a text.
// Nothing may be lost, doubled or left open, and nothing may hang. (How a conversation ends while
// text is on its way: tst_promises.)
#include "parlinotest.h"

class tst_E2e : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QVERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // First, before other tests leave freed memory behind that a leak could fill unseen.
    void thousandCalls_descriptorsAndMemoryStayFlat()
    {
        ChatWindow a, b;
        aimAt(a, u"127.0.0.1"_s, b.port());
        const auto oneCall = [&] {
            a.window->cmdConnect->click();
            const bool up = waitUntil([&] { return a.connected() && b.connected(); });
            const bool turnedAway = oneMoreCallerTurnedAway(b);  // while connected
            a.window->cmdDissconnect->click();
            const bool down = waitUntil([&] { return b.state() == Winsock::sckClosed; });
            b.window->cmdListen->click();
            return up && turnedAway && down;
        };
        // Qt's caches warm up before the measurement.
        for (int i = 0; i < 50; ++i) QVERIFY(oneCall());
        const int descriptors = openDescriptors();
        const qint64 resident = residentKiB();
        for (int i = 0; i < 1000; ++i) QVERIFY2(oneCall(), qPrintable(u"call %1"_s.arg(i)));
        QVERIFY(waitUntil([&] { return openDescriptors() == descriptors; }, 5000));
#ifndef __SANITIZE_ADDRESS__  // AddressSanitizer holds freed memory back on purpose
        QCOMPARE_LT(residentKiB() - resident, 4096);
#endif
        qInfo("1000 calls: descriptors %d before and after, memory grew by %lld KiB", descriptors,
              residentKiB() - resident);
    }

    void startOnTakenPort_reportsAndStaysUsable()
    {
        QTcpServer occupant;
        QVERIFY(occupant.listen(QHostAddress::Any));
        ChatWindow second(occupant.serverPort());
        QVERIFY(second.lines().isEmpty());  // it is not listening, so it does not say it is
        const QString inUse =
            u"Port %1 is already in use by another program, so no connection "
            "requests can be received. You can still connect to a partner."_s;
        QTRY_COMPARE(second.window->errors, QStringList{inUse.arg(occupant.serverPort())});
        QCOMPARE(second.state(), Winsock::sckClosed);
        ChatWindow first;
        QVERIFY(connectPair(second, first));
    }

    void resetMidText_keepsItsStart()
    {
        ChatWindow b;
        // A reset in the middle of a long text: what arrived is its start, and the window listens
        // again on request. A reset is the partner leaving, not an error of this program.
        QString text;
        while (text.size() < 4 * 1024 * 1024) text += u"Grüße 東京 😀 %1\n"_s.arg(text.size());
        RawPeer peer(b.port());
        QVERIFY(waitUntil([&] { return b.connected(); }));
        peer.write(text.toUtf8());  // what the system takes at once
        QVERIFY(waitUntil([&] { return !b.joined(2).isEmpty(); }));
        peer.reset();
        QVERIFY(waitUntil([&] { return b.state() == Winsock::sckClosed; }));
        QString received = b.joined(2);
        while (received.endsWith(QChar::ReplacementCharacter)) received.chop(1);
        QVERIFY(!received.isEmpty() && received.size() < text.size() && text.startsWith(received));
        QVERIFY(b.window->errors.isEmpty());
        b.window->cmdListen->click();
        QVERIFY(acceptedCaller(b));
    }
};

QTEST_MAIN(tst_E2e)
#include "tst_e2e.moc"
