// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// The level of a sound in short blocks of equal length (all channels together), fed in order
// chunk by chunk: where it is quietest, how loud it gets, where its sound begins and ends.
// Levels are mean squares relative to full scale (1.0 is a full-scale square wave); a last
// block shorter than the others counts with what it has. One thread at a time.
class LevelEnvelope {
public:
    LevelEnvelope(int channels, std::int64_t blockFrames);

    // Interleaved samples of `frames` frames: 16-bit ones (full scale 32768) or float ones
    // (full scale 1.0).
    void add(const std::int16_t* samples, std::int64_t frames);
    void add(const float* samples, std::int64_t frames);

    std::int64_t blockFrames() const { return m_blockFrames; }
    std::int64_t blockCount() const { return std::int64_t(m_blocks.size()) + (m_count > 0); }
    double block(std::int64_t index) const;
    double loudest() const;
    // The mean level of the `count` blocks from `first` on (of those of them there are).
    double mean(std::int64_t first, std::int64_t count) const;
    // The first block of the `count` consecutive blocks whose mean level is lowest (the
    // earliest of equals); 0 when there are fewer blocks than that. With passOverSilence,
    // only runs with no block of digital silence (every sample zero) count, when there are
    // such: a muted input's zeros say nothing of the room's noise.
    std::int64_t quietest(std::int64_t count, bool passOverSilence = false) const;
    // The highest mean level of `count` consecutive blocks (of all, when there are fewer).
    double loudestMean(std::int64_t count) const;

    static double toDb(double meanSquare);
    static double fromDb(double db);

private:
    template <typename Sample>
    void addSamples(const Sample* samples, std::int64_t frames, double scale);
    // Calls `seen` with the first block and sum of every run of `count` consecutive blocks.
    template <typename Seen> void slide(std::int64_t count, Seen seen) const;

    int m_channels;
    std::int64_t m_blockFrames;
    std::vector<double> m_blocks;
    double m_sum = 0;         // of the block being filled
    std::int64_t m_count = 0; // its frames so far
};
