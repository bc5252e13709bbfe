// SPDX-License-Identifier: MIT
// What the program asks of the system's TCP beyond what Qt offers, as small functions with a body
// for each kind of system. A connection's descriptor is non-blocking throughout.
#pragma once

#include <QString>
#include <QtGlobal>

namespace TcpSystem {

// How an established connection notices a partner that has gone without a word. While nothing
// waits for the partner, keep-alive probes go out after idle seconds, every interval seconds,
// and the system gives up after so many unanswered. While text waits (unacknowledged, or held
// back by a window the partner keeps closed), the partner is lost once it has answered nothing
// (no acknowledgement, no answer to a probe) for silenceMs. A partner whose system answers is
// never cut off, however long it does not read.
struct Liveness
{
    int idleSeconds = 10;
    int intervalSeconds = 5;
    int probes = 3;
    int silenceMs = 30000;
};

// What came of handing bytes to the system or taking them from it.
struct Transfer
{
    enum Outcome { Done, Later, End, Reset, Failed };
    Outcome outcome = Done;
    qint64 bytes = 0;
    QString reason;  // why it failed, in the system's words
};

void setLiveness(qintptr descriptor, const Liveness &liveness);
// Milliseconds since the partner last answered, while something of ours waits for its answer
// (bytes or a probe); 0 while nothing waits, or where the system does not say.
qint64 silentMs(qintptr descriptor);
// The reason given when a partner is found silent for too long.
QString silenceReason();

// A descriptor of its own for the connection behind `descriptor`, which keeps it open when the
// first is closed; -1 when there is none.
qintptr duplicate(qintptr descriptor);
// Hands bytes to the system without waiting: Done with how many it took (0: no room now), Reset
// or Failed.
Transfer send(qintptr descriptor, const char *data, qint64 size);
// Takes bytes without waiting: Done with how many, Later when none wait, End at the end of the
// partner's stream, Reset when the partner reset the connection, or Failed.
Transfer receive(qintptr descriptor, char *data, qint64 size);
// Bytes of this connection the partner has acknowledged, counted from its start; where the system
// keeps no such count, a number beyond any sent.
qint64 acknowledged(qintptr descriptor);
// Whether the connection has ended for good: reset by the partner, or given up as unanswered.
bool hasFailed(qintptr descriptor);
// Sends the end of the stream after the bytes handed over.
void finish(qintptr descriptor);
// Lets the descriptor go: in order, or at once with a reset that drops what the partner has not
// taken.
void close(qintptr descriptor);
void abort(qintptr descriptor);

}  // namespace TcpSystem
