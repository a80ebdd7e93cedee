// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/voice_cleanup.h"

#include "base/write_fully.h"
#include "cliplist/level_envelope.h"
#include "cliplist/sample_scratch.h"
#include "cliplist/sound_edit.h"
#include "cliplist/sound_reader.h"
#include "codec/loudness_meter.h"
#include "codec/sound_filter.h"
#include "wav/wav_header.h"

#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <limits>

namespace cleanup {

namespace {

constexpr int BlockMs = 10;
// A sound whose loudest 10 ms stay under this holds nothing a listener would hear.
constexpr double SilenceDb = -60;
// Steady noise never rises 6 dB over its quietest half second for 100 ms (pink noise
// reaches 4.5 dB in half a minute), while a voice just as loud as the noise already does.
constexpr double NoiseOnlyUnderDb = 6;
constexpr std::int64_t NoiseOnlyBlocks = 10;
// Once cleaned, what stands out of the floor by this much is sound.
constexpr double StandOutDb = 15;
constexpr std::int64_t SmoothBlocks = 5;
// What the trim keeps also reaches within this much of the loudest block, so that the faint
// remains of the noise after its reduction don't count as sound; and nothing quieter than
// the floor below does.
constexpr double TrimRangeDb = 40;
constexpr double QuietestDb = -70;
constexpr double EdgeOverFloorDb = 3;
// afftdn reduces what lies under its noise floor by up to NoiseReductionDb. Its floor is set
// a little over the measured level of the quiet stretch: the noise's peaks reach over its
// mean, and speech hardly ever goes that low.
constexpr double NoiseReductionDb = 30;
constexpr double NoiseFloorMarginDb = 3;
// The limiter holds sample peaks this far under the true-peak ceiling: the peaks between
// the samples reach a little higher, and the final gain tops up what it costs.
constexpr double LimiterMarginDb = 1.0;
constexpr double LimiterMaxGainDb = 36; // the most alimiter's level_in takes
constexpr int LimiterTries = 3;
constexpr double LevelToleranceDb = 0.2;

// Reports percents of the whole from the passes' fractions; stops the work when asked.
class Work {
public:
    Work(const PercentFn& progress, const std::atomic<bool>* abort)
        : m_progress(progress), m_abort(abort) {}

