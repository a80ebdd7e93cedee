// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/voice_cleanup.h"

#include "base/write_fully.h"
#include "cliplist/cleanup_filters.h"
#include "cliplist/cleanup_level.h"
#include "cliplist/level_envelope.h"
#include "cliplist/sample_scratch.h"
#include "wav/pcm_reader.h"
#include "wav/wav_header.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

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

// Reports percents of the whole from the passes' fractions; stops the work when asked.
class Work {
public:
    Work(const PercentFn& progress, const std::atomic<bool>* abort)
        : m_progress(progress), m_abort(abort) {}

    Status at(int from, int to, double fraction) {
        if (m_abort && m_abort->load())
            return {ErrorCode::Ended,
                    QCoreApplication::translate("CleanUp", "The clean-up was stopped.")};
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
    PcmReader reader;
    if (Status opened = reader.open(in); !opened)
        return opened;
    Input input;
    input.format = reader.format();
    input.frames = reader.frames();
    input.blockFrames = std::max(1, input.format.sampleRateHz * BlockMs / 1000);
    input.quietBlocks = NoiseSampleMs / BlockMs;
    if (input.frames < std::int64_t(input.format.sampleRateHz) * NoiseSampleMs / 1000)
        return refused(QCoreApplication::translate(
            "CleanUp", "The sound is too short to clean: it lasts less than "
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
        return refused(QCoreApplication::translate(
            "CleanUp", "The sound is nothing but silence: there is nothing to "
                       "clean."));
    // The noise is learnt from the quietest half second that is not digital silence (a take
    // that began muted), when a voice stands out of it as out of a room's noise; a clean
    // sound whose only quiet is digital silence has no noise to learn but that silence.
    const double loudest = envelope.loudestMean(NoiseOnlyBlocks);
    input.quietBlock = envelope.quietest(input.quietBlocks, true);
    input.floor = envelope.mean(input.quietBlock, input.quietBlocks);
    if (loudest < input.floor * LevelEnvelope::fromDb(StandOutDb)) {
        input.quietBlock = envelope.quietest(input.quietBlocks);
        input.floor = envelope.mean(input.quietBlock, input.quietBlocks);
    }
    if (loudest < std::max(input.floor * LevelEnvelope::fromDb(NoiseOnlyUnderDb),
                           LevelEnvelope::fromDb(QuietestDb)))
        return refused(QCoreApplication::translate(
            "CleanUp", "The sound is nothing but noise: no voice stands out of "
                       "it."));
    return input;
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
        return refused(QCoreApplication::translate(
            "CleanUp", "The sound is nothing but noise: no voice stands out of "
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
        for (qsizetype i = 0; i < count; ++i)
            storeSample(samples[i] * factor, eightBit, bytes.data(), std::size_t(i));
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

Steps rememberedSteps(const Choices& choices) {
    Steps steps;
    for (const StepKey& key : StepKeys)
        steps.*key.step = choices.flag(QLatin1String(key.key), true);
    return steps;
}

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
    FilterInput filtering;
    filtering.format = format;
    filtering.frames = input->frames;
    filtering.noiseFirstFrame = input->quietBlock * input->blockFrames;
    filtering.noiseFrames = input->quietBlocks * input->blockFrames;
    filtering.noiseFloorDb = LevelEnvelope::toDb(input->floor);
    const Status filtered = runFilters(in, steps, filtering, cleaned, envelope,
                                       [&](double fraction) { return work.at(10, 70, fraction); });
    if (!filtered)
        return filtered;
    const auto kept = keptStretch(*input, steps, envelope);
    if (!kept)
        return kept.status();

    Outcome outcome;
    outcome.firstFrame = kept->first;
    outcome.frames = kept->second;
    outcome.sampleRateHz = format.sampleRateHz;
    outcome.noiseFloorDb = LevelEnvelope::toDb(input->floor);
    SampleScratch limited(format.channels);
    Leveled leveled;
    if (steps.level) {
        const Result<Leveled> done =
            level(cleaned, kept->first, kept->second, format, steps.lufs, folder, limited,
                  [&](double fraction) { return work.at(70, 90, fraction); });
        if (!done)
            return done.status();
        leveled = *done;
        outcome.gainDb = leveled.gainDb;
        outcome.note = leveled.note;
    }
    SampleScratch& result = leveled.limited ? limited : cleaned;
    const std::int64_t first = leveled.limited ? 0 : kept->first;
    if (Status written = write(result, format, first, kept->second, leveled.writeGainDb, out, work);
        !written)
        return written;
    return outcome;
}

} // namespace cleanup
