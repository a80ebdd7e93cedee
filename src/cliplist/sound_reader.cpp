// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/sound_reader.h"

#include <algorithm>
#include <cstring>

Status SoundReader::open(const QString& path) {
    const Result<WavInfo> info = readClipWavInfo(path);
    if (!info)
        return info.status();
    m_info = *info;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly) || !m_file.seek(m_info.dataOffset))
        return {ErrorCode::FileOpen, QStringLiteral("%1: %2.").arg(path, m_file.errorString())};
    m_left = frames();
    return Status::ok();
}

bool SoundReader::limit(std::int64_t first, std::int64_t count) {
    first = std::clamp<std::int64_t>(first, 0, frames());
    m_left = std::clamp<std::int64_t>(count, 0, frames() - first);
    return m_file.seek(m_info.dataOffset + first * m_info.format.blockAlign());
}

Status
SoundReader::readAll(const std::function<Status(std::vector<std::int16_t>&, std::int64_t)>& take) {
    std::vector<std::int16_t> samples;
    for (;;) {
        const std::int64_t count = next(samples);
        if (count < 0)
            return {ErrorCode::FileForm,
                    QStringLiteral("%1: the sound ends before its header says.")
                        .arg(m_file.fileName())};
        if (count == 0)
            return Status::ok();
        if (Status taken = take(samples, count); !taken)
            return taken;
    }
}

std::int64_t SoundReader::next(std::vector<std::int16_t>& samples) {
    const std::int64_t count = std::min(m_left, ChunkFrames);
    if (count <= 0)
        return 0;
    const int channels = m_info.format.channels;
    const qint64 bytes = count * m_info.format.blockAlign();
    m_raw.resize(qsizetype(bytes));
    if (m_file.read(m_raw.data(), bytes) != bytes)
        return -1;
    samples.resize(std::size_t(count * channels));
    if (m_info.format.bitsPerSample == 16) {
        std::memcpy(samples.data(), m_raw.constData(), std::size_t(bytes));
    } else {
        const auto* raw = reinterpret_cast<const std::uint8_t*>(m_raw.constData());
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i] = std::int16_t((int(raw[i]) - 128) * 256);
    }
    m_left -= count;
    return count;
}