    Status at(int from, int to, double fraction) {
        if (m_abort && m_abort->load())
            return {ErrorCode::Ended, QStringLiteral("The clean-up was stopped.")};
        const int percent = from + int(std::lround((to - from) * std::clamp(fraction, 0.0, 1.0)));
        if (m_progress && percent != m_percent) {
            m_percent = percent;
            m_progress(percent);
        }
        return Status::ok();
    }

private:
    const PercentFn& m_progress;
    const std::atomic<bool>* m_abort;
    int m_percent = -1;
};

Status refused(const QString& why) {
    return {ErrorCode::Empty, why};
}

struct Input {
    WavFormat format;
    std::int64_t frames = 0;
    std::int64_t blockFrames = 0;
    std::int64_t quietBlock = 0; // the first block of the quietest half second
    std::int64_t quietBlocks = 0;
    double floor = 0; // its mean level
};

// The first pass: the input's level, block by block, and whether there is anything to clean.
Result<Input> analyse(const QString& in, Work& work) {
    SoundReader reader;
    if (Status opened = reader.open(in); !opened)
        return opened;
    Input input;
    input.format = reader.format();
    input.frames = reader.frames();
    input.blockFrames = std::max(1, input.format.sampleRateHz * BlockMs / 1000);
    input.quietBlocks = NoiseSampleMs / BlockMs;
    if (input.frames < std::int64_t(input.format.sampleRateHz) * NoiseSampleMs / 1000)
        return refused(QStringLiteral("The sound is too short to clean: it lasts less than "
                                      "half a second."));
    LevelEnvelope envelope(input.format.channels, input.blockFrames);
    std::int64_t done = 0;
    const Status read = reader.readAll([&](std::vector<std::int16_t>& samples, std::int64_t n) {
        envelope.add(samples.data(), n);
        done += n;
        return work.at(0, 10, double(done) / double(input.frames));
    });
    if (!read)
        return read;
    if (envelope.loudest() < LevelEnvelope::fromDb(SilenceDb))
        return refused(QStringLiteral("The sound is nothing but silence: there is nothing to "
                                      "clean."));
    input.quietBlock = envelope.quietest(input.quietBlocks);
    input.floor = envelope.mean(input.quietBlock, input.quietBlocks);
    if (envelope.loudestMean(NoiseOnlyBlocks) <
        std::max(input.floor * LevelEnvelope::fromDb(NoiseOnlyUnderDb),
                 LevelEnvelope::fromDb(QuietestDb)))
        return refused(QStringLiteral("The sound is nothing but noise: no voice stands out of "
                                      "it."));
    return input;
}

// Clicks are mended before the noise is reduced, which would smear them over its window.
// adeclick's own threshold (2) takes the peaks of the room's noise for clicks, one sample in
// twenty, and mends sound that was whole; at 3 it mends real clicks better and costs half the
// time, and a model of 1% of its window (24 samples at 44100 Hz) fills a click's few samples
// as well as its default of 2% at two thirds of that time.
QString filterChain(const Steps& steps, const Input& input) {
    QStringList chain;
    if (steps.declick)
        chain << QStringLiteral("highpass=f=%1").arg(RumbleHz)
              << QStringLiteral("adeclick=t=3:a=1");
    if (steps.denoise) {
        const double floorDb =
            std::clamp(LevelEnvelope::toDb(input.floor) + NoiseFloorMarginDb, -80.0, -20.0);
        chain << QStringLiteral("afftdn=nr=%1:nf=%2").arg(NoiseReductionDb).arg(floorDb, 0, 'f', 1);
    }
    return chain.join(QLatin1Char(','));
}

// afftdn hands each block out two of its hops (1/80 s each) after it took it in.
std::int64_t denoiseLatency(const Steps& steps, int sampleRateHz) {
    return steps.denoise ? 2 * (sampleRateHz / 80) : 0;
}

// What the trim goes by: the level of the cleaned sound above the rumble. When the rumble
// stays in (the user left the clicks and rumble alone), the level is measured through a
// high-pass filter of its own, or the rumble's slow swell would pass for sound.
class Weighing {
public:
    Weighing(LevelEnvelope& envelope) : m_envelope(envelope) {}

    Status open(const Input& input, const Steps& steps) {
        if (steps.declick)
            return Status::ok();
        Result<std::unique_ptr<SoundFilter>> made = SoundFilter::create(
            input.format.channels, input.format.sampleRateHz, SoundFilter::Samples::Float,
            QStringLiteral("highpass=f=%1").arg(RumbleHz));
        if (!made)
            return made.status();
        m_filter = std::move(*made);
        return Status::ok();
    }
    Status add(const float* samples, std::int64_t frames) {
        if (!m_filter) {
            m_envelope.add(samples, frames);
            return Status::ok();
        }
        if (Status pushed = m_filter->push(samples, frames); !pushed)
            return pushed;
        return drain();
    }
    Status finish() {
        if (!m_filter)
            return Status::ok();
        if (Status finished = m_filter->finish(); !finished)
            return finished;
        while (!m_filter->drained())
            if (Status drained = drain(); !drained)
                return drained;
        return Status::ok();
    }

private:
    Status drain() {
        m_out.clear();
        const Result<std::int64_t> pulled = m_filter->pull(m_out);
        if (!pulled)
            return pulled.status();
        m_envelope.add(m_out.data(), *pulled);
        return Status::ok();
    }

