// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/sound_edit.h"

#include "base/write_fully.h"
#include "codec/loudness_meter.h"
#include "wav/fade.h"
#include "wav/pcm_reader.h"
#include "wav/wav_header.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <functional>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace soundedit {

namespace {

double toDb(double linear) {
    return linear > 0 ? 20 * std::log10(linear) : -std::numeric_limits<double>::infinity();
}

// As the decoder refuses it: an edit of nothing would write an empty clip.
Status openSound(PcmReader& reader, const QString& path) {
    if (Status opened = reader.open(path); !opened)
        return opened;
    if (reader.frames() == 0)
        return {ErrorCode::Empty,
                QCoreApplication::translate("Clips", "%1: the file holds no sound.").arg(path)};
    return Status::ok();
}

// Writes `in` to `out` with every frame's samples multiplied by gainAt(frame).
Result<Outcome> rewrite(const QString& in, const QString& out,
                        const std::function<double(std::int64_t)>& gainAt) {
    PcmReader reader;
    if (Status opened = openSound(reader, in); !opened)
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
        char* const target = bytes.data();
        for (std::int64_t f = 0; f < count; ++f, ++frame) {
            const double g = gainAt(frame);
            for (int c = 0; c < format.channels; ++c) {
                const std::size_t i = std::size_t(f * format.channels + c);
                if (storeSample(samples[i] * g, eightBit, target, i))
                    ++outcome.clippedSamples;
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
    PcmReader reader;
    if (Status opened = openSound(reader, in); !opened)
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
                QCoreApplication::translate("Clips", "%1 samples were clipped at full scale.")
                    .arg(done->clippedSamples);
    }
    return done;
}

namespace {

using Meter = std::unique_ptr<LoudnessMeter>;
using Block = std::vector<std::int16_t>;

// A meter fed on a thread of its own: the blocks handed to it are measured in order while
// the caller reads on. At most Depth blocks wait, so a long sound is never held whole; the
// blocks come back to the caller for reuse. The destructor stops and joins the thread.
class SideMeter {
public:
    static constexpr std::size_t Depth = 4;

    SideMeter(Meter meter, int channels)
        : m_meter(std::move(meter)), m_channels(channels), m_thread([this] { run(); }) {}
    ~SideMeter() { close(); }
    SideMeter(const SideMeter&) = delete;
    SideMeter& operator=(const SideMeter&) = delete;

    // A block to read into: one the meter is done with, or a new one.
    Block spare() {
        const std::lock_guard lock(m_mutex);
        if (m_spare.empty())
            return {};
        Block block = std::move(m_spare.back());
        m_spare.pop_back();
        return block;
    }
    // Waits while Depth blocks are still waiting.
    void feed(Block block) {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_waiting.size() < Depth; });
        m_waiting.push_back(std::move(block));
        m_changed.notify_all();
    }
    // Waits for every block fed to be measured; false when the meter refused one.
    bool finish() {
        close();
        return !m_refused;
    }
    const LoudnessMeter& meter() const { return *m_meter; }

private:
    void close() {
        {
            const std::lock_guard lock(m_mutex);
            m_closed = true;
        }
        m_changed.notify_all();
        if (m_thread.joinable())
            m_thread.join();
    }
    void run() {
        for (;;) {
            Block block;
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [this] { return !m_waiting.empty() || m_closed; });
                if (m_waiting.empty())
                    return;
                block = std::move(m_waiting.front());
                m_waiting.pop_front();
                m_changed.notify_all();
            }
            if (!m_refused && !m_meter->add(block.data(), std::int64_t(block.size()) / m_channels))
                m_refused = true;
            const std::lock_guard lock(m_mutex);
            m_spare.push_back(std::move(block));
        }
    }

    Meter m_meter;
    int m_channels;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Block> m_waiting;
    std::vector<Block> m_spare;
    bool m_closed = false;
    bool m_refused = false; // written by the meter's thread, read after the join
    std::thread m_thread;   // last: it starts once everything it uses is made
};

