// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// Songs made to order from a seed, with the truth about them: where the beats, the bars and
// the choruses are. Each is an intro, verses, a chorus heard three times whose chords differ
// from the verse's, a bridge and an outro, over drums on the beat (kick on 1 and 3, snare on
// 2 and 4, hi-hat on the eighths), 70 to 170 BPM, three to four minutes long. Every fourth
// seed is slow (70-85 BPM) and every fourth fast (150-170 BPM), the tempos at which a beat
// tracker most often settles on double or half the tempo.
namespace songs {

struct Part {
    double start = 0;
    double end = 0;
    char kind = 'V'; // I(ntro), V(erse), C(horus), B(ridge), O(utro)
};

struct Song {
    int sampleRateHz = 0;
    std::vector<std::int16_t> samples; // mono
    double bpm = 0;
    std::vector<double> beats;
    std::vector<double> bars;
    std::vector<Part> parts;

    double durationS() const { return double(samples.size()) / sampleRateHz; }
    std::vector<Part> choruses() const;
};

Song make(std::uint32_t seed, int sampleRateHz = 22050);

// A click track: a short click on every beat at `bpm`, louder on the first of each bar, for
// `seconds`, starting at `firstBeatS`; the beats and bars as above.
Song clicks(double bpm, double seconds, double firstBeatS, int sampleRateHz = 22050);

} // namespace songs
