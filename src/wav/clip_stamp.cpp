// SPDX-License-Identifier: GPL-3.0-or-later
#include "wav/clip_stamp.h"

#include "base/no_follow.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

Result<ClipStamp> clipStampOf(const QString& clipPath) {
    QFile file;
    if (Status opened = nofollow::openPlainFile(file, clipPath); !opened)
        return opened;
    const Result<WavInfo> info = readWavInfo(file);
    if (!info)
        return Status{info.status().code(),
                      QStringLiteral("%1: %2").arg(clipPath, info.status().message())};
    const QFileInfo stat(clipPath);
    ClipStamp stamp;
    stamp.bytes = stat.size();
    stamp.modifiedMs = stat.lastModified().toMSecsSinceEpoch();
    stamp.format = info->format;
    stamp.frames = info->dataBytes / std::max(1, info->format.blockAlign());
    return stamp;
}
