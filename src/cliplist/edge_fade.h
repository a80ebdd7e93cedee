// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audio/status.h"

#include <QString>

#include <cstdint>

namespace edgefade {

// The gain of frame `i` of a fade-in over `frames` frames: a raised cosine from 0 (the
// first frame is silent) rising smoothly towards 1. A fade-out mirrors it.
double gain(std::int64_t i, std::int64_t frames);

// Fades the first and the last `frames` frames of an 8- or 16-bit PCM WAV file in place
// (in and out), so that a cut begins and ends without a click. A clip shorter than twice
// that is faded over half of it at each end. Fails with the reader's status, Format for
// other sample formats, or Create when the file cannot be written.
Status fadeEdges(const QString& wavPath, std::int64_t frames);

} // namespace edgefade
