// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

// A chain of FFmpeg's audio filters (libavfilter) run over a sound fed to it block by block:
// "highpass=f=80,adeclick,afftdn=nr=30", in FFmpeg's filter graph syntax, with one input and
// one output. The sound goes in as interleaved 16-bit or 32-bit float samples (chosen at
// creation) and comes out as interleaved 32-bit float samples of the same rate and channels,
// full scale 1.0, so that a later gain can still bring down what a filter lifted past it.
//
// A filter may hold samples back (a window it needs whole) and hand them out later, and some
// hand them out later than they came in (a latency): the caller knows its filters. What is
// held back comes out with finish().
//
// Not thread-safe: one thread feeds and drains it. FFmpeg runs some filters (afftdn, adeclick)
// on several threads of its own, one channel each, inside push() and finish().
class SoundFilter {
public:
    enum class Samples { Int16, Float };

    // IllegalParam (naming the chain and FFmpeg's reason) for a chain FFmpeg does not build:
    // an unknown filter, a bad option, more than one input or output.
    static Result<std::unique_ptr<SoundFilter>> create(int channels, int sampleRateHz,
                                                       Samples input, const QString& chain);
    ~SoundFilter();
    SoundFilter(const SoundFilter&) = delete;
    SoundFilter& operator=(const SoundFilter&) = delete;

    // Gets the filtered frames in order, interleaved, as they come out; a failure it returns
    // ends the push or finish with it.
    using Take = std::function<Status(const float* samples, std::int64_t frames)>;

    // Feeds `frames` frames and hands `take` what the filters give out so far; the overload
    // must match the input chosen at creation (Format otherwise). Decode when a filter fails.
    Status push(const std::int16_t* samples, std::int64_t frames, const Take& take);
    Status push(const float* samples, std::int64_t frames, const Take& take);
    // The end of the sound: hands `take` what the filters still held back. Nothing may be
    // pushed after it.
    Status finish(const Take& take);

    // Sends a command to the filters named `target` (a filter's name, "afftdn", or an
    // instance's, "afftdn@voice"); it applies to the samples the filter works on next.
    // IllegalParam when no filter takes it.
    Status command(const QString& target, const QString& command, const QString& argument);

private:
    struct Impl;
    explicit SoundFilter(std::unique_ptr<Impl> impl);
    Status pushFrame(const void* samples, std::int64_t frames, int bytesPerSample,
                     const Take& take);
    Status drain(const Take& take);
    std::unique_ptr<Impl> d;
};
