// SPDX-License-Identifier: GPL-3.0-or-later
#include "wav/clip_stamp.h"

#include "codec/decode_stream.h"

#include "base/no_follow.h"
#include "base/work_folder.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

Result<ClipStamp> clipStampOf(const QString& clipPath) {
    QFile file;
    if (Status opened = nofollow::openPlainFile(file, clipPath); !opened)
        return opened;
    const QFileInfo stat(clipPath);
    ClipStamp stamp;
    stamp.bytes = stat.size();
    stamp.modifiedMs = stat.lastModified().toMSecsSinceEpoch();
    if (WorkFolder::isKeptFile(clipPath)) {
        file.close();
        const Result<DecodeStream::Counted> counted = DecodeStream::countFrames(clipPath);
        if (!counted)
            return counted.status();
        stamp.format = counted->format;
        stamp.frames = counted->frames;
        return stamp;
    }
    const Result<WavInfo> info = readWavInfo(file);
    if (!info)
        return Status{info.status().code(),
                      QStringLiteral("%1: %2").arg(clipPath, info.status().message())};
    stamp.format = info->format;
    stamp.frames = info->dataBytes / std::max(1, info->format.blockAlign());
    return stamp;
}
