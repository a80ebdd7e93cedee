// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "wav/clip_range.h"
#include "wav/clip_stamp.h"

#include <QFile>
#include <QString>

#include <cstdint>
#include <functional>
#include <utility>

// The files kept beside a clip: its peaks and spectrogram (in the folder "peaks" beside the
// clip) and its analysis (in "analysis"). They are found on disk, so nothing of them is
// trusted: no link is followed at the folder or the file, no pipe or device is waited on, a
// file bigger than its kind can be is not read, and each kind's reader believes a file only
// for the clip's ClipStamp it records. A file is written whole, beside the old one, and
// renamed over it.
enum class SideKind { Peaks, Spectrogram, Analysis };

namespace sidefile {

// The clip file's name + ".peaks", ".spectrum" or ".analysis.json" in the kind's folder; a
// stretch of the file (a cut clip) has its first frame, its length and its fades in the name
// too.
QString path(const ClipRange& range, SideKind kind);
// The most bytes a file of the kind can hold for any clip.
std::int64_t maxBytes(SideKind kind);

// Writes the kind's file of the range: `write` fills it. NotFile where the folder is anything
// but a plain one; a write's failure as `write` or the rename gives it.
Status write(const ClipRange& range, SideKind kind, const std::function<Status(QFile&)>& write);

// Opens the kind's file of the range into `file` when it is a plain file no bigger than
// maxBytes(): NotFile when it is not a plain file, FileForm when it is too big.
Status open(QFile& file, const ClipRange& range, SideKind kind);

// Opens the kind's file of the range (open()), takes its file's stamp now, and hands both to
// `read`, which decides whether the file still describes the clip.
template <typename Read>
auto load(const ClipRange& range, SideKind kind, Read read)
    -> decltype(read(std::declval<QFile&>(), std::declval<const ClipStamp&>())) {
    QFile file;
    if (Status opened = open(file, range, kind); !opened)
        return opened;
    const Result<ClipStamp> clip = clipStampOf(range);
    if (!clip)
        return clip.status();
    return read(file, *clip);
}

// Removes the kind's file of the range through opened folders: a link at either level is
// removed as a link, never followed.
void remove(const ClipRange& range, SideKind kind);

} // namespace sidefile
