// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "cliplist/cleanup_filters.h"
#include "wav/wav_header.h"

#include <QString>

#include <cstdint>

class SampleScratch;

namespace cleanup {

// What the level step of clean() did, and how the sound is to be written.
struct Leveled {
    // The sound to write is in `limited` from its frame 0 on; else where it was in `cleaned`.
    bool limited = false;
    double writeGainDb = 0; // the gain to write it with
    double gainDb = 0;      // the whole gain, the limiter's included
    QString note;           // for the user; empty when nothing changed (silence)
};

// The level step: measures the `frames` frames of `cleaned` from `first` on (EBU R128) and
// plans the gain that brings them to `lufs` (soundedit::plan(), true peak under -1 dBTP).
// When the true peak would hold the gain back, the stretch goes through FFmpeg's limiter at
// the wanted gain into `limited` (opened in `folder`), up to three times with the gain that
// the limiting cost added, and the plan is made again on the result.
Result<Leveled> level(SampleScratch& cleaned, std::int64_t first, std::int64_t frames,
                      const WavFormat& format, double lufs, const QString& folder,
                      SampleScratch& limited, const FractionFn& done);

} // namespace cleanup
