// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/music_analysis.h"

#include "analysis/beat_grid.h"
#include "analysis/sections.h"
#include "codec/frame_source.h"
#include "codec/loudness_meter.h"

#include <qm-dsp/dsp/chromagram/Chromagram.h>
#include <qm-dsp/dsp/onsets/DetectionFunction.h>
#include <qm-dsp/dsp/tempotracking/DownBeat.h>
#include <qm-dsp/dsp/tempotracking/TempoTrackV2.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>

#include <QCoreApplication>

namespace analysis {

int MusicAnalysis::occurrences(const QString& label) const {
    return int(std::count_if(sections.begin(), sections.end(),
                             [&](const Section& s) { return s.label == label; }));
}

float MusicAnalysis::loudnessAt(double t) const {
    const long i = std::lround(t / LoudnessStepS);
    if (loudness.empty() || i < 0 || i >= long(loudness.size()))
        return QuietLufs;
    return loudness[std::size_t(i)];
}

int MusicAnalysis::barNumberAt(double t) const {
    if (bars.empty())
        return 0;
    const auto after = std::lower_bound(bars.begin(), bars.end(), t);
    std::size_t i = std::size_t(after - bars.begin());
    if (i == bars.size() || (i > 0 && t - bars[i - 1] < bars[i] - t))
        --i;
    return int(i) + 1;
}

namespace {

// The beat tracker's settings, as Queen Mary's bar and beat tracker sets them: a complex
// spectral difference every 11.61 ms over twice that, and the downbeat finder on the sound
// decimated to about 2.7 kHz.
constexpr double DfStepSeconds = 0.01161;
constexpr int BeatsPerBar = 4;
// The downbeat finder keeps the sound it is given: it is given the first five minutes, which
// set where the bars fall (it finds one phase for all of them); past them the bars go on
// every BeatsPerBar beats. So a long recording costs no more memory than a song.
constexpr double DownBeatSeconds = 300.0;
// The chroma's band: five octaves from A2, twelve bins to the octave, a frame every 93 ms at
// about 11 kHz.
constexpr double ChromaLowHz = 110.0;
constexpr double ChromaHighHz = 3520.0;
constexpr int ChromaBins = 12;
constexpr double ChromaHopSeconds = 0.093;
// The low band whose onsets tell the beat from the off-beat: the kick drum's, below about
// 150 Hz (the sound decimated to about 340 Hz).
constexpr double BassRateHz = 340.0;

int powerOfTwoAtMost(double value, int highest) {
    int p = 1;
    while (p * 2 <= value && p * 2 <= highest)
        p *= 2;
    return p;
}

// Blocks of samples of any length to a rate `factor` times lower: a windowed-sinc low-pass
// of 6 taps per step, computed only at the samples kept (a few multiplications per input
// sample, several times cheaper than qm-dsp's Decimator, whose IIR filter runs at the
// input rate).
class Decimation {
public:
    explicit Decimation(int factor) : m_factor(std::size_t(std::max(1, factor))) {
        if (m_factor == 1)
            return;
        const std::size_t taps = 6 * m_factor + 1;
        const double cutoff = 0.45 / double(m_factor); // of the input rate
        const double middle = double(taps - 1) / 2;
        double sum = 0;
        for (std::size_t i = 0; i < taps; ++i) {
            const double x = double(i) - middle;
            const double sinc = x == 0 ? 2 * cutoff : std::sin(2 * Pi * cutoff * x) / (Pi * x);
            const double window = 0.42 - 0.5 * std::cos(2 * Pi * double(i) / double(taps - 1)) +
                                  0.08 * std::cos(4 * Pi * double(i) / double(taps - 1));
            m_taps.push_back(sinc * window);
            sum += m_taps.back();
        }
        for (double& t : m_taps)
            t /= sum;
        m_in.assign(taps - 1, 0.0);
    }
    template <typename Sink> void push(const double* samples, std::size_t count, Sink&& sink) {
        if (m_factor == 1) {
            sink(samples, count);
            return;
        }
        m_in.insert(m_in.end(), samples, samples + count);
        const std::size_t taps = m_taps.size();
        const std::size_t outputs = m_in.size() >= taps ? (m_in.size() - taps) / m_factor + 1 : 0;
        // Each output's sum in a register, over the taps in order.
        m_out.resize(outputs);
        for (std::size_t i = 0; i < outputs; ++i) {
            const double* from = m_in.data() + i * m_factor;
            double sum = 0.0;
            for (std::size_t k = 0; k < taps; ++k)
                sum += from[k] * m_taps[k];
            m_out[i] = sum;
        }
        const std::size_t at = outputs * m_factor;
        m_in.erase(m_in.begin(), m_in.begin() + std::ptrdiff_t(at));
        if (!m_out.empty())
            sink(m_out.data(), m_out.size());
    }

private:
    static constexpr double Pi = 3.14159265358979323846;
    std::size_t m_factor;
    std::vector<double> m_taps;
    std::vector<double> m_in; // the samples not yet passed, the filter's history first
    std::vector<double> m_out;
};

// Frames of `length` samples every `hop` samples (overlapping or not), from a stream of any
// blocks.
class Framer {
public:
    Framer(int length, int hop) : m_length(std::size_t(length)), m_hop(std::size_t(hop)) {}
    template <typename Sink> void push(const double* samples, std::size_t count, Sink&& sink) {
        // Samples still to be skipped before the next frame starts (a hop longer than a frame).
        const std::size_t skipped = std::min(m_skip, count);
        m_skip -= skipped;
        m_buffer.insert(m_buffer.end(), samples + skipped, samples + count);
        std::size_t at = 0;
        while (at + m_length <= m_buffer.size()) {
            sink(m_buffer.data() + at);
            at += m_hop;
        }
        if (at > m_buffer.size()) {
            m_skip += at - m_buffer.size();
            at = m_buffer.size();
        }
        m_buffer.erase(m_buffer.begin(), m_buffer.begin() + std::ptrdiff_t(at));
    }

private:
    std::size_t m_length;
    std::size_t m_hop;
    std::size_t m_skip = 0;
    std::vector<double> m_buffer;
};

} // namespace

// Everything the analysis keeps while the sound goes by.
struct Streams {
    int rate = 0;
    int channels = 0;
    int decimation = 1; // source rate to the beat tracker's
    double internalRate = 0;
    int dfStep = 0;
    int dfFrame = 0;
    int downBeatFactor = 1;
    int chromaDecimation = 1; // beat tracker's rate to the chroma's
    double chromaRate = 0;
    int bassDecimation = 1; // beat tracker's rate to the low band's
    int chromaFrame = 0;
    int chromaHop = 0;

