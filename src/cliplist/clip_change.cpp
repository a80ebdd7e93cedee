// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/clip_change.h"

#include "base/write_fully.h"
#include "codec/frame_source.h"
#include "wav/wav_header.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace clipchange {

Status onWav(const ClipRange& clip, const QString& wavFile,
             const std::function<Status(const QString& wav)>& change) {
    if (clip.whole() && clip.file == wavFile)
        return change(wavFile);
    const QString scratch = wavFile + QStringLiteral(".part");
    Status changed = writeStretch(clip, scratch);
    if (changed)
        changed = change(scratch);
    if (changed && std::rename(QFile::encodeName(scratch).constData(),
                               QFile::encodeName(wavFile).constData()) != 0)
        changed = {
            ErrorCode::Create,
            QCoreApplication::translate("Clips", "%1: the changed sound cannot replace it (%2).")
                .arg(wavFile, QString::fromLocal8Bit(std::strerror(errno)))};
    if (!changed)
        QFile::remove(scratch);
    return changed;
}

Status writeStretch(const ClipRange& clip, const QString& target,
                    const std::function<void(int percent)>& progress) {
    auto opened = FrameSource::open(clip, 0);
    if (!opened)
        return opened.status();
    FrameSource& source = **opened;
    const WavFormat format{source.channels(), source.sampleRateHz(), 16};
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return writeFailure(target, file);
    WavHeader header = WavHeader::forFormat(format);
    const auto write = [&](const char* bytes, qint64 count) {
        return writeFully(file, bytes, count);
    };
    if (Status written = write(header.bytes().data(), WavHeader::Size); !written)
        return written;
    const std::int64_t total = std::max<std::int64_t>(1, source.frames());
    std::int64_t done = 0;
    const Status read = source.readBlocks([&](const std::int16_t* samples, std::int64_t frames) {
        done += frames;
        if (progress)
            progress(int(std::min<std::int64_t>(100, done * 100 / total)));
        return write(reinterpret_cast<const char*>(samples), frames * format.blockAlign());
    });
    if (!read)
        return read;
    header.setDataSize(done * format.blockAlign());
    if (!file.seek(0))
        return writeFailure(target, file);
    if (Status written = write(header.bytes().data(), WavHeader::Size); !written)
        return written;
    if (!file.flush())
        return writeFailure(target, file);
    return Status::ok();
}

} // namespace clipchange
