// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/sound_edit.h"

#include "base/write_fully.h"
#include "cliplist/sound_reader.h"
#include "codec/loudness_meter.h"
#include "wav/fade.h"
#include "wav/wav_header.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <thread>
#include <vector>

namespace soundedit {

namespace {

double toDb(double linear) {
    return linear > 0 ? 20 * std::log10(linear) : -std::numeric_limits<double>::infinity();
}

// Writes `in` to `out` with every frame's samples multiplied by gainAt(frame).
Result<Outcome> rewrite(const QString& in, const QString& out,
                        const std::function<double(std::int64_t)>& gainAt) {
    SoundReader reader;
    if (Status opened = reader.open(in); !opened)
        return opened;
    const WavFormat format = reader.format();
    const bool eightBit = format.bitsPerSample == 8;
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly))
        return writeFailure(out, file);
    WavHeader header = WavHeader::forFormat(format);
    header.setDataSize(reader.frames() * format.blockAlign());
    const auto headerBytes = header.bytes();
    if (Status written = writeFully(file, headerBytes.data(), qint64(headerBytes.size())); !written)
        return written;

    Outcome outcome;
    QByteArray bytes;
    std::int64_t frame = 0;
    const Status read = reader.readAll([&](std::vector<std::int16_t>& samples, std::int64_t count) {
        bytes.resize(qsizetype(samples.size()) * (eightBit ? 1 : 2));
        for (std::int64_t f = 0; f < count; ++f, ++frame) {
            const double g = gainAt(frame);
            for (int c = 0; c < format.channels; ++c) {
                const std::size_t i = std::size_t(f * format.channels + c);
                double v = std::round(samples[i] * g);
                if (v > 32767 || v < -32768) {
                    v = std::clamp(v, -32768.0, 32767.0);
                    ++outcome.clippedSamples;
                }
                if (eightBit) {
                    bytes[qsizetype(i)] = char(std::clamp(int(std::lround(v / 256)) + 128, 0, 255));
                } else {
                    const auto s = std::int16_t(v);
                    bytes[qsizetype(2 * i)] = char(s & 0xFF);
                    bytes[qsizetype(2 * i + 1)] = char((s >> 8) & 0xFF);
                }
            }
        }
        return writeFully(file, bytes.constData(), bytes.size());
    });
    if (!read)
        return read;
    if (!file.commit())
        return writeFailure(out, file);
    return outcome;
}

QString dbText(double db) {
    return QStringLiteral("%1%2 dB")
        .arg(db >= 0 ? QStringLiteral("+") : QString())
        .arg(db, 0, 'f', 1);
}

} // namespace

Result<Outcome> fade(const QString& in, const QString& out, double inSeconds, double outSeconds) {
    SoundReader reader;
    if (Status opened = reader.open(in); !opened)
        return opened;
    const std::int64_t frames = reader.frames();
    const auto length = [&](double seconds) {
        return std::clamp<std::int64_t>(
            std::llround(std::max(0.0, seconds) * reader.format().sampleRateHz), 0, frames);
    };
    const std::int64_t fadeIn = length(inSeconds);
    const std::int64_t fadeOut = length(outSeconds);
    return rewrite(in, out, [=](std::int64_t frame) {
        double g = 1.0;
        if (frame < fadeIn)
            g *= fade::fadeInGain(frame, fadeIn);
        if (frame >= frames - fadeOut)
            g *= fade::fadeOutGain(frame - (frames - fadeOut), fadeOut);
        return g;
    });
}

Result<Outcome> gain(const QString& in, const QString& out, double db) {
    const double factor = std::pow(10.0, db / 20);
    Result<Outcome> done = rewrite(in, out, [factor](std::int64_t) { return factor; });
    if (done) {
        done->gainDb = db;
        if (done->clippedSamples > 0)
            done->note =
                QStringLiteral("%1 samples were clipped at full scale.").arg(done->clippedSamples);
    }
    return done;
}

namespace {

using Meter = std::unique_ptr<LoudnessMeter>;

// One reading of `count` frames from `first` on through a meter of the given measures.
Result<Meter> meterPass(const QString& in, int measures, std::int64_t first, std::int64_t count) {
    SoundReader reader;
    if (Status opened = reader.open(in); !opened)
        return opened;
    if (!reader.limit(first, count))
        return Status{ErrorCode::FileOpen, QStringLiteral("%1: cannot be read.").arg(in)};
    Result<Meter> meter =
        LoudnessMeter::create(reader.format().channels, reader.format().sampleRateHz, measures);
    if (!meter)
        return meter.status();
    const Status read = reader.readAll([&](std::vector<std::int16_t>& samples, std::int64_t count) {
        if ((*meter)->add(samples.data(), count))
            return Status::ok();
        return Status{ErrorCode::Decode,
                      QStringLiteral("%1: the loudness cannot be measured.").arg(in)};
    });
    if (!read)
        return read;
    return meter;
}

} // namespace

