// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/take_memory.h"

#include <sys/mman.h>
#include <unistd.h>

namespace {

std::size_t wholePages(std::size_t bytes) {
    const auto page = std::size_t(sysconf(_SC_PAGESIZE));
    return (bytes + page - 1) / page * page;
}

// MAP_NORESERVE: the reservation itself takes no memory and counts against no limit; the
// pages made writable by mprotect are what the system has to back.
void* growMapped(void* block, std::size_t bytes) {
    if (bytes > TakeMemory::ReservedBytes)
        return nullptr;
    void* base = block;
    if (!base) {
        base = mmap(nullptr, TakeMemory::ReservedBytes, PROT_NONE,
                    MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
        if (base == MAP_FAILED)
            return nullptr;
    }
    if (mprotect(base, wholePages(bytes), PROT_READ | PROT_WRITE) != 0) {
        if (!block)
            munmap(base, TakeMemory::ReservedBytes);
        return nullptr;
    }
    return base;
}

void releaseMapped(void* block) {
    if (block)
        munmap(block, TakeMemory::ReservedBytes);
}

} // namespace

TakeMemory TakeMemory::mapped() {
    return {&growMapped, &releaseMapped, true};
}
