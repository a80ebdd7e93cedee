// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "wav/clip_range.h"
#include "wav/wav_header.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

struct EncodeSettings;

// Joins clip files, in list order, into one WAV file: the first clip's header with both
// sizes set to the joined data, then the sample data of every clip.
//
// Clips are 8- or 16-bit PCM WAV files. The header written is the canonical 44-byte header
// of the first clip's format, which for a canonical first clip is its own header byte for
// byte (so one clip gives a copy of it). A clip of the first clip's format (rate, channels,
// sample size) is appended byte for byte; any other is converted to that format. A clip's
// data is what its data chunk holds, cut to the bytes the file really has and to whole
// frames; a header that claims more than that is not believed.
//
// Memory stays bounded whatever the clip sizes: data is streamed through one reused buffer
// of BlockBytes (a converted clip in blocks whose output is about that size).
//
// The target is written to a temporary file beside it (unnamed where the file system has
// them, so that a crash leaves nothing) and renamed over it only when all went well; a target
// that is a symbolic link stays one and the file it points to is replaced. On any failure the
// target is left as it was, nothing else is left behind, and the status names the clip or file at
// fault: Empty (no clips), FileOpen/NotFile (a clip missing or unreadable), FileForm (a clip
// shorter than a WAV header or not a WAV file), Format (samples other than 8- or 16-bit PCM),
// TooLarge (the joined data would pass maxDataBytes; found before writing where the sizes tell),
// Create (the target cannot be written or renamed; "the disk is full" says so), Decode (a
// conversion failed).
//
// Runs on the caller's thread, to its end.
class ClipJoiner {
public:
    static constexpr ByteCount BlockBytes = ByteCount(1) << 20;

    // Called after each block: clip data read so far and in all, in bytes of the clips (for
    // encode(), in frames of the joined sound).
    using ProgressFn = std::function<void(ByteCount doneBytes, ByteCount totalBytes)>;

    // maxDataBytes: the largest sample data the target may hold (tests hand in a small one).
    explicit ClipJoiner(ByteCount maxDataBytes = WavHeader::MaxDataBytes);

    void setProgress(ProgressFn progress) { m_progress = std::move(progress); }
    // Once set, the work stops at the next block with Ended, the target left as it was.
    void setAbort(const std::atomic<bool>* abort) { m_abort = abort; }

    // A clip that is a stretch of its file gives that stretch, its fades applied: a WAV
    // stretch without fades still by its bytes.
    Status join(const QList<ClipRange>& clips, const QString& targetPath) const;
    Status join(const QStringList& clipFiles, const QString& targetPath) const {
        return join(QList<ClipRange>(clipFiles.begin(), clipFiles.end()), targetPath);
    }
    // The same joined sound encoded straight into `output` (a compressed file: SoundSink),
    // read through one joined FrameSource with no joined WAV between: 16-bit, the first
    // clip's rate, its channels (two at most). The failures of join(), but TooLarge, and
    // those of FrameSource and SoundSink.
    Status encode(const QList<ClipRange>& clips, const QString& output,
                  const EncodeSettings& settings) const;
    Status encode(const QStringList& clipFiles, const QString& output,
                  const EncodeSettings& settings) const {
        return encode(QList<ClipRange>(clipFiles.begin(), clipFiles.end()), output, settings);
    }

private:
    ByteCount m_maxDataBytes;
    ProgressFn m_progress;
    const std::atomic<bool>* m_abort = nullptr;
};