    std::unique_ptr<LoudnessMeter> meter;
    std::unique_ptr<DetectionFunction> df;
    std::unique_ptr<DownBeat> downBeat;
    std::unique_ptr<Chromagram> chromagram;
    std::unique_ptr<Decimation> toInternal;
    std::unique_ptr<Decimation> toChroma;
    std::unique_ptr<Decimation> toBass;
    std::unique_ptr<Framer> dfFramer;
    std::unique_ptr<Framer> chromaFramer;
    std::vector<float> downBeatBlock;
    std::int64_t downBeatBlocksLeft = 0; // the downbeat finder hears no more than this

    std::vector<double> dfValues;
    std::vector<float> bassEnergy; // the low band's summed squares in each onset-function step
    std::int64_t bassSamples = 0;
    std::vector<float> chroma;     // a frame of ChromaBins every chromaHop
    std::vector<double> blockLufs; // momentary loudness ending at (i + 1) * step
    std::int64_t framesToNextStep = 0;
    std::int64_t loudnessStepFrames = 0;
    std::int64_t framesRead = 0;
    double sumSquares = 0;
};

namespace {

void setUp(Streams& s) {
    s.decimation = powerOfTwoAtMost(s.rate / 11025.0 + 0.01, 16);
    s.internalRate = double(s.rate) / s.decimation;
    s.downBeatFactor = powerOfTwoAtMost(s.internalRate / 2700.0, 64);
    s.dfStep = std::max(s.downBeatFactor,
                        int(std::lround(s.internalRate * DfStepSeconds / s.downBeatFactor)) *
                            s.downBeatFactor);
    s.dfFrame = 2 * s.dfStep;
    s.chromaDecimation = powerOfTwoAtMost(s.internalRate / 11025.0 + 0.01, 16);
    s.chromaRate = s.internalRate / s.chromaDecimation;

    DFConfig config{};
    config.stepSize = unsigned(s.dfStep);
    config.frameLength = unsigned(s.dfFrame);
    config.DFType = DF_COMPLEXSD;
    config.dbRise = 3;
    config.adaptiveWhitening = false;
    config.whiteningRelaxCoeff = -1;
    config.whiteningFloor = -1;
    s.df = std::make_unique<DetectionFunction>(config);
    s.downBeat = std::make_unique<DownBeat>(float(s.internalRate), std::size_t(s.downBeatFactor),
                                            std::size_t(s.dfStep));
    s.downBeat->setBeatsPerBar(BeatsPerBar);
    s.downBeatBlock.reserve(std::size_t(s.dfStep));
    s.downBeatBlocksLeft = std::int64_t(DownBeatSeconds * s.internalRate / s.dfStep);

    ChromaConfig chroma{};
    chroma.FS = unsigned(std::lround(s.chromaRate));
    chroma.min = ChromaLowHz;
    chroma.max = std::min(ChromaHighHz, s.chromaRate / 2.2);
    chroma.BPO = ChromaBins;
    chroma.CQThresh = 0.0054;
    chroma.normalise = MathUtilities::NormaliseNone;
    s.chromagram = std::make_unique<Chromagram>(chroma);
    s.chromaFrame = int(s.chromagram->getFrameSize());
    s.chromaHop = std::max(1, int(std::lround(s.chromaRate * ChromaHopSeconds)));

    s.toInternal = std::make_unique<Decimation>(s.decimation);
    s.toChroma = std::make_unique<Decimation>(s.chromaDecimation);
    s.bassDecimation = powerOfTwoAtMost(s.internalRate / BassRateHz, 64);
    s.toBass = std::make_unique<Decimation>(s.bassDecimation);
    s.dfFramer = std::make_unique<Framer>(s.dfFrame, s.dfStep);
    s.chromaFramer = std::make_unique<Framer>(s.chromaFrame, s.chromaHop);
    s.loudnessStepFrames = std::max<std::int64_t>(1, std::llround(s.internalRate * LoudnessStepS));
    s.framesToNextStep = s.loudnessStepFrames;
}

void feedLoudness(Streams& s, const double* samples, std::int64_t frames) {
    while (frames > 0) {
        const std::int64_t n = std::min(frames, s.framesToNextStep);
        s.meter->add(samples, n);
        samples += n;
        frames -= n;
        s.framesToNextStep -= n;
        if (s.framesToNextStep == 0) {
            s.blockLufs.push_back(s.meter->momentaryLufs());
            s.framesToNextStep = s.loudnessStepFrames;
        }
    }
}

void feedInternal(Streams& s, const double* samples, std::size_t count) {
    feedLoudness(s, samples, std::int64_t(count));
    s.dfFramer->push(samples, count, [&](const double* frame) {
        s.dfValues.push_back(s.df->processTimeDomain(frame));
    });
    for (std::size_t i = 0; i < count && s.downBeatBlocksLeft > 0; ++i) {
        s.downBeatBlock.push_back(float(samples[i]));
        if (s.downBeatBlock.size() == std::size_t(s.dfStep)) {
            s.downBeat->pushAudioBlock(s.downBeatBlock.data());
            s.downBeatBlock.clear();
            --s.downBeatBlocksLeft;
        }
    }
    s.toBass->push(samples, count, [&](const double* low, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i, ++s.bassSamples) {
            const auto step = std::size_t(s.bassSamples * s.bassDecimation / s.dfStep);
            if (step >= s.bassEnergy.size())
                s.bassEnergy.resize(step + 1, 0.0f);
            s.bassEnergy[step] += float(low[i] * low[i]);
        }
    });
    s.toChroma->push(samples, count, [&](const double* low, std::size_t n) {
        s.chromaFramer->push(low, n, [&](const double* frame) {
            const double* bins = s.chromagram->process(frame);
            s.chroma.insert(s.chroma.end(), bins, bins + ChromaBins);
        });
    });
}

// The short-term loudness around each step: the mean energy of the momentary blocks (one
// every step, each of the step before it) over ShortTermBlocks centred on the step.
constexpr int ShortTermBlocks = 8;

std::vector<float> shortTermLoudness(const std::vector<double>& blockLufs, double durationS) {
    const std::size_t steps = std::size_t(durationS / LoudnessStepS) + 1;
    std::vector<double> energy;
    for (double lufs : blockLufs)
        energy.push_back(std::isfinite(lufs) ? std::pow(10.0, (lufs + 0.691) / 10.0) : 0.0);
    std::vector<float> result(steps, QuietLufs);
    for (std::size_t i = 0; i < steps; ++i) {
        double sum = 0;
        int count = 0;
        for (long b = long(i) - ShortTermBlocks / 2 + 1; b <= long(i) + ShortTermBlocks / 2; ++b)
            if (b >= 0 && b < long(energy.size())) {
                sum += energy[std::size_t(b)];
                ++count;
            }
        if (count > 0 && sum > 0)
            result[i] = std::max(QuietLufs, float(-0.691 + 10.0 * std::log10(sum / count)));
    }
    return result;
}

// How strongly the detection function pulses at the beats found: its autocorrelation at
// the beat period against that at lag 0, after its mean is taken away.
double pulseClarity(const std::vector<double>& df, double periodFrames) {
    if (df.size() < 16 || periodFrames < 2)
        return 0;
    const double mean = std::accumulate(df.begin(), df.end(), 0.0) / double(df.size());
    std::vector<double> centred(df.size());
    for (std::size_t i = 0; i < df.size(); ++i)
        centred[i] = df[i] - mean;
    double zero = 0;
    for (double v : centred)
        zero += v * v;
    if (zero <= 0)
        return 0;
    double best = 0;
    // The period is fractional: the nearest whole lags, and a frame either side.
    const long lag = std::lround(periodFrames);
    for (long l = std::max(1L, lag - 1); l <= lag + 1; ++l) {
        double sum = 0;
        for (std::size_t i = std::size_t(l); i < centred.size(); ++i)
            sum += centred[i] * centred[i - std::size_t(l)];
        best = std::max(best, sum / zero * double(centred.size()) / double(centred.size() - l));
    }
    return best;
}

// Where a beat sounds against the start of the detection function's frame that finds it
// (measured on generated songs: the onset is seen once it is inside the frame).
constexpr double BeatLatencyS = 0.0;

// How far the detection function stands out at the beats: its mean peak near each beat
// against its median. Drums and plucked notes make sharp peaks; the slow beating of a held
// chord or the murmur of a crowd does not.
double beatContrast(const std::vector<double>& df, const std::vector<double>& beatFrames) {
    if (df.empty() || beatFrames.empty())
        return 0;
    std::vector<double> sorted = df;
    std::nth_element(sorted.begin(), sorted.begin() + std::ptrdiff_t(sorted.size() / 2),
                     sorted.end());
    const double median = sorted[sorted.size() / 2];
    double sum = 0;
    for (double b : beatFrames) {
        const long at = std::lround(b);
        double peak = 0;
        for (long i = std::max(0L, at - 2); i <= at + 2 && i < long(df.size()); ++i)
            peak = std::max(peak, df[std::size_t(i)]);
        sum += peak;
    }
    const double mean = sum / double(beatFrames.size());
    return median > 0 ? mean / median : (mean > 0 ? 1e9 : 0);
}

// A pulse weaker than these is no beat to build a grid on. Measured on generated sounds
// (clarity, contrast): songs with drums 0.86-0.91 and 9-42, the same under pink noise that
// covers much of them 0.35-0.45 and 1.6-1.7; speech 0.006 and 3.1, noise 0.008 and 1.1,
// held chords that swell 0.47 and 1.4.
constexpr double MinPulseClarity = 0.12;
constexpr double MinBeatContrast = 1.5;
// A soft pulse (strings, a band without drums) stands out less at each beat but comes round
// just as steadily: orchestral game music measures 0.55-0.88 and 1.24-1.49.
constexpr double MinSoftPulseClarity = 0.52;
constexpr double MinSoftBeatContrast = 1.2;

struct Grid {
    std::vector<double> beats;
    std::vector<double> bars;
    std::vector<TempoStretch> stretches;
    double tempoBpm = 0;
    QString missing;
};

// The low band's onsets on the onset function's frames: the rise of its level from one step
// to the next. An onset heard in a frame's second half, as the broadband function sees it,
// is the rise into the step after the frame's first.
std::vector<float> bassOnsets(const std::vector<float>& energy, std::size_t frames) {
    std::vector<float> onsets(frames, 0.0f);
    for (std::size_t i = 0; i < frames && i + 1 < energy.size(); ++i)
        onsets[i] = std::max(0.0f, std::sqrt(energy[i + 1]) - std::sqrt(energy[i]));
    return onsets;
}

// The tracker holds several times the onset function while it works: a long recording is
// tracked in pieces of ten minutes that overlap by half a minute, so that its memory stays
// that of a song. Each seam takes the earlier piece's beats up to the middle of the
// overlap and the later one's from there.
constexpr double TrackPieceSeconds = 600.0;
constexpr double TrackOverlapSeconds = 30.0;

std::vector<double> trackBeats(const std::vector<double>& df, double internalRate, int dfStep) {
    const double stepS = dfStep / internalRate;
    const auto piece = std::size_t(TrackPieceSeconds / stepS);
    const auto overlap = std::size_t(TrackOverlapSeconds / stepS);
    std::vector<double> beats;
    std::size_t lastTo = 0;
    for (std::size_t from = 0;; from += piece - overlap) {
        // The last piece is a whole one, reaching back into the one before.
        if (from + piece > df.size())
            from = df.size() > piece ? df.size() - piece : 0;
        const std::size_t to = std::min(df.size(), from + piece);
        std::vector<double> part(df.begin() + std::ptrdiff_t(from),
                                 df.begin() + std::ptrdiff_t(to));
        std::vector<double> period(part.size(), 0.0), tempi, found;
        TempoTrackV2 tracker{float(internalRate), std::size_t(dfStep)};
        tracker.calculateBeatPeriod(part, period, tempi, 120.0, false);
        tracker.calculateBeats(part, period, found);
        const double middle = 0.5 * double(from + std::max(from, lastTo));
        std::erase_if(beats, [&](double b) { return b >= middle; });
        for (double b : found)
            if (double(from) + b >= middle)
                beats.push_back(double(from) + b);
        if (to == df.size())
            break;
        lastTo = to;
    }
    return beats;
}

Grid findGrid(Streams& s, double durationS) {
    Grid grid;
    std::vector<double> df = std::move(s.dfValues);
    while (!df.empty() && df.back() <= 0)
        df.pop_back();
    const double stepS = s.dfStep / s.internalRate;
    // TempoTrackV2 reads the function in windows of 512 steps: it needs more than one.
    if (durationS < MinGridSeconds || df.size() < 640) {
        grid.missing =
            QStringLiteral(QT_TRANSLATE_NOOP("MusicAnalysis", "too short to find a beat"));
        return grid;
    }
    std::vector<double> beatFrames = trackBeats(df, s.internalRate, s.dfStep);
    if (beatFrames.size() < std::size_t(2 * BeatsPerBar)) {
        grid.missing = QStringLiteral(QT_TRANSLATE_NOOP("MusicAnalysis", "no steady beat found"));
        return grid;
    }
    std::vector<double> intervals;
    for (std::size_t i = 1; i < beatFrames.size(); ++i)
        intervals.push_back(beatFrames[i] - beatFrames[i - 1]);
    std::nth_element(intervals.begin(), intervals.begin() + std::ptrdiff_t(intervals.size() / 2),
                     intervals.end());
    const double period = intervals[intervals.size() / 2];
    const double clarity = pulseClarity(df, period);
    const double contrast = beatContrast(df, beatFrames);
    const bool sharpPulse = clarity >= MinPulseClarity && contrast >= MinBeatContrast;
    const bool softPulse = clarity >= MinSoftPulseClarity && contrast >= MinSoftBeatContrast;
    if (!sharpPulse && !softPulse) {
        grid.missing = QStringLiteral(QT_TRANSLATE_NOOP("MusicAnalysis", "no steady beat found"));
        return grid;
    }
    BeatGrid laid = fitBeatGrid(df, stepS, beatFrames, bassOnsets(s.bassEnergy, df.size()));
    beatFrames = std::move(laid.beats);
    grid.stretches = std::move(laid.stretches);

    // The downbeat finder measures each beat in a frame of its own of about 1.3 s; a longer
    // gap between two beats would run past that frame, so such a track keeps every fourth
    // beat from the first.
    bool gapsFit = true;
    for (std::size_t i = 1; i < beatFrames.size(); ++i)
        gapsFit = gapsFit && (beatFrames[i] - beatFrames[i - 1]) * stepS < 1.3;
    std::size_t audioLength = 0;
    const float* audio = s.downBeat->getBufferedAudio(audioLength);
    std::vector<int> downbeats;
    // The beats whose frame lies wholly within the sound kept.
    std::vector<double> heard;
    const double heardFrames = double(audioLength) * s.downBeatFactor / s.dfStep;
    for (std::size_t i = 0; i + 1 < beatFrames.size() && beatFrames[i + 1] < heardFrames; ++i)
        heard.push_back(beatFrames[i]);
    if (gapsFit && audio && heard.size() >= std::size_t(2 * BeatsPerBar))
        s.downBeat->findDownBeats(audio, audioLength, heard, downbeats);
    if (!downbeats.empty())
        for (std::size_t next = std::size_t(downbeats.back()) + BeatsPerBar;
             next < beatFrames.size(); next += BeatsPerBar)
            downbeats.push_back(int(next));

    for (double frame : beatFrames)
        grid.beats.push_back(std::max(0.0, frame * stepS + BeatLatencyS));
    for (int index : downbeats)
        if (index >= 0 && std::size_t(index) < grid.beats.size())
            grid.bars.push_back(grid.beats[std::size_t(index)]);
    if (grid.bars.size() < 2) {
        // The downbeat finder found no phase: every fourth beat from the first.
        grid.bars.clear();
        for (std::size_t i = 0; i < grid.beats.size(); i += BeatsPerBar)
            grid.bars.push_back(grid.beats[i]);
    }
    grid.tempoBpm = laid.tempoBpm;
    return grid;
}

} // namespace

