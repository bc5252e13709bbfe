// SPDX-License-Identifier: MIT
// What the program asks of the system about its memory, with a body for each kind of system.
#pragma once

#include <QtGlobal>

namespace SystemMemory {

// The computer's physical memory in bytes; 0 when the system does not say.
qint64 physical();

// Memory straight from the system, in whole pages, with none of an allocator's bookkeeping beside
// it: once written it costs exactly `bytes`, whatever the size of a page, and pages never written
// cost nothing. `bytes` is a multiple of 64 KiB, which is a whole number of pages everywhere.
// Throws std::bad_alloc when the system has none to give.
char *takePages(qint64 bytes);
// Gives back what takePages() took.
void returnPages(char *pages, qint64 bytes);

}  // namespace SystemMemory
