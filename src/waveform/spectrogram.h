// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "codec/frame_source.h"
#include "wav/clip_range.h"
#include "wav/clip_stamp.h"

#include <QImage>
#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QIODevice;

// How loud each frequency of a clip is over time: columns of FftSize frames (the channels
// mixed, a Hann window), one every hopFrames, each read on Rows bands spaced evenly on a
// logarithmic axis from MinHz to half the sample rate. A level is a byte: 0 at FloorDb or
// below, 255 at 0 dB (a full-scale sine).
struct Spectrogram {
    static constexpr int FftSize = 2048;
    static constexpr int Rows = 128;
    // Enough columns for a few pixels each on a wide screen; a long clip gets longer hops.
    static constexpr int MaxColumns = 16384;
    static constexpr int MinHopFrames = 512;
    static constexpr double MinHz = 30;
    static constexpr double FloorDb = -96;

    int sampleRateHz = 0;
    std::int64_t frames = 0;
    int hopFrames = MinHopFrames;
    int columns = 0;
    // Column by column, each from its lowest row up.
    std::vector<std::uint8_t> levels;

    std::uint8_t level(int column, int row) const {
        return levels[std::size_t(column) * Rows + std::size_t(row)];
    }
    // The middle frequency of a row, and the row a frequency falls in (clamped).
    double rowHz(int row) const;
    int rowOf(double hz) const;
    // The columns a clip of this many frames gets, and their hop.
    static int hopFor(std::int64_t frames);
};

namespace spectrogram {

// The spectrogram made as the sound goes by, block by block: what compute() runs on a file,
// and what a pass that makes every product of a clip in one read feeds. Columns past the
// frames added are left silent.
class Builder {
public:
    // For a sound of `frames` frames (which sets the columns and their hop). Format (naming
    // `path`) when the rate is too low for a spectrogram.
    static Result<std::unique_ptr<Builder>> create(int sampleRateHz, int channels,
                                                   std::int64_t frames, const QString& path);
    ~Builder();
    Builder(const Builder&) = delete;
    Builder& operator=(const Builder&) = delete;

    // The next frames, interleaved 16-bit, of the channels given at create().
    void add(const std::int16_t* samples, std::int64_t frames);
    // The spectrogram of everything added; call once.
    std::shared_ptr<Spectrogram> finish();

private:
    struct State;
    explicit Builder(std::unique_ptr<State> state);
    std::unique_ptr<State> m_state;
};

// Computes the spectrogram of an 8- or 16-bit PCM WAV file, reporting 0-100 to `progress`
// (may be empty). Stops with ErrorCode::Ended when `cancel` becomes true; the reader's
// failures otherwise. Any thread.
Result<std::shared_ptr<Spectrogram>> compute(const ClipRange& range,
                                             const std::atomic<bool>& cancel,
                                             const std::function<void(int)>& progress = {});

// The spectrogram file of a clip (sidefile, SideKind::Spectrogram): tied to the clip's
// ClipStamp; a damaged or stale file is refused before anything is allocated for it.
Status save(const ClipRange& range, const Spectrogram& spectrogram);
Result<std::shared_ptr<Spectrogram>> read(QIODevice& file, const ClipStamp& clip,
                                          const QString& path);
Result<std::shared_ptr<Spectrogram>> load(const ClipRange& range);
void remove(const ClipRange& range);
// The spectrogram made in a read of the clip shared with its other products, and kept in its
// file at the end when the clip is still as `stamp` says. Null when the clip's spectrogram
// file is still its own (or the clip's sound can't have one).
std::unique_ptr<FrameAnalyzer> sideProduct(const ClipRange& range, const ClipStamp& stamp);

// A level as a colour of the viridis map (dark violet for silence to yellow for loud).
QRgb colour(std::uint8_t level);
// The whole spectrogram as a picture, a pixel per column and row, the lowest row at the foot.
QImage picture(const Spectrogram& spectrogram);

} // namespace spectrogram
