// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/no_follow.h"
#include "base/status.h"
#include "wav/wav_header.h"

#include <QFile>
#include <QString>

#include <cstdint>
#include <utility>

// What a file made from a clip (its peaks, its analysis) records of the clip, so that it is
// used only while it still describes the clip file as it is now. The file's size and
// modification time alone are not enough: a file put in the clip's place can share them, and
// a picture of 32 channels would then be drawn for a stereo clip. So the sound itself, as
// the clip's header gives it, is part of the stamp too.
struct ClipStamp {
    std::int64_t bytes = -1;
    std::int64_t modifiedMs = 0;
    WavFormat format;
    std::int64_t frames = 0;

    bool operator==(const ClipStamp&) const = default;
};

// The stamp of the clip file as it is now. Fails when it is not a plain file (a link, a
// pipe, a folder: nothing is followed or waited on) or not a WAV file.
Result<ClipStamp> clipStampOf(const QString& clipPath);

// Files kept beside a clip (peaks, spectrogram, analysis) live in a folder of their own
// inside the clip's folder. Both helpers treat them as found on disk: nothing is followed or
// waited on.

// Opens the side file at `path` as a plain file, takes the clip's stamp now, and hands both
// to `read`, which decides whether the file still describes the clip. Fails when either file
// is not a plain file.
template <typename Read>
auto loadBesideClip(const QString& clipPath, const QString& path, Read read)
    -> decltype(read(std::declval<QFile&>(), std::declval<const ClipStamp&>())) {
    QFile file;
    if (Status opened = nofollow::openPlainFile(file, path); !opened)
        return opened;
    const Result<ClipStamp> clip = clipStampOf(clipPath);
    if (!clip)
        return clip.status();
    return read(file, *clip);
}

// Removes the side file at `path` through opened folders: a link at either level is removed
// as a link, never followed.
void removeBesideClip(const QString& clipPath, const QString& path);
