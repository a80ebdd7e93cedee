// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/edge_fade.h"

#include "base/write_fully.h"
#include "wav/fade.h"
#include "wav/pcm_reader.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cmath>

namespace edgefade {

namespace {

// Scales `count` frames at `first` of the data; `fadeIn` counts the gain up from the
// first of them, else down to the last.
Status scale(QFile& file, PcmReader& reader, std::int64_t first, std::int64_t count, bool fadeIn) {
    const WavFormat& format = reader.format();
    std::vector<std::int16_t> samples;
    if (!reader.limit(first, count) || reader.next(samples, count) != count)
        return {ErrorCode::FileForm, QCoreApplication::translate(
                                         "Clips", "%1: the sound is shorter than its header says.")
                                         .arg(file.fileName())};
    const int channels = format.channels;
    const bool eightBit = format.bitsPerSample == 8;
    QByteArray bytes(qsizetype(count * format.blockAlign()), Qt::Uninitialized);
    for (std::int64_t i = 0; i < count; ++i) {
        const double g = fadeIn ? fade::fadeInGain(i, count) : fade::fadeOutGain(i, count);
        for (int c = 0; c < channels; ++c) {
            const std::size_t at = std::size_t(i * channels + c);
            if (eightBit) {
                const long v = std::lround(samples[at] / 256 * g);
                bytes[qsizetype(at)] = char(std::uint8_t(v + 128));
            } else {
                const auto faded = std::int16_t(std::lround(samples[at] * g));
                bytes[qsizetype(2 * at)] = char(faded & 0xFF);
                bytes[qsizetype(2 * at + 1)] = char((faded >> 8) & 0xFF);
            }
        }
    }
    if (!file.seek(reader.info().dataOffset + first * format.blockAlign()))
        return writeFailure(file.fileName(), file);
    return writeFully(file, bytes.constData(), bytes.size());
}

} // namespace

Status fadeEdges(const QString& wavPath, std::int64_t frames) {
    PcmReader reader;
    if (Status opened = reader.open(wavPath); !opened)
        return opened;
    const std::int64_t total = reader.frames();
    frames = std::min(frames, total / 2);
    if (frames <= 0)
        return Status::ok();
    QFile file(wavPath);
    if (!file.open(QIODevice::ReadWrite))
        return writeFailure(wavPath, file);
    if (Status in = scale(file, reader, 0, frames, true); !in)
        return in;
    return scale(file, reader, total - frames, frames, false);
}

} // namespace edgefade
