// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/edge_fade.h"

#include "base/write_fully.h"
#include "wav/fade.h"
#include "wav/wav_header.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace edgefade {

double gain(std::int64_t i, std::int64_t frames) {
    if (frames <= 0 || i >= frames)
        return 1.0;
    return 0.5 -
           0.5 * std::cos(std::numbers::pi * double(std::max<std::int64_t>(0, i)) / double(frames));
}

namespace {

// Scales `count` frames at `first` of the data; `fadeIn` counts the gain up from the
// first of them, else down to the last.
Status scale(QFile& file, const WavInfo& info, std::int64_t first, std::int64_t count,
             bool fadeIn) {
    const int channels = info.format.channels;
    const int bytesPerSample = info.format.bitsPerSample / 8;
    const qint64 at = info.dataOffset + first * info.format.blockAlign();
    const qint64 size = count * info.format.blockAlign();
    if (!file.seek(at))
        return writeFailure(file.fileName(), file);
    QByteArray bytes = file.read(size);
    if (bytes.size() != size)
        return {
            ErrorCode::FileForm,
            QStringLiteral("%1: the sound is shorter than its header says.").arg(file.fileName())};
    for (std::int64_t i = 0; i < count; ++i) {
        const double g = fadeIn ? fade::fadeInGain(i, count) : fade::fadeOutGain(i, count);
        for (int c = 0; c < channels; ++c) {
            char* sample = bytes.data() + (i * channels + c) * bytesPerSample;
            if (bytesPerSample == 1) {
                const int v = int(std::uint8_t(*sample)) - 128;
                *sample = char(std::uint8_t(int(std::lround(v * g)) + 128));
            } else {
                const auto v =
                    std::int16_t(std::uint8_t(sample[0]) | (std::uint8_t(sample[1]) << 8));
                const auto faded = std::int16_t(std::lround(v * g));
                sample[0] = char(faded & 0xFF);
                sample[1] = char((faded >> 8) & 0xFF);
            }
        }
    }
    if (!file.seek(at))
        return writeFailure(file.fileName(), file);
    return writeFully(file, bytes.constData(), bytes.size());
}

} // namespace

Status fadeEdges(const QString& wavPath, std::int64_t frames) {
    const Result<WavInfo> info = readClipWavInfo(wavPath);
    if (!info)
        return info.status();
    const int bits = info->format.bitsPerSample;
    const std::int64_t total = info->dataBytes / info->format.blockAlign();
    frames = std::min(frames, total / 2);
    if (frames <= 0)
        return Status::ok();
    QFile file(wavPath);
    if (!file.open(QIODevice::ReadWrite))
        return writeFailure(wavPath, file);
    if (Status in = scale(file, *info, 0, frames, true); !in)
        return in;
    return scale(file, *info, total - frames, frames, false);
}

} // namespace edgefade
