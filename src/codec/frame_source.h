// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "wav/clip_range.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class DecodeStream;
class PcmConverter;
class PcmReader;

// What is made from a clip's sound as it goes by (its peaks, its spectrogram, its analysis), so
// that one read of the clip feeds every one of them.
class FrameAnalyzer {
public:
    virtual ~FrameAnalyzer() = default;
    // The next frames, interleaved 16-bit, in the channels of the source read.
    virtual void add(const std::int16_t* samples, std::int64_t frames) = 0;
    // The whole sound has been added (not called when the reading failed or was cancelled).
    virtual void finish() = 0;
};

// Analyzers that run beside the read on a thread of their own, so that a slow one (the music
// analysis) never holds back the read and the analyzers fed inline (the peaks), and the
// decoding and the analysing share the machine's cores. Each block is queued for them. Should
// the queue pass maxQueuedBytes (the read is far ahead), Full::Drop gives them up: dropped()
// says so, none of them is finished, and their products are made some other way. Full::Wait
// holds the read back until they have caught up.
class AnalyzerThread : public FrameAnalyzer {
public:
    enum class Full { Drop, Wait };
    AnalyzerThread(std::vector<std::unique_ptr<FrameAnalyzer>> analyzers, int channels,
                   std::int64_t maxQueuedBytes, Full full = Full::Drop);
    // Gives the analyzers up when finish() did not come, and waits for the thread.
    ~AnalyzerThread() override;
    AnalyzerThread(const AnalyzerThread&) = delete;
    AnalyzerThread& operator=(const AnalyzerThread&) = delete;

    void add(const std::int16_t* samples, std::int64_t frames) override;
    // Waits until the analyzers have had every block and are finished.
    void finish() override;
    bool dropped() const;

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// The sound of a file, or of a stretch of it, read from any frame on as interleaved signed
// 16-bit frames: the one reader under everything that walks a clip's sound (peaks, the
// spectrogram, the analysis, the snap to a zero crossing, the deep zoom, ringtones). A clip
// file (8- or 16-bit PCM) is read straight from its PCM, anything else through the decoder.
// More channels than the reader takes (maxChannels; 0 takes all) are mixed down by the
// decoder. Either way only the part read is read: a stretch of a long song decodes the
// stretch, not the song.
//
// Not thread-safe: one thread reads a source at a time.
class FrameSource {
public:
    // Fails as readClipWavInfo or DecodeStream::open does, or as seek() does for a stretch
    // that starts past the first frame. Frames and positions from then on count within the
    // range, and its edge fades are applied as it is read.
    static Result<std::unique_ptr<FrameSource>> open(const QString& path, int maxChannels = 2);
    static Result<std::unique_ptr<FrameSource>> open(const ClipRange& range, int maxChannels = 2);
    // The parts, one after another, as one sound (a clip list read as it would be joined):
    // in the first part's channels and rate, a part of another format converted to them as it
    // is read. The length of a converted part is the converter's estimate, to within a frame or
    // two (exactLength() false). Fails as open() does for a part, or Empty for no parts.
    static Result<std::unique_ptr<FrameSource>> join(const std::vector<ClipRange>& parts,
                                                     int maxChannels = 2);
    ~FrameSource();
    FrameSource(const FrameSource&) = delete;
    FrameSource& operator=(const FrameSource&) = delete;

    int channels() const { return m_channels; }
    int sampleRateHz() const { return m_rateHz; }
    // The frames of the stretch in all: exact for a clip file and where the container knows
    // them, else the decoder's estimate (exactLength() false); -1 when unknown.
    std::int64_t frames() const;
    bool exactLength() const { return m_exact; }

