// SPDX-License-Identifier: GPL-3.0-or-later
#include "song_generator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace songs {

namespace {

constexpr double Pi = 3.14159265358979323846;

// A small generator of our own, so that a seed makes the same song on every machine.
class Random {
public:
    explicit Random(std::uint32_t seed)
        : m_state(0x9E3779B97F4A7C15ULL ^ (seed * 0x100000001B3ULL)) {
        for (int i = 0; i < 4; ++i)
            next();
    }
    std::uint64_t next() {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 7;
        m_state ^= m_state << 17;
        return m_state;
    }
    double uniform() { return double(next() >> 11) / double(1ULL << 53); } // [0, 1)
    double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    int below(int n) { return int(next() % std::uint64_t(n)); }
    double noise() { return 2.0 * uniform() - 1.0; }

private:
    std::uint64_t m_state;
};

double midiHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

using Buffer = std::vector<float>;

// Adds a tone of a few partials, with an attack and an exponential decay, into `out` from
// sample `at` for `length` samples.
void addTone(Buffer& out, std::size_t at, std::size_t length, double hz, double amplitude,
             const std::vector<double>& partials, double decayPerS, int rate) {
    const double attack = 0.01 * rate;
    const double release = 0.03 * rate;
    for (std::size_t p = 0; p < partials.size(); ++p) {
        const double step = 2 * Pi * hz * double(p + 1) / rate;
        if (hz * double(p + 1) > 0.45 * rate)
            break;
        // A rotating phasor: one multiplication a sample instead of a sine.
        double re = 1, im = 0;
        const double cr = std::cos(step), ci = std::sin(step);
        for (std::size_t i = 0; i < length && at + i < out.size(); ++i) {
            double env = std::exp(-decayPerS * double(i) / rate);
            env *= std::min(1.0, double(i) / attack);
            env *= std::min(1.0, double(length - i) / release);
            out[at + i] += float(amplitude * partials[p] * env * im);
            const double nr = re * cr - im * ci;
            im = re * ci + im * cr;
            re = nr;
        }
    }
}

struct Style {
    std::array<int, 4> chords{};  // scale degrees, one a bar
    std::array<int, 16> melody{}; // two bars of eighths: scale steps, -1 a rest
    bool hasMelody = true;
    bool hasBass = true;
    double gain = 1;
    double brightness = 0.3;
};

constexpr std::array<int, 7> Major{0, 2, 4, 5, 7, 9, 11};

int scaleNote(int key, int degree, int octave) {
    const int octaves = degree >= 0 ? degree / 7 : (degree - 6) / 7;
    return 12 * (octave + octaves) + key + Major[std::size_t(degree - 7 * octaves)];
}

// One bar of a style's music (pad, bass, melody) without drums.
Buffer renderBar(const Style& style, int barInCycle, int key, double barS, int rate) {
    const std::size_t length = std::size_t(std::lround(barS * rate));
    Buffer out(length, 0.0f);
    const int degree = style.chords[std::size_t(barInCycle % 4)];
    for (int voice = 0; voice < 3; ++voice) {
        const int note = scaleNote(key, degree + 2 * voice, 5);
        addTone(out, 0, length, midiHz(note), 0.10 * style.gain, {1.0, style.brightness, 0.15}, 0.4,
                rate);
    }
    const double beatS = barS / 4;
    if (style.hasBass)
        for (int half = 0; half < 2; ++half)
            addTone(out, std::size_t(std::lround(half * 2 * beatS * rate)),
                    std::size_t(std::lround(2 * beatS * rate)), midiHz(scaleNote(key, degree, 3)),
                    0.22 * style.gain, {1.0, 0.5, 0.2}, 2.5, rate);
    if (style.hasMelody)
        for (int e = 0; e < 8; ++e) {
            const int step = style.melody[std::size_t((barInCycle % 2) * 8 + e)];
            if (step < 0)
                continue;
            addTone(out, std::size_t(std::lround(e * beatS / 2 * rate)),
                    std::size_t(std::lround(beatS / 2 * rate)),
                    midiHz(scaleNote(key, degree + step, 6)), 0.12 * style.gain, {1.0, 0.35, 0.1},
                    4.0, rate);
        }
    return out;
}

// One bar of drums: kick on 1 and 3, snare on 2 and 4 (when `full`), hi-hat on the eighths.
Buffer renderDrums(bool full, double barS, int rate, Random& random) {
    const std::size_t length = std::size_t(std::lround(barS * rate));
    Buffer out(length, 0.0f);
    const double beatS = barS / 4;
    for (int beat = 0; beat < 4; ++beat) {
        const std::size_t at = std::size_t(std::lround(beat * beatS * rate));
        if (beat % 2 == 0) {
            double phase = 0;
            for (std::size_t i = 0; i < std::size_t(0.15 * rate) && at + i < length; ++i) {
                const double t = double(i) / rate;
                phase += 2 * Pi * (45 + 70 * std::exp(-t * 30)) / rate;
                out[at + i] += float(0.55 * std::exp(-t * 18) * std::sin(phase));
            }
        } else if (full) {
            for (std::size_t i = 0; i < std::size_t(0.12 * rate) && at + i < length; ++i) {
                const double t = double(i) / rate;
                out[at + i] += float(0.30 * std::exp(-t * 28) * random.noise() +
                                     0.12 * std::exp(-t * 40) * std::sin(2 * Pi * 190 * t));
            }
        }
    }
    for (int eighth = 0; eighth < 8; ++eighth) {
        const std::size_t at = std::size_t(std::lround(eighth * beatS / 2 * rate));
        double last = 0;
        for (std::size_t i = 0; i < std::size_t(0.04 * rate) && at + i < length; ++i) {
            const double n = random.noise();
            out[at + i] += float(0.07 * std::exp(-double(i) / rate * 90) * (n - last));
            last = n;
        }
    }
    return out;
}

std::array<int, 16> motif(Random& random) {
    std::array<int, 16> notes{};
    for (int& n : notes)
        n = random.uniform() < 0.2 ? -1 : random.below(7) - 2;
    notes[0] = random.below(3) * 2;
    return notes;
}

} // namespace

