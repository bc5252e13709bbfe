// SPDX-License-Identifier: MIT
// The listening port forwarded from the router to this computer, while the user wants it: a lease
// of at most an hour, renewed at half its time, deleted when the user no longer wants it or the
// program ends. A program that is killed leaves it until the lease ends.
//
// The router is asked off the GUI thread, one request after another: open, renew, close. What a
// request brought comes back as a signal. A request that takes longer than its limit is given up
// (its thread ends on its own later; a mapping it made after all is deleted).
//
//   Off --open()--> Opening --answered(open)--> Open --renew()/timer--> Renewing --> Open
//   Opening --answered(open), with a global IPv6 address--> Piercing --> Open
//                        \--answered(not open)--> Off         Renewing --lost()--> Off
//   Open/Renewing --close()--> Closing --closed()--> Off;  Opening --close()--> Off, closed()
#pragma once

#include "routermapping.h"
#include "routerprotocolsloader.h"
#include "routersearch.h"

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

class RouterPort : public QObject
{
    Q_OBJECT

public:
    // The lease asked for, and renewed at half its time.
    static constexpr quint32 LeaseSeconds = 3600;
    // How long a search may take before it is given up: NAT-PMP's second and UPnP's discovery,
    // and a few seconds for UPnP's requests, which a router on the home network answers in
    // milliseconds.
    static constexpr int AnswerLimitMs = 6000;

    explicit RouterPort(QObject *parent = nullptr);
    ~RouterPort() override;

    // Where tests name the router to ask.
    void setSearch(const RouterSearch &search) { m_search = search; }

    // Asks for the port to be forwarded; answered() tells how it went. Ignored unless Off.
    void open(quint16 port);
    // Deletes the forwarding; closed() follows, at once when there is none.
    void close();
    // Asks for the lease again now, as the timer does at half its time. Only while Open.
    void renew();
    bool isOff() const { return m_state == State::Off; }

Q_SIGNALS:
    // What opening brought: the port is open, or why not.
    void answered(const RouterMapping &mapping);
    // The router no longer holds the port and would not forward it again: why.
    void lost(const RouterMapping &mapping);
    // The router's IPv6 firewall lets callers through to the port.
    void pinholeOpened(const RouterMapping &mapping);
    void closed();

private:
    enum class State { Off, Opening, Piercing, Open, Renewing, Closing };
    struct Mailbox;
    using Handler = void (RouterPort::*)(const RouterMapping &);

    // Runs work on a thread of its own; its result reaches done unless given up first.
    void start(std::function<RouterMapping()> work, Handler done);
    void giveUp();
    void opened(const RouterMapping &mapping);
    void renewed(const RouterMapping &mapping);
    void pierced(const RouterMapping &mapping);
    // Keeps an open mapping and times its renewal.
    void hold(const RouterMapping &mapping);
    void deleted(const RouterMapping &mapping);
    // A request given up brought a mapping after all: deleted, nobody told.
    void deleteLate(const RouterMapping &mapping);

    RouterProtocolsLoader m_loader;
    RouterProtocols *m_protocols = nullptr;  // once loaded
    RouterSearch m_search;
    State m_state = State::Off;
    RouterMapping m_mapping;
    quint16 m_port = 0;
    QTimer m_renewal;
    QTimer m_limit;
    std::shared_ptr<Mailbox> m_mailbox;
    int m_request = 0;  // the request whose answer is awaited
};