Result<std::unique_ptr<Analyzer>> Analyzer::create(int sampleRateHz, int channels,
                                                   std::int64_t expectedFrames) {
    auto s = std::make_unique<Streams>();
    s->rate = sampleRateHz;
    s->channels = channels;
    if (s->rate < 4000 || s->channels < 1)
        return Status{
            ErrorCode::Format,
            QCoreApplication::translate("MusicAnalysis", "The sound's format cannot be analysed.")};
    setUp(*s);
    Result<std::unique_ptr<LoudnessMeter>> meter = LoudnessMeter::create(
        1, int(std::lround(s->internalRate)), LoudnessMeter::Momentary | LoudnessMeter::Loudness);
    if (!meter)
        return meter.status();
    s->meter = std::move(*meter);
    // The whole-song features are reserved at the length the header gives (no more than four
    // hours' worth: a header is not to be trusted), so that they don't grow by doubling.
    if (expectedFrames > 0) {
        const double seconds = std::min(4 * 3600.0, double(expectedFrames) / s->rate);
        const auto steps = std::size_t(seconds * s->internalRate / s->dfStep) + 2;
        s->dfValues.reserve(steps);
        s->bassEnergy.reserve(steps);
        s->chroma.reserve(std::size_t(seconds * s->chromaRate / s->chromaHop + 2) * ChromaBins);
    }
    return std::unique_ptr<Analyzer>(new Analyzer(std::move(s)));
}

