// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysis/beat_grid.h"
#include "analysis/pcm_source.h"
#include "base/status.h"
#include "wav/clip_range.h"

#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

// What the program knows of a song's music: its tempo, beats and bars, its sections and
// which of them repeats most (the chorus), and how loud it is from moment to moment. Times
// are seconds from the start of the sound.
namespace analysis {

// The short-term loudness (about 3 s) is kept every LoudnessStepS; silence reads as
// QuietLufs. It is measured on the sound mixed to one channel at the analysis rate: a
// measure for comparing moments of one song, close to but not exactly its EBU R128 figure.
constexpr double LoudnessStepS = 0.4;
constexpr float QuietLufs = -70.0f;
// Shorter sounds get no grid: the tempo tracker needs several seconds of beats.
constexpr double MinGridSeconds = 8.0;

struct Section {
    double start = 0;
    double end = 0;
    QString label; // "A", "B", ... in order of first appearance; the same label, the same music
};

struct MusicAnalysis {
    double durationS = 0;
    double tempoBpm = 0; // 0 without a grid; the longest stretch's tempo
    // The stretches of one tempo each, end to end over the grid (one for most songs).
    std::vector<TempoStretch> tempoStretches;
    std::vector<double> beats;     // every beat, ascending
    std::vector<double> bars;      // the downbeats (a subset of beats): where each bar starts
    std::vector<Section> sections; // cover the sound end to end, on bar lines
    QString chorusLabel;           // the label that repeats most; empty when none repeats
    std::vector<float> beatLufs;   // short-term loudness (EBU R128, 3 s) around each beat
    // Short-term loudness centred on i * LoudnessStepS, for i from 0 to the end.
    std::vector<float> loudness;
    // Why there is no grid ("the clip is silent", "too short to find a beat", "no steady
    // beat found"); empty when there is one. Kept in English, as the analysis file keeps it, and
    // shown through the "MusicAnalysis" catalogue.
    QString noGridReason;

    bool hasGrid() const { return bars.size() >= 2 && !beats.empty(); }
    // How many sections carry `label`.
    int occurrences(const QString& label) const;
    // The short-term loudness around time t (QuietLufs past the ends).
    float loudnessAt(double t) const;
    // The 1-based number of the bar that starts nearest to t (0 without bars).
    int barNumberAt(double t) const;
};

using ProgressFn = std::function<void(double fraction)>;

struct Streams;

// The analysis made as the sound goes by, block by block: what analyse() runs on a source,
// and what a pass that makes every product of a clip in one read feeds.
class Analyzer {
public:
    // Format when the sound cannot be analysed (a rate below 4 kHz, no channels).
    // expectedFrames (the header's length, or -1) only reserves room.
    static Result<std::unique_ptr<Analyzer>> create(int sampleRateHz, int channels,
                                                    std::int64_t expectedFrames);
    ~Analyzer();
    Analyzer(const Analyzer&) = delete;
    Analyzer& operator=(const Analyzer&) = delete;

    // The next frames of the sound, interleaved 16-bit, of the channels given at create().
    void add(const std::int16_t* samples, std::int64_t frames);
    std::int64_t framesRead() const;
    // The analysis of everything added; progress goes from 0.95 to 1.
    MusicAnalysis finish(const ProgressFn& progress = {});

private:
    explicit Analyzer(std::unique_ptr<Streams> streams);
    std::unique_ptr<Streams> m_s;
    std::vector<double> m_mono;
};

// Reads the source to its end once and analyses it. A sound too short, silent or without a
// steady beat gets no grid (noGridReason says why) but still its loudness. Fails with the
// source's read failure, or Ended when `cancel` became true.
Result<MusicAnalysis> analyse(PcmSource& source, const std::atomic<bool>* cancel = nullptr,
                              const ProgressFn& progress = {});
// analyse() of a file the decoder reads.
Result<MusicAnalysis> analyseFile(const ClipRange& path, const std::atomic<bool>* cancel = nullptr,
                                  const ProgressFn& progress = {});

} // namespace analysis
