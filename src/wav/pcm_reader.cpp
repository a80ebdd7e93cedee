// SPDX-License-Identifier: GPL-3.0-or-later
#include "wav/pcm_reader.h"

#include <QCoreApplication>

#include <algorithm>

Status PcmReader::open(const QString& path) {
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

std::int64_t PcmReader::frames() const {
    const int align = m_info.format.blockAlign();
    return align > 0 ? m_info.dataBytes / align : 0;
}

bool PcmReader::limit(std::int64_t first, std::int64_t count) {
    first = std::clamp<std::int64_t>(first, 0, frames());
    m_left = std::clamp<std::int64_t>(count, 0, frames() - first);
    return m_file.seek(m_info.dataOffset + first * m_info.format.blockAlign());
}

std::int64_t PcmReader::next(std::vector<std::int16_t>& samples, std::int64_t maxFrames) {
    const std::int64_t count = std::min(m_left, std::max<std::int64_t>(1, maxFrames));
    if (count <= 0)
        return 0;
    const std::size_t values = std::size_t(count * m_info.format.channels);
    const qint64 bytes = count * m_info.format.blockAlign();
    samples.resize(values);
    if (m_info.format.bitsPerSample == 16) {
        // Straight into place: the file is little-endian, as the machine is.
        if (m_file.read(reinterpret_cast<char*>(samples.data()), bytes) != bytes)
            return -1;
    } else {
        m_raw.resize(values);
        if (m_file.read(reinterpret_cast<char*>(m_raw.data()), bytes) != bytes)
            return -1;
        widenEightBit(m_raw.data(), samples.data(), values);
    }
    m_left -= count;
    return count;
}

Status
PcmReader::readAll(const std::function<Status(std::vector<std::int16_t>&, std::int64_t)>& take,
                   std::int64_t blockFrames) {
    std::vector<std::int16_t> samples;
    for (;;) {
        const std::int64_t count = next(samples, blockFrames);
        if (count < 0)
            return {ErrorCode::FileForm,
                    QCoreApplication::translate("Wav", "%1: the sound ends before its header says.")
                        .arg(m_file.fileName())};
        if (count == 0)
            return Status::ok();
        if (Status taken = take(samples, count); !taken)
            return taken;
    }
}