Analyzer::Analyzer(std::unique_ptr<Streams> streams) : m_s(std::move(streams)) {}

Analyzer::~Analyzer() = default;

std::int64_t Analyzer::framesRead() const {
    return m_s->framesRead;
}

void Analyzer::add(const std::int16_t* samples, std::int64_t frames) {
    Streams& s = *m_s;
    if (frames <= 0)
        return;
    m_mono.resize(std::size_t(frames));
    const double scale = 1.0 / (32768.0 * s.channels);
    for (std::int64_t f = 0; f < frames; ++f) {
        int sum = 0;
        for (int c = 0; c < s.channels; ++c)
            sum += samples[f * s.channels + c];
        m_mono[std::size_t(f)] = sum * scale;
        s.sumSquares += m_mono[std::size_t(f)] * m_mono[std::size_t(f)];
    }
    s.toInternal->push(m_mono.data(), std::size_t(frames),
                       [&](const double* mono, std::size_t n) { feedInternal(s, mono, n); });
    s.framesRead += frames;
}

MusicAnalysis Analyzer::finish(const ProgressFn& progress) {
    Streams& s = *m_s;
    MusicAnalysis result;
    result.durationS = double(s.framesRead) / s.rate;
    result.loudness = shortTermLoudness(s.blockLufs, result.durationS);
    const double integrated = s.meter->integratedLufs();
    Grid grid;
    if (!std::isfinite(integrated) || integrated < -60 || s.sumSquares <= 0)
        grid.missing = QStringLiteral(QT_TRANSLATE_NOOP("MusicAnalysis", "the clip is silent"));
    else
        grid = findGrid(s, result.durationS);
    result.noGridReason = grid.missing;
    result.beats = std::move(grid.beats);
    result.bars = std::move(grid.bars);
    result.tempoBpm = result.beats.empty() ? 0 : grid.tempoBpm;
    if (!result.beats.empty())
        result.tempoStretches = std::move(grid.stretches);
    for (double beat : result.beats)
        result.beatLufs.push_back(result.loudnessAt(beat));

    if (result.hasGrid()) {
        const double chromaStep = s.chromaHop / s.chromaRate;
        const double chromaCentre = 0.5 * s.chromaFrame / s.chromaRate;
        Structure structure = findStructure(s.chroma, chromaStep, chromaCentre, result.beats,
                                            result.bars, result.durationS, result.loudness);
        result.sections = std::move(structure.sections);
        result.chorusLabel = structure.chorusLabel;
    } else {
        result.sections.push_back({0, result.durationS, QStringLiteral("A")});
    }
    if (progress)
        progress(1.0);
    return result;
}

