// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QObject>

class QSocketNotifier;

// The text sent on one connection, on its way to the partner. It is written through a descriptor
// of its own for the connection, so it keeps flowing after the partner has ended its side of the
// stream (which makes Qt's socket close its descriptor and drop what it had not yet written), and
// until the partner has acknowledged it, however the connection's socket object ends.
class OutgoingText : public QObject
{
    Q_OBJECT

public:
    // Takes a descriptor of its own for the connection behind `descriptor`.
    explicit OutgoingText(qintptr descriptor, QObject *parent = nullptr);
    ~OutgoingText() override;

    bool isValid() const { return m_descriptor != -1; }
    // Queues the bytes behind what waits already; false when the connection has failed.
    bool send(QByteArrayView bytes);
    // Bytes sent that the partner has not acknowledged, the queued ones included.
    qint64 undelivered() const;
    // Whether the connection has ended for good (reset, or given up as unanswered).
    bool hasFailed() const;
    // Ends the stream after everything sent; or drops what is left at once.
    void finish();
    void abandon();

Q_SIGNALS:
    // The connection failed while bytes were still queued.
    void failed();

private:
    void writeQueued();

    qintptr m_descriptor = -1;
    QSocketNotifier *m_writable = nullptr;
    QByteArray m_queued;
    qsizetype m_start = 0;    // where the bytes not yet taken begin
    qint64 m_handedOver = 0;  // bytes the system has taken
    bool m_failed = false;
};
