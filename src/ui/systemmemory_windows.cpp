// SPDX-License-Identifier: MIT
#include "systemmemory.h"

#include <windows.h>

qint64 SystemMemory::physical()
{
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    return ::GlobalMemoryStatusEx(&status) ? qint64(status.ullTotalPhys) : 0;
}
