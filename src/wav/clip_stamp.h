// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "wav/clip_range.h"
#include "wav/wav_header.h"

#include <QString>

#include <cstdint>

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
// pipe, a folder: nothing is followed or waited on), or neither a WAV file nor a kept MP3 or
// FLAC whose length can be counted. Defined with the decoder (codec/clip_stamp.cpp), which
// counts those (DecodeStream::countFrames, remembered per file).
Result<ClipStamp> clipStampOf(const QString& clipPath);

// The stamp of a stretch of a clip file: the file's, with the stretch's frames.
inline Result<ClipStamp> clipStampOf(const ClipRange& range) {
    Result<ClipStamp> stamp = clipStampOf(range.file);
    if (stamp)
        stamp->frames = range.length(stamp->frames);
    return stamp;
}
