// SPDX-License-Identifier: MIT
#include "systemmemory.h"

#include <windows.h>

#include <new>

qint64 SystemMemory::physical()
{
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    return ::GlobalMemoryStatusEx(&status) ? qint64(status.ullTotalPhys) : 0;
}

char *SystemMemory::takePages(qint64 bytes)
{
    void *pages = ::VirtualAlloc(nullptr, SIZE_T(bytes), MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (!pages)
        throw std::bad_alloc();
    return static_cast<char *>(pages);
}

void SystemMemory::returnPages(char *pages, qint64 bytes)
{
    Q_UNUSED(bytes)
    ::VirtualFree(pages, 0, MEM_RELEASE);
}
