// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/cleanup_level.h"

#include "cliplist/sample_scratch.h"
#include "cliplist/sound_edit.h"
#include "codec/loudness_meter.h"
#include "codec/sound_filter.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QCoreApplication>

namespace cleanup {

namespace {

// The limiter holds sample peaks this far under the true-peak ceiling: the peaks between
// the samples reach a little higher, and the final gain tops up what it costs.
constexpr double LimiterMarginDb = 1.0;
constexpr double LimiterMaxGainDb = 36; // the most alimiter's level_in takes
constexpr int LimiterTries = 3;
constexpr double LevelToleranceDb = 0.2;

Result<soundedit::Measure> measure(SampleScratch& scratch, const WavFormat& format,
                                   std::int64_t first, std::int64_t frames) {
    Result<std::unique_ptr<LoudnessMeter>> meter = LoudnessMeter::create(
        format.channels, format.sampleRateHz,
        LoudnessMeter::Loudness | LoudnessMeter::SamplePeak | LoudnessMeter::TruePeak);
    if (!meter)
        return meter.status();
    const Status read = scratch.read(first, frames, [&](const float* samples, std::int64_t n) {
        if ((*meter)->add(samples, n))
            return Status::ok();
        return Status{ErrorCode::Decode,
                      QCoreApplication::translate("CleanUp", "The loudness cannot be measured.")};
    });
    if (!read)
        return read;
    const auto db = [](double linear) {
        return linear > 0 ? 20 * std::log10(linear) : -std::numeric_limits<double>::infinity();
    };
    soundedit::Measure measured;
    measured.seconds = double(frames) / format.sampleRateHz;
    measured.lufs = (*meter)->integratedLufs();
    measured.truePeakDb = db((*meter)->truePeak());
    measured.samplePeakDb = db((*meter)->samplePeak());
    return measured;
}

// The kept stretch through FFmpeg's limiter: `gainDb` louder, sample peaks held under the
// ceiling, into `limited`.
Status limit(SampleScratch& scratch, const WavFormat& format, std::int64_t first,
             std::int64_t frames, double gainDb, SampleScratch& limited, const FractionFn& done) {
    const double ceilingDb = soundedit::Target::TruePeakCeilingDb - LimiterMarginDb;
    Result<std::unique_ptr<SoundFilter>> made =
        SoundFilter::create(format.channels, format.sampleRateHz, SoundFilter::Samples::Float,
                            QStringLiteral("alimiter=level_in=%1:limit=%2:level=0:latency=1")
                                .arg(std::pow(10.0, gainDb / 20), 0, 'f', 6)
                                .arg(std::pow(10.0, ceilingDb / 20), 0, 'f', 6));
    if (!made)
        return made.status();
    SoundFilter& filter = **made;
    const SoundFilter::Take keep = [&](const float* samples, std::int64_t n) {
        return limited.append(samples, std::min(n, frames - limited.frames()));
    };
    const Status read = scratch.read(first, frames, [&](const float* samples, std::int64_t n) {
        if (Status pushed = filter.push(samples, n, keep); !pushed)
            return pushed;
        return done(double(limited.frames()) / double(frames));
    });
    if (!read)
        return read;
    if (Status finished = filter.finish(keep); !finished)
        return finished;
    if (limited.frames() < frames)
        return {ErrorCode::Decode, QCoreApplication::translate(
                                       "CleanUp", "The limiter gave back less sound than it was "
                                                  "given.")};
    return Status::ok();
}

} // namespace

Result<Leveled> level(SampleScratch& cleaned, std::int64_t first, std::int64_t frames,
                      const WavFormat& format, double lufs, const QString& folder,
                      SampleScratch& limited, const FractionFn& done) {
    const Result<soundedit::Measure> measured = measure(cleaned, format, first, frames);
    if (!measured)
        return measured.status();
    soundedit::Target target;
    target.lufs = lufs;
    soundedit::Outcome planned = soundedit::plan(*measured, target);
    Leveled leveled;
    const double wanted = lufs - measured->lufs;
    const bool heldByPeaks = measured->seconds >= soundedit::Target::MinSeconds &&
                             std::isfinite(measured->lufs) && planned.changed &&
                             planned.gainDb < wanted - LevelToleranceDb;
    if (heldByPeaks) {
        if (Status opened = limited.open(folder); !opened)
            return opened;
        // Holding the peaks down costs some loudness, which the next try adds to the
        // limiter's gain; two tries bring the voice within a few tenths of a decibel.
        double limiterGain = std::min(wanted, LimiterMaxGainDb);
        double reached = measured->lufs;
        for (int attempt = 0; attempt < LimiterTries; ++attempt) {
            if (Status cleared = limited.clear(); !cleared)
                return cleared;
            const Status held =
                limit(cleaned, format, first, frames, limiterGain, limited,
                      [&](double fraction) { return done((attempt + fraction) / LimiterTries); });
            if (!held)
                return held;
            const Result<soundedit::Measure> again = measure(limited, format, 0, frames);
            if (!again)
                return again.status();
            planned = soundedit::plan(*again, target);
            reached = again->lufs + planned.gainDb;
            const double shortBy = lufs - reached;
            if (shortBy < LevelToleranceDb || limiterGain >= LimiterMaxGainDb)
                break;
            limiterGain = std::min(limiterGain + shortBy, LimiterMaxGainDb);
        }
        planned.note = QCoreApplication::translate(
                           "CleanUp", "Brought from %1 to %2 LUFS, the loudest peaks held down "
                                      "to keep the true peak under %3 dBTP.")
                           .arg(measured->lufs, 0, 'f', 1)
                           .arg(reached, 0, 'f', 1)
                           .arg(soundedit::Target::TruePeakCeilingDb, 0, 'f', 1);
        leveled.limited = true;
        leveled.gainDb = limiterGain;
    }
    if (planned.changed) {
        leveled.writeGainDb = planned.gainDb;
        leveled.gainDb += planned.gainDb;
        leveled.note = planned.note;
    }
    return leveled;
}

} // namespace cleanup
