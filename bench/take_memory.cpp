// SPDX-License-Identifier: GPL-3.0-or-later
// The take's block over a 3-hour take, as fast as the machine goes: 20 ms blocks appended
// with the take's growth rule (steps of 200000 bytes, grown to length + n + step when the
// remainder reaches the step), once with TakeMemory::mapped() and once with realloc() for
// comparison (build it in the release preset for that). Prints, for each, the longest append
// (growth included), the number of growths and the time of all appends.
#include "recording/take_memory.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

void run(const char* name, TakeMemory memory, std::int64_t seconds) {
    constexpr std::int64_t Step = 200000;
    constexpr std::size_t Block = 3528; // 20 ms
    const std::vector<std::byte> block(Block, std::byte{0x5a});
    auto* take = static_cast<std::byte*>(memory.grow(nullptr, Step));
    std::int64_t length = 44;
    std::int64_t growths = 0;
    std::int64_t longestNs = 0;
    const std::int64_t blocks = seconds * 50;
    const auto start = Clock::now();
    for (std::int64_t i = 0; i < blocks && take; ++i) {
        const auto before = Clock::now();
        if (length % Step + std::int64_t(Block) >= Step) {
            auto* grown = static_cast<std::byte*>(
                memory.grow(take, std::size_t(length + std::int64_t(Block) + Step)));
            if (!grown) {
                std::printf("%s: growth failed at %lld bytes\n", name, (long long)length);
                break;
            }
            take = grown;
            ++growths;
        }
        std::memcpy(take + length, block.data(), Block);
        length += std::int64_t(Block);
        longestNs = std::max<std::int64_t>(
            longestNs,
            std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now() - before).count());
    }
    const double totalS = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("%-8s %lld s of sound, %.0f MB: %lld growths, longest append %.3f ms, all "
                "appends %.2f s\n",
                name, (long long)seconds, double(length) / 1e6, (long long)growths,
                double(longestNs) / 1e6, totalS);
    std::fflush(stdout);
    memory.release(take);
}

} // namespace

// Arguments: the seconds of sound (3 hours by default), then "mapped" to leave realloc()
// out (under AddressSanitizer every realloc() copies the whole block).
int main(int argc, char** argv) {
    const std::int64_t seconds = argc > 1 ? std::atoll(argv[1]) : 3 * 3600;
    run("mapped", TakeMemory::mapped(), seconds);
    if (argc <= 2 || std::strcmp(argv[2], "mapped") != 0)
        run("realloc", {&std::realloc, &std::free}, seconds);
}
