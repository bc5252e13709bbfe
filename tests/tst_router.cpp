// SPDX-License-Identifier: MIT
// A real router: miniupnpd in a network namespace of the test's own, speaking UPnP IGD, NAT-PMP
// or both, between this computer's home network and an outside one. Run through router.sh, which
// makes the namespaces, runs this binary in the home one and names the others.
#include "parlinotest.h"
#include "routerport.h"

namespace {

constexpr int Port = 1981;
const QString Open =
    u"Callers on the internet can reach this computer at 11.0.0.1, port 1981, "
    "until Parlino closes."_s;

// What the router's side says: `rules` the forwardings it holds (":1981" this computer's), `call
// PORT` whether a caller outside gets through, `restart` a router that forgets.
QByteArray router(const QStringList &arguments)
{
    QProcess control;
    control.start(qEnvironmentVariable("PARLINO_ROUTER_CTL"), QStringList{u"ctl"_s} + arguments);
    control.waitForFinished();
    return control.exitCode() == 0 ? control.readAllStandardOutput() + "ok" : QByteArray();
}

// The program in the home network, listening on its usual port; what it forwarded is given back
// at the end, as when it exits.
struct Home : ChatWindow
{
    Home() : ChatWindow(Port) {}
    ~Home()
    {
        window->router().close();
        QVERIFY(QTest::qWaitFor([this] { return window->router().isOff(); }));
    }
    // Turns the item on; true once the port is forwarded.
    bool openPort()
    {
        window->mnuCommunicationsOpenPortOnRouter->trigger();
        return QTest::qWaitFor([this] { return lines().contains(Open); }, 10000);
    }
};

}  // namespace

class tst_Router : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openPort_outsideCallerIsAskedAndTalks()
    {
        Home home;
        QVERIFY(home.openPort());
        QVERIFY(router({u"rules"_s}).contains(":1981"));
        Tool outside(u"ip netns exec \"$PARLINO_OUTSIDE_NS\" nc 11.0.0.1 1981"_s);
        outside.write("from outside");
        QTRY_COMPARE(home.window->questions.size(), 1);
        QVERIFY(home.window->questions.constFirst().contains(u"11.0.0.2"_s));
        QTRY_COMPARE(home.lines().constLast(), u"from outside"_s);
        say(home, u"Ann"_s, u"welcome"_s);
        QTRY_VERIFY(outside.out.contains("Ann : welcome"));
    }
    void turnedOff_forwardingGoneAndCallersRefused()
    {
        Home home;
        QVERIFY(home.openPort());
        home.window->mnuCommunicationsOpenPortOnRouter->trigger();
        QTRY_COMPARE(home.lines().constLast(),
                     u"The router no longer forwards port 1981 to this computer."_s);
        QVERIFY(!router({u"rules"_s}).contains(":1981"));
        QVERIFY(router({u"call"_s, u"1981"_s}).isEmpty());
    }
    void exit_forwardingGone()
    {
        Home home;
        QVERIFY(home.openPort());
        home.window->mnuFileExit->trigger();
        QTRY_COMPARE(home.exits, 1);
        QVERIFY(!router({u"rules"_s}).contains(":1981"));
        QVERIFY(router({u"call"_s, u"1981"_s}).isEmpty());
    }
    void listenAndDisconnect_leaveTheForwarding()
    {
        Home home;
        QVERIFY(home.openPort());
        home.window->cmdListen->click();
        home.window->cmdDissconnect->click();
        QVERIFY(router({u"rules"_s}).contains(":1981"));
        QVERIFY(home.window->mnuCommunicationsOpenPortOnRouter->isChecked());
    }
    void ipv6_callerGetsThroughThePinhole()
    {
        Home home;
        QVERIFY(
            router({u"call"_s, u"1981"_s, u"3fff:1::2"_s}).isEmpty());  // the firewall is closed
        QVERIFY(home.openPort());
        QTRY_COMPARE_WITH_TIMEOUT(home.lines().constLast(),
                                  u"The router's firewall lets callers through to this computer's "
                                  "IPv6 address 3fff:1::2, port 1981, until Parlino closes."_s,
                                  10000);
        QVERIFY(!router({u"call"_s, u"1981"_s, u"3fff:1::2"_s}).isEmpty());
        home.window->mnuCommunicationsOpenPortOnRouter->trigger();
        QTRY_VERIFY(home.window->router().isOff());
        QTRY_VERIFY(router({u"call"_s, u"1981"_s, u"3fff:1::2"_s}).isEmpty());
    }
    void routerRestarted_renewalForwardsAgain()
    {
        Home home;
        QVERIFY(home.openPort());
        const int lines = home.lines().size();
        QVERIFY(!router({u"restart"_s}).isEmpty());
        QVERIFY(!router({u"rules"_s}).contains(":1981"));
        home.window->router().renew();
        QTRY_VERIFY(router({u"rules"_s}).contains(":1981"));
        QVERIFY(!router({u"call"_s, u"1981"_s}).isEmpty());
        QCOMPARE(home.lines().size(), lines);
    }
    void portTakenByAnotherComputer_saysSo()
    {
        QVERIFY(!router({u"occupy"_s, u"1981"_s}).isEmpty());
        Home home;
        home.window->mnuCommunicationsOpenPortOnRouter->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(
            home.lines().constLast(),
            u"The router refused to forward port 1981: it forwards that port to "
            "another computer already."_s,
            5000);
        QVERIFY(!router({u"rules"_s}).contains("10.0.0.2"));
        QVERIFY(!router({u"restart"_s}).isEmpty());  // the neighbour's forwarding goes too
    }
    void noRouter_saysNoneAnswered()
    {
        Home home;
        home.window->mnuCommunicationsOpenPortOnRouter->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(home.lines().constLast(),
                                  u"No router answered within 3 seconds: port 1981 is not open to "
                                  "callers on the internet."_s,
                                  10000);
        QVERIFY(!home.window->mnuCommunicationsOpenPortOnRouter->isChecked());
    }
};

QTEST_MAIN(tst_Router)
#include "tst_router.moc"
