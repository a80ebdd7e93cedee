// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/cleanup_filters.h"

#include "cliplist/level_envelope.h"
#include "cliplist/sample_scratch.h"
#include "codec/sound_filter.h"
#include "wav/pcm_reader.h"

#include <algorithm>

#include <QCoreApplication>

namespace cleanup {

namespace {

// afftdn reduces what lies under its noise floor by up to NoiseReductionDb. Its floor is set
// a little over the measured level of the quiet stretch: the noise's peaks reach over its
// mean, and speech hardly ever goes that low.
constexpr double NoiseReductionDb = 30;
constexpr double NoiseFloorMarginDb = 3;

// Clicks are mended before the noise is reduced, which would smear them over its window.
// adeclick's own threshold (2) takes the peaks of the room's noise for clicks, one sample in
// twenty, and mends sound that was whole; at 3 it mends real clicks better and costs half the
// time, and a model of 1% of its window (24 samples at 44100 Hz) fills a click's few samples
// as well as its default of 2% at two thirds of that time.
QString filterChain(const Steps& steps, const FilterInput& input) {
    QStringList chain;
    if (steps.declick)
        chain << QStringLiteral("highpass=f=%1").arg(RumbleHz)
              << QStringLiteral("adeclick=t=3:a=1");
    if (steps.denoise) {
        const double floorDb = std::clamp(input.noiseFloorDb + NoiseFloorMarginDb, -80.0, -20.0);
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
    Weighing(LevelEnvelope& envelope)
        : m_envelope(envelope), m_add([this](const float* samples, std::int64_t frames) {
              m_envelope.add(samples, frames);
              return Status::ok();
          }) {}

    Status open(const FilterInput& input, const Steps& steps) {
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
        return m_filter ? m_filter->push(samples, frames, m_add) : m_add(samples, frames);
    }
    Status finish() { return m_filter ? m_filter->finish(m_add) : Status::ok(); }

private:
    LevelEnvelope& m_envelope;
    const SoundFilter::Take m_add;
    std::unique_ptr<SoundFilter> m_filter;
};

} // namespace

Status runFilters(const QString& in, const Steps& steps, const FilterInput& input,
                  SampleScratch& scratch, LevelEnvelope& envelope, const FractionFn& done) {
    PcmReader reader;
    if (Status opened = reader.open(in); !opened)
        return opened;
    Weighing weighing(envelope);
    if (Status opened = weighing.open(input, steps); !opened)
        return opened;
    const int channels = input.format.channels;
    // Takes what the filters give, once `skip` frames were dropped, up to the input's length.
    std::int64_t skip = 0;
    const SoundFilter::Take keep = [&](const float* samples, std::int64_t frames) -> Status {
        const std::int64_t from = std::min(skip, frames);
        skip -= from;
        const std::int64_t n = std::min(frames - from, input.frames - scratch.frames());
        if (Status weighed = weighing.add(samples + from * channels, n); !weighed)
            return weighed;
        if (Status kept = scratch.append(samples + from * channels, n); !kept)
            return kept;
        return done(double(scratch.frames()) / double(input.frames));
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
    const auto push = [&](std::vector<std::int16_t>& samples, std::int64_t n) {
        return filter.push(samples.data(), n, keep);
    };

    // What comes out before the input's first frame: the noise sample and the latency.
    const std::int64_t latency = denoiseLatency(steps, input.format.sampleRateHz);
    skip = latency;
    if (steps.denoise) {
        // The noise is learnt first, from a copy of the quiet stretch played in ahead of the
        // sound, so that the sound's beginning is cleaned with it too.
        if (!reader.limit(input.noiseFirstFrame, input.noiseFrames))
            return {ErrorCode::FileOpen,
                    QCoreApplication::translate("CleanUp", "%1: cannot be read.").arg(in)};
        skip += input.noiseFrames;
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
            return {ErrorCode::FileOpen,
                    QCoreApplication::translate("CleanUp", "%1: cannot be read.").arg(in)};
    }
    if (Status read = reader.readAll(push); !read)
        return read;
    // Silence after the end brings out what the filters still hold of the sound.
    std::vector<std::int16_t> tail(
        std::size_t(channels) * std::size_t(input.format.sampleRateHz / 10 + latency), 0);
    if (Status pushed = push(tail, std::int64_t(tail.size()) / channels); !pushed)
        return pushed;
    if (Status finished = filter.finish(keep); !finished)
        return finished;
    if (scratch.frames() < input.frames)
        return {ErrorCode::Decode, QCoreApplication::translate(
                                       "CleanUp", "The sound filter \"%1\" gave back less sound "
                                                  "than it was given.")
                                       .arg(chain)};
    return weighing.finish();
}

} // namespace cleanup
