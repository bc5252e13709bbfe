// SPDX-License-Identifier: MIT
// What the program asks of the system's TCP beyond what Qt offers, as small functions with a body
// for each kind of system.
#pragma once

#include <QtGlobal>

namespace TcpSystem {

// How an established connection notices a partner that has gone without a word: probes after
// idle seconds, every interval seconds, given up after so many unanswered probes; and text that
// stays unacknowledged for the timeout ends the connection too.
struct Liveness
{
    int idleSeconds = 10;
    int intervalSeconds = 5;
    int probes = 3;
    int unacknowledgedTimeoutMs = 25000;
};

void keepAlive(qintptr descriptor, const Liveness &liveness);

// A second descriptor for the same connection, which keeps it open when the first is closed;
// -1 when there is none.
qintptr duplicate(qintptr descriptor);
// Hands bytes to the system without waiting: how many it took, 0 when it has no room now, -1
// when the connection has failed.
qint64 send(qintptr descriptor, const char *data, qint64 size);
// Bytes of this connection the partner has acknowledged, counted from its start; where the system
// keeps no such count, a number beyond any sent.
qint64 acknowledged(qintptr descriptor);
// Whether the connection has ended for good: reset by the partner, or given up as unanswered.
bool hasFailed(qintptr descriptor);
// Sends the end of the stream after the text handed over, then lets the descriptor go.
void finish(qintptr descriptor);
// Lets the descriptor go at once, dropping what the partner has not taken.
void release(qintptr descriptor);

}  // namespace TcpSystem