// The true peak (four times oversampled) costs the meter several times what the loudness
// does, so it is read on two threads, each over one half of the sound, while this thread
// reads the loudness and the sample peak. The second half starts a little early, so that
// the oversampling filter has its history at the seam and the halves' peaks are exactly
// the whole's.
Result<Measure> measure(const QString& in, std::int64_t maxFrames) {
    const Result<WavInfo> info = readWavInfo(in);
    if (!info)
        return info.status();
    std::int64_t frames = info->dataBytes / std::max(1, info->format.blockAlign());
    if (maxFrames >= 0)
        frames = std::min(frames, maxFrames);
    constexpr std::int64_t Seam = 256;
    const std::int64_t half = frames / 2;
    Result<Meter> firstHalf = Status{ErrorCode::Ended, QString()};
    Result<Meter> secondHalf = Status{ErrorCode::Ended, QString()};
    std::thread first([&] { firstHalf = meterPass(in, LoudnessMeter::TruePeak, 0, half); });
    std::thread second([&] {
        const std::int64_t from = std::max<std::int64_t>(0, half - Seam);
        secondHalf = meterPass(in, LoudnessMeter::TruePeak, from, frames - from);
    });
    Result<Meter> loudnessPass =
        meterPass(in, LoudnessMeter::Loudness | LoudnessMeter::SamplePeak, 0, frames);
    first.join();
    second.join();
    for (const Result<Meter>* pass : {&loudnessPass, &firstHalf, &secondHalf})
        if (!*pass)
            return pass->status();

    Measure result;
    result.seconds =
        double(info->dataBytes / info->format.blockAlign()) / info->format.sampleRateHz;
    result.lufs = (*loudnessPass)->integratedLufs();
    result.truePeakDb = toDb(std::max((*firstHalf)->truePeak(), (*secondHalf)->truePeak()));
    result.samplePeakDb = toDb((*loudnessPass)->samplePeak());
    return result;
}

Outcome plan(const Measure& measured, const Target& target) {
    Outcome planned;
    const bool tooShort = measured.seconds < Target::MinSeconds;
    // Below the meter's absolute gate (-70 LUFS) a sound of measurable length holds nothing
    // but silence or the faintest noise, which a gain would only bring up.
    if (!std::isfinite(measured.samplePeakDb) ||
        (!target.peakOnly && !tooShort && !std::isfinite(measured.lufs))) {
        planned.changed = false;
        planned.note = QStringLiteral("The clip is silent: there is nothing to bring up.");
        return planned;
    }
    if (target.peakOnly || tooShort) {
        planned.gainDb = target.peakDb - measured.samplePeakDb;
        planned.note = target.peakOnly
                           ? QStringLiteral("Peak brought to %1.").arg(dbText(target.peakDb))
                           : QStringLiteral("Too short to measure its loudness (under %1 s): peak "
                                            "brought to %2 instead.")
                                 .arg(Target::MinSeconds)
                                 .arg(dbText(target.peakDb));
        return planned;
    }
    planned.gainDb = target.lufs - measured.lufs;
    planned.note = QStringLiteral("Brought from %1 to %2 LUFS.")
                       .arg(measured.lufs, 0, 'f', 1)
                       .arg(target.lufs, 0, 'f', 1);
    if (measured.truePeakDb + planned.gainDb > Target::TruePeakCeilingDb) {
        planned.gainDb = Target::TruePeakCeilingDb - measured.truePeakDb;
        planned.note = QStringLiteral("Brought from %1 LUFS as far as the true peak allows (%2 "
                                      "dBTP): %3 LUFS.")
                           .arg(measured.lufs, 0, 'f', 1)
                           .arg(Target::TruePeakCeilingDb, 0, 'f', 1)
                           .arg(measured.lufs + planned.gainDb, 0, 'f', 1);
    }
    return planned;
}

Result<Outcome> normalise(const QString& in, const QString& out, const Target& target) {
    const Result<Measure> measured = measure(in);
    if (!measured)
        return measured.status();
    const Outcome planned = plan(*measured, target);
    if (!planned.changed)
        return planned;
    Result<Outcome> done = gain(in, out, planned.gainDb);
    if (done)
        done->note = planned.note;
    return done;
}

} // namespace soundedit