    LevelEnvelope& m_envelope;
    std::unique_ptr<SoundFilter> m_filter;
    std::vector<float> m_out;
};

// The second pass: the input through the filters into `scratch`, frame for frame in step
// with the input, and the level of the result into `envelope`.
Status runFilters(const QString& in, const Input& input, const Steps& steps, SampleScratch& scratch,
                  LevelEnvelope& envelope, Work& work) {
    SoundReader reader;
    if (Status opened = reader.open(in); !opened)
        return opened;
    Weighing weighing(envelope);
    if (Status opened = weighing.open(input, steps); !opened)
        return opened;
    const int channels = input.format.channels;
    // Takes what the filters give, once `skip` frames were dropped, up to the input's length.
    std::int64_t skip = 0;
    const auto keep = [&](const float* samples, std::int64_t frames) -> Status {
        const std::int64_t from = std::min(skip, frames);
        skip -= from;
        const std::int64_t n = std::min(frames - from, input.frames - scratch.frames());
        if (Status weighed = weighing.add(samples + from * channels, n); !weighed)
            return weighed;
        if (Status kept = scratch.append(samples + from * channels, n); !kept)
            return kept;
        return work.at(10, 70, double(scratch.frames()) / double(input.frames));
    };

    const QString chain = filterChain(steps, input);
    if (chain.isEmpty()) {
        std::vector<float> converted;
        const Status read = reader.readAll([&](std::vector<std::int16_t>& samples, std::int64_t n) {
            converted.resize(samples.size());
            std::transform(samples.begin(), samples.end(), converted.begin(),
                           [](std::int16_t s) { return float(s) / 32768.0f; });
            return keep(converted.data(), n);
        });
        return read ? weighing.finish() : read;
    }

    Result<std::unique_ptr<SoundFilter>> made = SoundFilter::create(
        channels, input.format.sampleRateHz, SoundFilter::Samples::Int16, chain);
    if (!made)
        return made.status();
    SoundFilter& filter = **made;
    std::vector<float> out;
    const auto drain = [&]() -> Status {
        out.clear();
        const Result<std::int64_t> pulled = filter.pull(out);
        return pulled ? keep(out.data(), *pulled) : pulled.status();
    };
    const auto push = [&](std::vector<std::int16_t>& samples, std::int64_t n) -> Status {
        if (Status pushed = filter.push(samples.data(), n); !pushed)
            return pushed;
        return drain();
    };

    // What comes out before the input's first frame: the noise sample and the latency.
    const std::int64_t latency = denoiseLatency(steps, input.format.sampleRateHz);
    skip = latency;
    if (steps.denoise) {
        // The noise is learnt first, from a copy of the quiet stretch played in ahead of the
        // sound, so that the sound's beginning is cleaned with it too.
        const std::int64_t quietFrames = input.quietBlocks * input.blockFrames;
        if (!reader.limit(input.quietBlock * input.blockFrames, quietFrames))
            return {ErrorCode::FileOpen, QStringLiteral("%1: cannot be read.").arg(in)};
        skip += quietFrames;
        if (Status sampling = filter.command(
                QStringLiteral("afftdn"), QStringLiteral("sample_noise"), QStringLiteral("start"));
            !sampling)
            return sampling;
        if (Status learnt = reader.readAll(push); !learnt)
            return learnt;
        if (Status stopped = filter.command(QStringLiteral("afftdn"),
                                            QStringLiteral("sample_noise"), QStringLiteral("stop"));
            !stopped)
            return stopped;
        if (!reader.limit(0, input.frames))
            return {ErrorCode::FileOpen, QStringLiteral("%1: cannot be read.").arg(in)};
    }
    if (Status read = reader.readAll(push); !read)
        return read;
    // Silence after the end brings out what the filters still hold of the sound.
    std::vector<std::int16_t> tail(
        std::size_t(channels) * std::size_t(input.format.sampleRateHz / 10 + latency), 0);
    if (Status pushed = push(tail, std::int64_t(tail.size()) / channels); !pushed)
        return pushed;
    if (Status finished = filter.finish(); !finished)
        return finished;
    while (!filter.drained())
        if (Status drained = drain(); !drained)
            return drained;
    if (scratch.frames() < input.frames)
        return {ErrorCode::Decode, QStringLiteral("The sound filter \"%1\" gave back less sound "
                                                  "than it was given.")
                                       .arg(chain)};
    return weighing.finish();
}

// Where the sound begins and ends in the cleaned sound, with room around it; the whole
// sound without the trim. Levels are looked at over 50 ms: what is left of the noise after
// its reduction still flickers 10 dB over its mean for a block or two.
Result<std::pair<std::int64_t, std::int64_t>> keptStretch(const Input& input, const Steps& steps,
                                                          const LevelEnvelope& cleaned) {
    if (!steps.trim)
        return std::pair<std::int64_t, std::int64_t>{0, input.frames};
    std::vector<double> level(std::size_t(cleaned.blockCount()));
    for (std::int64_t i = 0; i < cleaned.blockCount(); ++i)
        level[std::size_t(i)] = cleaned.mean(i - SmoothBlocks / 2, SmoothBlocks);
    const double floor = cleaned.mean(input.quietBlock, input.quietBlocks);
    const double loudest = *std::max_element(level.begin(), level.end());
    const double standsOut = std::max({floor * LevelEnvelope::fromDb(StandOutDb),
                                       loudest * LevelEnvelope::fromDb(-TrimRangeDb),
                                       LevelEnvelope::fromDb(QuietestDb)});
    const auto first =
        std::find_if(level.begin(), level.end(), [&](double v) { return v >= standsOut; });
    if (first == level.end())
        return refused(QStringLiteral("The sound is nothing but noise: no voice stands out of "
                                      "it."));
    const auto last =
        std::find_if(level.rbegin(), level.rend(), [&](double v) { return v >= standsOut; });
    // A word begins softly and fades out: its edges are where it rises out of the floor, a
    // little before it stands out of it.
    const double edge =
        std::max(floor * LevelEnvelope::fromDb(EdgeOverFloorDb), LevelEnvelope::fromDb(QuietestDb));
    auto begin = std::int64_t(first - level.begin());
    auto end = std::int64_t(level.rend() - last); // one past the last block
    while (begin > 0 && level[std::size_t(begin - 1)] >= edge)
        --begin;
    while (end < std::int64_t(level.size()) && level[std::size_t(end)] >= edge)
        ++end;
    const std::int64_t room = std::int64_t(input.format.sampleRateHz) * RoomMs / 1000;
    const std::int64_t from = std::max<std::int64_t>(0, begin * input.blockFrames - room);
    const std::int64_t to = std::min(input.frames, end * input.blockFrames + room);
    return std::pair{from, to - from};
}

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
        return Status{ErrorCode::Decode, QStringLiteral("The loudness cannot be measured.")};
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
             std::int64_t frames, double gainDb, SampleScratch& limited, Work& work) {
    const double ceilingDb = soundedit::Target::TruePeakCeilingDb - LimiterMarginDb;
    Result<std::unique_ptr<SoundFilter>> made =
        SoundFilter::create(format.channels, format.sampleRateHz, SoundFilter::Samples::Float,
                            QStringLiteral("alimiter=level_in=%1:limit=%2:level=0:latency=1")
                                .arg(std::pow(10.0, gainDb / 20), 0, 'f', 6)
                                .arg(std::pow(10.0, ceilingDb / 20), 0, 'f', 6));
    if (!made)
        return made.status();
    SoundFilter& filter = **made;
    std::vector<float> out;
    const auto drain = [&]() -> Status {
        out.clear();
        const Result<std::int64_t> pulled = filter.pull(out);
        if (!pulled)
            return pulled.status();
        const std::int64_t n = std::min(*pulled, frames - limited.frames());
        return limited.append(out.data(), n);
    };
    const Status read = scratch.read(first, frames, [&](const float* samples, std::int64_t n) {
        if (Status pushed = filter.push(samples, n); !pushed)
            return pushed;
        if (Status drained = drain(); !drained)
            return drained;
        return work.at(75, 85, double(limited.frames()) / double(frames));
    });
    if (!read)
        return read;
    if (Status finished = filter.finish(); !finished)
        return finished;
    while (!filter.drained())
        if (Status drained = drain(); !drained)
            return drained;
    if (limited.frames() < frames)
        return {ErrorCode::Decode, QStringLiteral("The limiter gave back less sound than it was "
                                                  "given.")};
    return Status::ok();
}

// The stretch `gainDb` louder in the input's format, to `out` through a temporary file.
Status write(SampleScratch& scratch, const WavFormat& format, std::int64_t first,
             std::int64_t frames, double gainDb, const QString& out, Work& work) {
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly))
        return writeFailure(out, file);
    WavHeader header = WavHeader::forFormat(format);
    header.setDataSize(frames * format.blockAlign());
    const auto headerBytes = header.bytes();
    if (Status written = writeFully(file, headerBytes.data(), qint64(headerBytes.size())); !written)
        return written;
    const bool eightBit = format.bitsPerSample == 8;
    const double factor = std::pow(10.0, gainDb / 20) * 32768.0;
    QByteArray bytes;
    std::int64_t done = 0;
    const Status read = scratch.read(first, frames, [&](const float* samples, std::int64_t n) {
        const auto count = qsizetype(n * format.channels);
        bytes.resize(count * (eightBit ? 1 : 2));
        for (qsizetype i = 0; i < count; ++i) {
            const double v = std::clamp(std::round(samples[i] * factor), -32768.0, 32767.0);
            if (eightBit) {
                bytes[i] = char(std::clamp(int(std::lround(v / 256)) + 128, 0, 255));
            } else {
                const auto s = std::int16_t(v);
                bytes[2 * i] = char(s & 0xFF);
                bytes[2 * i + 1] = char((s >> 8) & 0xFF);
            }
        }
        if (Status written = writeFully(file, bytes.constData(), bytes.size()); !written)
            return written;
        done += n;
        return work.at(90, 100, double(done) / double(frames));
    });
    if (!read)
        return read;
    if (!file.commit())
        return writeFailure(out, file);
    return Status::ok();
}

} // namespace