namespace {

// The analyzer as one of the frame analyzers: what analyse() hands to a thread of its own.
class Feed : public FrameAnalyzer {
public:
    explicit Feed(Analyzer& analyzer) : m_analyzer(analyzer) {}
    void add(const std::int16_t* samples, std::int64_t frames) override {
        m_analyzer.add(samples, frames);
    }
    void finish() override {}

private:
    Analyzer& m_analyzer;
};

} // namespace

Result<MusicAnalysis> analyse(PcmSource& source, const std::atomic<bool>* cancel,
                              const ProgressFn& progress) {
    const std::int64_t expected = source.frames();
    Result<std::unique_ptr<Analyzer>> analyzer =
        Analyzer::create(source.sampleRateHz(), source.channels(), expected);
    if (!analyzer)
        return analyzer.status();
    constexpr std::int64_t BlockFrames = 8192;
    // The sound is read (decoded, as a rule) on this thread and analysed on another, a few
    // blocks behind: on a machine of two cores or more the decode costs no time of its own.
    std::vector<std::unique_ptr<FrameAnalyzer>> feed;
    feed.push_back(std::make_unique<Feed>(**analyzer));
    AnalyzerThread beside(std::move(feed), source.channels(),
                          8 * BlockFrames * source.channels() * std::int64_t(sizeof(std::int16_t)),
                          AnalyzerThread::Full::Wait);
    std::vector<std::int16_t> block(std::size_t(BlockFrames * source.channels()));
    std::int64_t read = 0;
    for (;;) {
        if (cancel && cancel->load(std::memory_order_relaxed))
            return Status{ErrorCode::Ended,
                          QCoreApplication::translate("MusicAnalysis", "Cancelled.")};
        const Result<std::int64_t> got = source.read(block.data(), BlockFrames);
        if (!got)
            return got.status();
        if (*got == 0)
            break;
        beside.add(block.data(), *got);
        read += *got;
        if (progress && expected > 0)
            progress(std::min(0.95, 0.95 * double(read) / double(expected)));
    }
    beside.finish();
    return (*analyzer)->finish(progress);
}

Result<MusicAnalysis> analyseFile(const ClipRange& path, const std::atomic<bool>* cancel,
                                  const ProgressFn& progress) {
    Result<std::unique_ptr<PcmSource>> source = openSoundFile(path);
    if (!source)
        return source.status();
    return analyse(**source, cancel, progress);
}

} // namespace analysis