std::vector<Part> Song::choruses() const {
    std::vector<Part> found;
    for (const Part& part : parts)
        if (part.kind == 'C')
            found.push_back(part);
    return found;
}

Song make(std::uint32_t seed, int rate) {
    Random random(seed);
    Song song;
    song.sampleRateHz = rate;
    switch (seed % 4) {
    case 0:
        song.bpm = random.uniform(70, 85);
        break;
    case 1:
        song.bpm = random.uniform(150, 170);
        break;
    default:
        song.bpm = random.uniform(85, 150);
    }
    const double beatS = 60.0 / song.bpm;
    const double barS = 4 * beatS;
    const int key = random.below(12);

    // The chords: the verse on the minor chords of the key, the chorus on its major ones.
    const std::array<std::array<int, 4>, 4> verses{
        {{5, 2, 3, 1}, {5, 1, 2, 5}, {1, 5, 2, 4}, {5, 5, 1, 2}}};
    const std::array<std::array<int, 4>, 4> choruses{
        {{0, 4, 3, 0}, {0, 3, 4, 4}, {3, 4, 0, 0}, {0, 0, 3, 4}}};
    const std::array<std::array<int, 4>, 3> bridges{{{3, 1, 4, 4}, {1, 4, 1, 4}, {3, 5, 3, 4}}};
    std::map<char, Style> styles;
    styles['V'] = {verses[std::size_t(random.below(4))], motif(random), true, true, 0.55, 0.25};
    styles['C'] = {choruses[std::size_t(random.below(4))], motif(random), true, true, 1.0, 0.5};
    styles['B'] = {bridges[std::size_t(random.below(3))], motif(random), true, true, 0.7, 0.35};
    styles['I'] = {styles['V'].chords, {}, false, true, 0.4, 0.2};
    styles['O'] = {{0, 0, 3, 0}, {}, false, false, 0.35, 0.2};

    const double target = random.uniform(185, 235);
    const int unit = std::max(2, int(std::lround(target / (14 * barS))));
    const int verseBars = 2 * unit + (random.uniform() < 0.3 ? 2 : 0);
    const std::vector<std::pair<char, int>> plan{
        {'I', unit},     {'V', verseBars}, {'C', 2 * unit}, {'V', verseBars},
        {'C', 2 * unit}, {'B', 2 * unit},  {'C', 2 * unit}, {'O', unit}};

    std::map<std::pair<char, int>, Buffer> bars;
    for (const auto& [kind, count] : plan)
        for (int b = 0; b < 4; ++b)
            if (!bars.count({kind, b}))
                bars[{kind, b}] = renderBar(styles[kind], b, key, barS, rate);
    const Buffer fullDrums = renderDrums(true, barS, rate, random);
    const Buffer lightDrums = renderDrums(false, barS, rate, random);

    int totalBars = 0;
    for (const auto& part : plan)
        totalBars += part.second;
    const double firstBeat = random.uniform(0.2, 0.8);
    const std::size_t total = std::size_t((firstBeat + totalBars * barS + 1.0) * rate);
    Buffer mix(total, 0.0f);
    int bar = 0;
    for (const auto& [kind, count] : plan) {
        song.parts.push_back({firstBeat + bar * barS, firstBeat + (bar + count) * barS, kind});
        for (int b = 0; b < count; ++b, ++bar) {
            const double start = firstBeat + bar * barS;
            song.bars.push_back(start);
            for (int k = 0; k < 4; ++k)
                song.beats.push_back(start + k * beatS);
            const std::size_t at = std::size_t(std::lround(start * rate));
            const Buffer& music = bars[{kind, b % 4}];
            const Buffer& drums = kind == 'I' || kind == 'O' ? lightDrums : fullDrums;
            const double drumGain = kind == 'C' ? 1.0 : 0.8;
            // Each bar a little different: its level varies by up to half a decibel.
            const double gain = std::pow(10.0, random.uniform(-0.5, 0.5) / 20);
            for (std::size_t i = 0; i < music.size() && at + i < total; ++i)
                mix[at + i] += float(gain * (music[i] + drumGain * drums[i]));
        }
    }
    float peak = 0;
    for (float& v : mix) {
        v += float(0.002 * random.noise());
        peak = std::max(peak, std::abs(v));
    }
    song.samples.resize(total);
    const double scale = peak > 0 ? 0.9 * 32767 / peak : 0;
    for (std::size_t i = 0; i < total; ++i)
        song.samples[i] = std::int16_t(std::lround(mix[i] * scale));
    return song;
}

Song clicks(double bpm, double seconds, double firstBeatS, int rate) {
    Song song;
    song.sampleRateHz = rate;
    song.bpm = bpm;
    song.samples.assign(std::size_t(seconds * rate), 0);
    const double beatS = 60.0 / bpm;
    int index = 0;
    for (double t = firstBeatS; t < seconds - 0.05; t += beatS, ++index) {
        song.beats.push_back(t);
        const bool downbeat = index % 4 == 0;
        if (downbeat)
            song.bars.push_back(t);
        const std::size_t at = std::size_t(std::lround(t * rate));
        for (std::size_t i = 0; i < std::size_t(0.02 * rate) && at + i < song.samples.size(); ++i) {
            const double env = std::exp(-double(i) / rate * 200);
            song.samples[at + i] = std::int16_t(
                std::lround((downbeat ? 28000 : 16000) * env *
                            std::sin(2 * Pi * (downbeat ? 1500 : 1000) * double(i) / rate)));
        }
    }
    return song;
}

} // namespace songs
