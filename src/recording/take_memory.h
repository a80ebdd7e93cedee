// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

// How the take's block is kept. grow() makes the first `bytes` of `block` usable (a new
// block when `block` is null) and returns the block, or null with `block` untouched when it
// can't; release() gives a block back.
struct TakeMemory {
    void* (*grow)(void* block, std::size_t bytes) = nullptr;
    void (*release)(void* block) = nullptr;
    // The block never moves when it grows, so another thread may read what was written.
    bool inPlace = false;

    // The block the recorder uses: address space for the largest take (ReservedBytes) is
    // reserved when the block is made, and growing only makes more of its pages usable, in
    // place. The block never moves, so growing copies nothing, whatever the take's length;
    // pages take memory only once the capture writes them. A growth past the reservation,
    // or one the system can't back with memory, fails.
    static TakeMemory mapped();

    static constexpr std::size_t ReservedBytes = std::size_t(1) << 31 | std::size_t(1) << 22;
};