Result<Outcome> clean(const QString& in, const QString& out, const Steps& steps,
                      const PercentFn& progress, const std::atomic<bool>* abort) {
    Work work(progress, abort);
    const Result<Input> input = analyse(in, work);
    if (!input)
        return input.status();
    const WavFormat& format = input->format;
    const QString folder = QFileInfo(linkTarget(out)).absolutePath();

    SampleScratch cleaned(format.channels);
    if (Status opened = cleaned.open(folder); !opened)
        return opened;
    LevelEnvelope envelope(format.channels, input->blockFrames);
    if (Status filtered = runFilters(in, *input, steps, cleaned, envelope, work); !filtered)
        return filtered;
    const auto kept = keptStretch(*input, steps, envelope);
    if (!kept)
        return kept.status();

    Outcome outcome;
    outcome.firstFrame = kept->first;
    outcome.frames = kept->second;
    outcome.sampleRateHz = format.sampleRateHz;
    outcome.noiseFloorDb = LevelEnvelope::toDb(input->floor);
    SampleScratch* result = &cleaned;
    std::int64_t first = kept->first;
    double writeGainDb = 0; // what the write adds to what `result` holds
    SampleScratch limited(format.channels);
    if (steps.level) {
        const Result<soundedit::Measure> measured = measure(cleaned, format, first, kept->second);
        if (!measured)
            return measured.status();
        soundedit::Target target;
        target.lufs = steps.lufs;
        soundedit::Outcome planned = soundedit::plan(*measured, target);
        const double wanted = steps.lufs - measured->lufs;
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
                if (Status done =
                        limit(cleaned, format, first, kept->second, limiterGain, limited, work);
                    !done)
                    return done;
                const Result<soundedit::Measure> again = measure(limited, format, 0, kept->second);
                if (!again)
                    return again.status();
                planned = soundedit::plan(*again, target);
                reached = again->lufs + planned.gainDb;
                const double shortBy = steps.lufs - reached;
                if (shortBy < LevelToleranceDb || limiterGain >= LimiterMaxGainDb)
                    break;
                limiterGain = std::min(limiterGain + shortBy, LimiterMaxGainDb);
            }
            planned.note = QStringLiteral("Brought from %1 to %2 LUFS, the loudest peaks held "
                                          "down to keep the true peak under %3 dBTP.")
                               .arg(measured->lufs, 0, 'f', 1)
                               .arg(reached, 0, 'f', 1)
                               .arg(soundedit::Target::TruePeakCeilingDb, 0, 'f', 1);
            result = &limited;
            first = 0;
            outcome.gainDb = limiterGain;
        }
        if (planned.changed) {
            writeGainDb = planned.gainDb;
            outcome.gainDb += planned.gainDb;
            outcome.note = planned.note;
        }
    }
    if (Status written = write(*result, format, first, kept->second, writeGainDb, out, work);
        !written)
        return written;
    return outcome;
}

} // namespace cleanup
