// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "utf8chunkdecoder.h"

// The text of one connection that has arrived and not been handed over yet, as valid UTF-8.
// Each arrival's bytes are checked in turn and the text gathers until it is taken, so what is
// taken, run together, is exactly the whole stream decoded at once. An arrival that completes no
// character adds no text; the end of the connection turns a character cut short into U+FFFD.
//
// What waits untaken has a bound, so that a partner who goes on sending while nobody takes the
// text (the connection reads what is left after the conversation has ended) cannot fill the
// memory: once MostWaiting bytes wait, the bytes that arrive after them are dropped, and so is
// everything later until reset(), since the stream has a gap from there on.
class IncomingText
{
public:
    // Text that waits untaken at most, give or take the last arrival: as much as one turn of
    // reading brings. Text is taken after every arrival while the conversation lasts, so this
    // bounds only what a partner sends once it has ended.
    static constexpr qsizetype MostWaiting = 1024 * 1024;

    // Adds one arrival's bytes; true when there is text waiting to be taken.
    bool add(QByteArrayView bytes);
    // No bytes will follow; true when there is text waiting to be taken.
    bool end();
    // Moves the waiting text into `text`. The two buffers trade places, so a conversation
    // reuses the same two blocks of memory instead of allocating for every arrival.
    void take(QByteArray &text);
    bool hasText() const { return !m_text.isEmpty(); }
    // Whether bytes have been dropped: anything read from now on is dropped too.
    bool isFull() const { return m_gap; }
    // Forgets the text and any unfinished character, for a new connection.
    void reset();

private:
    Utf8ChunkDecoder m_decoder;
    QByteArray m_text;
    bool m_gap = false;
};
