// SPDX-License-Identifier: MIT
#include "windowpingpong.h"

#include "benchclock.h"
#include "frmmain.h"
#include "winsock.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include "conversationlist.h"

namespace {
constexpr int ConnectTicks = 10000;  // milliseconds
}

WindowPingPong::WindowPingPong(frmMain &window, char name, int warmup, int lines,
                               const QString &logPath)
    : QObject(&window),
      m_window(window),
      m_logPath(logPath),
      m_log(name, warmup, lines),
      m_waitConnected(new QTimer(this))
{
    m_window.txtDisplayName->setText(QString(QLatin1Char(name)));
    connect(m_window.List1->model(), &QAbstractItemModel::rowsInserted, this,
            &WindowPingPong::rowsInserted);
    m_waitConnected->setInterval(1);
    connect(m_waitConnected, &QTimer::timeout, this, [this] {
        if (m_window.socket().State() == Winsock::sckConnected) {
            m_waitConnected->stop();
            send(0);
        } else if (++m_waitedTicks > ConnectTicks) {
            m_waitConnected->stop();
            finish(false);
        }
    });
}

void WindowPingPong::call(const QString &host, int port)
{
    m_window.txtRemoteIP->setText(host);
    m_window.txtRemotePort->setText(QString::number(port));
    m_window.cmdConnect->click();
    m_waitConnected->start();
}

void WindowPingPong::rowsInserted(const QModelIndex &, int first, int last)
{
    if (m_sending)
        return;
    const std::int64_t now = BenchClock::nowNs();
    for (int row = first; row <= last; ++row) {
        const int next = m_log.received(m_window.List1->entry(row), now);
        if (next == LatencyLog::RunOver) {
            QMetaObject::invokeMethod(
                this, [this] { finish(true); }, Qt::QueuedConnection);
        } else if (next != LatencyLog::NotALine) {
            // Answer from the next turn of the event loop, as a user's click would be.
            QMetaObject::invokeMethod(
                this, [this, next] { send(next); }, Qt::QueuedConnection);
        }
    }
}

void WindowPingPong::send(int number)
{
    m_window.txtMessage->setText(m_log.line(number).mid(4));
    m_log.sent(number, BenchClock::nowNs());
    m_sending = true;
    m_window.cmdSend->click();
    m_sending = false;
    if (m_log.sentLast(number))
        finish(true);
}

void WindowPingPong::finish(bool ok)
{
    Q_EMIT finished(ok && m_log.write(m_logPath));
}