// The meters of one part of a sound, each fed once.
struct PartMeters {
    Meter loudness;                      // loudness and sample peak
    std::unique_ptr<SideMeter> truePeak; // finished
    std::int64_t frames = 0;             // fed to the loudness meter
};

// Reads `read` to its end. The true peak (four times oversampled) costs the meter several
// times what the loudness does, so each block goes on to a thread of its own for it while
// this thread measures the loudness and the sample peak. The first leadIn frames only give
// the true peak's filter its history.
Result<PartMeters> measurePart(int channels, int sampleRateHz, const ReadBlock& read,
                               const QString& name, std::int64_t leadIn = 0) {
    PartMeters part;
    Result<Meter> loudness = LoudnessMeter::create(
        channels, sampleRateHz, LoudnessMeter::Loudness | LoudnessMeter::SamplePeak);
    if (!loudness)
        return loudness.status();
    part.loudness = std::move(*loudness);
    Result<Meter> truePeak = LoudnessMeter::create(channels, sampleRateHz, LoudnessMeter::TruePeak);
    if (!truePeak)
        return truePeak.status();
    part.truePeak = std::make_unique<SideMeter>(std::move(*truePeak), channels);
    for (;;) {
        Block block = part.truePeak->spare();
        const Result<std::int64_t> got = read(block);
        if (!got)
            return got.status();
        if (*got == 0)
            break;
        block.resize(std::size_t(*got * channels));
        const std::int64_t skip = std::min(leadIn, *got);
        leadIn -= skip;
        if (!part.loudness->add(block.data() + skip * channels, *got - skip))
            return Status{ErrorCode::Decode, QCoreApplication::translate(
                                                 "Clips", "%1: the loudness cannot be measured.")
                                                 .arg(name)};
        part.frames += *got - skip;
        part.truePeak->feed(std::move(block));
    }
    if (!part.truePeak->finish())
        return Status{ErrorCode::Decode,
                      QCoreApplication::translate("Clips", "%1: the true peak cannot be measured.")
                          .arg(name)};
    return part;
}

Measure combine(const std::vector<const PartMeters*>& parts, int sampleRateHz) {
    Measure result;
    std::vector<const LoudnessMeter*> loudness;
    double truePeak = 0;
    double samplePeak = 0;
    std::int64_t frames = 0;
    for (const PartMeters* part : parts) {
        loudness.push_back(part->loudness.get());
        truePeak = std::max(truePeak, part->truePeak->meter().truePeak());
        samplePeak = std::max(samplePeak, part->loudness->samplePeak());
        frames += part->frames;
    }
    result.seconds = double(frames) / sampleRateHz;
    result.lufs = LoudnessMeter::integratedLufs(loudness);
    result.truePeakDb = toDb(truePeak);
    result.samplePeakDb = toDb(samplePeak);
    return result;
}

} // namespace

Result<Measure> measure(int channels, int sampleRateHz, const ReadBlock& read,
                        const QString& name) {
    const Result<PartMeters> part = measurePart(channels, sampleRateHz, read, name);
    if (!part)
        return part.status();
    return combine({&*part}, sampleRateHz);
}

// Two halves at once, each read by a thread of its own (and each with its own thread for
// its true peak), so that both cores measure; every frame is still read once. The second
// half starts a little early, so that the true peak's filter has its history at the seam;
// the loudness is gated over the blocks of both halves together.
Result<Measure> measure(int channels, int sampleRateHz, std::int64_t frames, const OpenPart& open,
                        const QString& name) {
    const auto measureFrames = [&](std::int64_t from, std::int64_t count,
                                   std::int64_t leadIn) -> Result<PartMeters> {
        const Result<ReadBlock> read = open(from, count);
        if (!read)
            return read.status();
        return measurePart(channels, sampleRateHz, *read, name, leadIn);
    };
    // A short sound is not worth a second thread.
    constexpr std::int64_t Seam = 256;
    const std::int64_t half = frames >= 10 * std::int64_t(sampleRateHz) ? frames / 2 : frames;
    Result<PartMeters> second = Status{ErrorCode::Ended, QString()};
    std::optional<std::jthread> secondThread;
    if (half < frames)
        secondThread.emplace(
            [&] { second = measureFrames(half - Seam, frames - half + Seam, Seam); });
    const Result<PartMeters> firstPart = measureFrames(0, half, 0);
    if (secondThread)
        secondThread->join();
    if (!firstPart)
        return firstPart.status();
    if (half == frames)
        return combine({&*firstPart}, sampleRateHz);
    if (!second)
        return second.status();
    return combine({&*firstPart, &*second}, sampleRateHz);
}

