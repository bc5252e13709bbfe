// SPDX-License-Identifier: MIT
#include "systemmemory.h"

#include <unistd.h>

qint64 SystemMemory::physical()
{
    const long pages = ::sysconf(_SC_PHYS_PAGES);
    const long pageSize = ::sysconf(_SC_PAGE_SIZE);
    return pages > 0 && pageSize > 0 ? qint64(pages) * pageSize : 0;
}
