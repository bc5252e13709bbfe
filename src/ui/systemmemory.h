// SPDX-License-Identifier: MIT
// What the program asks of the system about its memory, with a body for each kind of system.
#pragma once

#include <QtGlobal>

namespace SystemMemory {

// The computer's physical memory in bytes; 0 when the system does not say.
qint64 physical();

}  // namespace SystemMemory