Result<Measure> measure(const QString& in, std::int64_t first, std::int64_t maxFrames) {
    PcmReader probe;
    if (Status opened = openSound(probe, in); !opened)
        return opened;
    const WavFormat format = probe.format();
    first = std::clamp<std::int64_t>(first, 0, probe.frames());
    const std::int64_t frames =
        maxFrames >= 0 ? std::min(maxFrames, probe.frames() - first) : probe.frames() - first;
    const auto open = [&](std::int64_t from, std::int64_t count) -> Result<ReadBlock> {
        auto reader = std::make_shared<PcmReader>();
        if (Status opened = reader->open(in); !opened)
            return opened;
        if (!reader->limit(first + from, count))
            return Status{ErrorCode::FileOpen,
                          QCoreApplication::translate("Clips", "%1: cannot be read.").arg(in)};
        return ReadBlock([reader, in](Block& block) -> Result<std::int64_t> {
            const std::int64_t got = reader->next(block);
            if (got < 0)
                return Status{ErrorCode::FileForm,
                              QCoreApplication::translate(
                                  "Clips", "%1: the sound ends before its header says.")
                                  .arg(in)};
            return got;
        });
    };
    return measure(format.channels, format.sampleRateHz, frames, open, in);
}

Outcome plan(const Measure& measured, const Target& target) {
    Outcome planned;
    const bool tooShort = measured.seconds < Target::MinSeconds;
    // Below the meter's absolute gate (-70 LUFS) a sound of measurable length holds nothing
    // but silence or the faintest noise, which a gain would only bring up.
    if (!std::isfinite(measured.samplePeakDb) ||
        (!target.peakOnly && !tooShort && !std::isfinite(measured.lufs))) {
        planned.changed = false;
        planned.note = QCoreApplication::translate(
            "Clips", "The clip is silent: there is nothing to bring up.");
        return planned;
    }
    if (target.peakOnly || tooShort) {
        planned.gainDb = target.peakDb - measured.samplePeakDb;
        planned.note = target.peakOnly
                           ? QCoreApplication::translate("Clips", "Peak brought to %1.")
                                 .arg(dbText(target.peakDb))
                           : QCoreApplication::translate(
                                 "Clips", "Too short to measure its loudness (under %1 s): peak "
                                          "brought to %2 instead.")
                                 .arg(Target::MinSeconds)
                                 .arg(dbText(target.peakDb));
        return planned;
    }
    planned.gainDb = target.lufs - measured.lufs;
    planned.note = QCoreApplication::translate("Clips", "Brought from %1 to %2 LUFS.")
                       .arg(measured.lufs, 0, 'f', 1)
                       .arg(target.lufs, 0, 'f', 1);
    if (measured.truePeakDb + planned.gainDb > Target::TruePeakCeilingDb) {
        planned.gainDb = Target::TruePeakCeilingDb - measured.truePeakDb;
        planned.note = QCoreApplication::translate(
                           "Clips", "Brought from %1 LUFS as far as the true peak allows (%2 "
                                    "dBTP): %3 LUFS.")
                           .arg(measured.lufs, 0, 'f', 1)
                           .arg(Target::TruePeakCeilingDb, 0, 'f', 1)
                           .arg(measured.lufs + planned.gainDb, 0, 'f', 1);
    }
    return planned;
}

Result<Outcome> normalise(const QString& in, const QString& out, const Target& target) {
    const Result<Measure> measured = measure(in, 0);
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