    // The next read starts at `frame` of the stretch (clamped to 0), sample for sample where
    // a read from the start would be then (in a converted part of a joined source, within a
    // frame or two). Fails as DecodeStream::seek does.
    Status seek(std::int64_t frame);
    // From now on the stretch is `frames` frames (< 0: to the end) from `firstFrame` of the
    // range opened (a part of a clip: its fades stay where the clip has them), and the next
    // read starts at its first frame. The failures of seek().
    Status limit(std::int64_t firstFrame, std::int64_t frames);
    // Whether the sound is decoded or converted as it is read (not only clip files read from
    // their PCM).
    bool decodes() const { return m_decodes; }
    // Reads the next `frames` frames (fewer at the stretch's end) into held() and serves the
    // reads that follow from there: a short stretch read twice is decoded once. The failures
    // of read().
    Status hold(std::int64_t frames);
    // The frames held, interleaved; empty before hold().
    const std::vector<std::int16_t>& held() const { return m_held; }

    // Up to maxFrames frames into `samples` (room for maxFrames * channels()): the count,
    // 0 at the stretch's end. FileForm when a clip file ends before its header says; the
    // decoder's failures as it gives them.
    Result<std::int64_t> read(std::int16_t* samples, std::int64_t maxFrames);
    // Reads until `samples` holds `frames` frames or the stretch ends; the frames read.
    Result<std::int64_t> readFully(std::vector<std::int16_t>& samples, std::int64_t frames);
    // Hands the rest of the stretch to `take` in blocks of at most blockFrames frames, in
    // order; a block it refuses ends the reading with its status.
    Status readBlocks(const std::function<Status(const std::int16_t*, std::int64_t)>& take,
                      std::int64_t blockFrames = 1 << 16);
    // Reads the rest of the stretch once, handing every block to each analyzer, then finishes
    // them. Ended when `cancel` becomes true, or the read's failure; no analyzer is finished
    // then.
    Status feed(const std::vector<FrameAnalyzer*>& analyzers, const std::atomic<bool>& cancel,
                std::int64_t blockFrames = 1 << 16);

    // Frames read by every source of the program so far: how the tests see how often a clip
    // is read.
    static std::int64_t framesReadInAll();

private:
    // One file of a joined source, with its converter when its format is not the source's.
    struct Part {
        std::unique_ptr<FrameSource> source;
        std::unique_ptr<PcmConverter> converter;
        std::int64_t start = 0;  // its first frame in the joined sound
        std::int64_t frames = 0; // its frames at the joined sound's rate
        bool flushed = false;    // the converter has given out what it held back
    };

    FrameSource() = default;
    std::int64_t fileFrames() const;
    Status seekParts(std::int64_t frame);
    // Reads `part` from its `frame` (at the joined sound's rate) on.
    static Status startPart(Part& part, std::int64_t frame);
    Result<std::int64_t> readParts(std::int16_t* samples, std::int64_t maxFrames);
    // The range's edge fades on `frames` frames just read from the file's frame `at`.
    void fadeEdges(std::int16_t* samples, std::int64_t frames, std::int64_t at) const;

    std::unique_ptr<PcmReader> m_reader;
    std::unique_ptr<DecodeStream> m_stream;
    std::vector<Part> m_parts;
    std::size_t m_part = 0; // the part read now
    QByteArray m_converted; // frames a converter gave out and not yet handed on
    qsizetype m_convertedAt = 0;
    bool m_decodes = false;
    QString m_path;
    int m_channels = 0;
    int m_rateHz = 0;
    bool m_exact = false;
    std::int64_t m_clipFirst = 0;   // the range opened, in frames of the file
    std::int64_t m_clipFrames = -1; // < 0 to the file's end
    std::int64_t m_fade = 0;        // its edge fades
    bool m_eightBit = false;        // faded as the 8-bit samples they are
    std::int64_t m_first = 0;       // the stretch's first frame in the file
    std::int64_t m_length = -1;     // the stretch's frames; < 0 to the file's end
    std::int64_t m_position = 0;    // the next frame read, within the stretch
    std::vector<std::int16_t> m_block;
    std::vector<std::uint8_t> m_bytes;
    std::vector<std::int16_t> m_held;
    std::size_t m_heldAt = 0; // the next sample served from m_held
    bool m_holding = false;
};
