// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/sample_scratch.h"

#include "base/write_fully.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace {
constexpr std::int64_t ChunkFrames = 1 << 15;
}

Status SampleScratch::open(const QString& folder) {
    m_file.setFileTemplate(QDir(folder).filePath(QStringLiteral(".scratch-XXXXXX")));
    if (!m_file.open())
        return {ErrorCode::Create,
                QCoreApplication::translate("Clips", "%1: cannot be written (%2).")
                    .arg(QDir::toNativeSeparators(folder), m_file.errorString())};
    return Status::ok();
}

Status SampleScratch::append(const float* samples, std::int64_t frames) {
    if (frames <= 0)
        return Status::ok();
    const qint64 bytes = frames * m_channels * qint64(sizeof(float));
    if (Status written = writeFully(m_file, samples, bytes); !written)
        return written;
    m_frames += frames;
    return Status::ok();
}

Status SampleScratch::clear() {
    if (!m_file.resize(0) || !m_file.seek(0))
        return writeFailure(m_file);
    m_frames = 0;
    return Status::ok();
}

Status SampleScratch::read(std::int64_t first, std::int64_t count, const Take& take) {
    first = std::clamp<std::int64_t>(first, 0, m_frames);
    std::int64_t left = std::clamp<std::int64_t>(count, 0, m_frames - first);
    const qint64 frameBytes = m_channels * qint64(sizeof(float));
    if (!m_file.flush() || !m_file.seek(first * frameBytes))
        return {ErrorCode::FileOpen,
                QStringLiteral("%1: %2.").arg(m_file.fileName(), m_file.errorString())};
    while (left > 0) {
        const std::int64_t n = std::min(left, ChunkFrames);
        m_chunk.resize(std::size_t(n * m_channels));
        if (m_file.read(reinterpret_cast<char*>(m_chunk.data()), n * frameBytes) != n * frameBytes)
            return {ErrorCode::FileOpen,
                    QStringLiteral("%1: %2.").arg(m_file.fileName(), m_file.errorString())};
        if (Status taken = take(m_chunk.data(), n); !taken)
            return taken;
        left -= n;
    }
    // Appending goes on at the end.
    m_file.seek(m_file.size());
    return Status::ok();
}
