// SPDX-License-Identifier: MIT
#include "systemmemory.h"

#include <sys/mman.h>
#include <unistd.h>

#include <new>

qint64 SystemMemory::physical()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGE_SIZE);
    return pages > 0 && pageSize > 0 ? qint64(pages) * pageSize : 0;
}

char *SystemMemory::takePages(qint64 bytes)
{
    void *pages =
        ::mmap(nullptr, size_t(bytes), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (pages == MAP_FAILED)
        throw std::bad_alloc();
    return static_cast<char *>(pages);
}

void SystemMemory::returnPages(char *pages, qint64 bytes)
{
    ::munmap(pages, size_t(bytes));
}
