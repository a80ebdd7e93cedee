// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The fade curve the program uses wherever sound has to come in or go out without a click:
// a raised cosine in amplitude, which starts and ends with zero slope, so neither end of the
// fade is heard as a bend the way the corner of a straight ramp is.
namespace fade {

// Gain of a fade-in at frame `index` of a fade `lengthFrames` long, 0..1: 0 at index 0,
// rising to 1 at the frame after the fade. A fade-out is the same curve read backwards
// (fadeOutGain). Indices outside the fade give 0 before it and 1 after it.
double fadeInGain(std::int64_t index, std::int64_t lengthFrames);

// Gain of a fade-out whose last frame, `lengthFrames` after its start, is silent: 1 before
// the fade, falling to 0 at index lengthFrames - 1 and staying 0 after it.
double fadeOutGain(std::int64_t index, std::int64_t lengthFrames);

// Fades out interleaved 16-bit samples that are one block of a longer sound: `firstFrame` is
// the block's first frame within the sound, and the fade covers the last `lengthFrames` frames
// before `endFrame` (the whole sound when it is shorter). Frames before the fade are left as
// they are. Blocks may be handed in any size, one after the other.
void applyFadeOut(std::int16_t* samples, int frames, int channels, std::int64_t firstFrame,
                  std::int64_t endFrame, std::int64_t lengthFrames);

} // namespace fade
