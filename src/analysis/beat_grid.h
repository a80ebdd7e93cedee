// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

// The beat grid laid from what the beat tracker proposes: its beats are candidates, the onset
// function is the judge. The tracker's tempo is checked against its 2:1, 1:2, 3:2 and 2:3
// relatives (the accents decide which level is the beat); where the song keeps one tempo the
// grid is one straight line through the beats, its phase taken from the onset function; a
// song whose tempo changes gets a stretch of its own for each tempo.
namespace analysis {

struct TempoStretch {
    double start = 0; // seconds
    double end = 0;
    double bpm = 0;
};

struct BeatGrid {
    std::vector<double> beats; // in onset-function frames, ascending
    std::vector<TempoStretch> stretches;
    double tempoBpm = 0; // the longest stretch's
};

// How strongly the onset function `df` pulses on a grid of `period` frames over
// [from, to) frames at its best phase: the mean of its peaks on the grid against its mean
// there. `phase` receives that phase (frames from `from`).
double gridSalience(const std::vector<double>& df, double period, double from, double to,
                    double* phase = nullptr);

// The period (frames) of the metrical level the accents of [from, to) carry, among
// `period` and its relatives 2/3, 3/2, 1/2 and 2 that lie between 50 and 200 BPM (frames
// of `stepS` seconds): the tracker's own unless another is
// clearly stronger.
double metricalPeriod(const std::vector<double>& df, double stepS, double period, double from,
                      double to);

// The grid for the onset function `df` (one value every `stepS` seconds) and the beats the
// tracker found there (frames, ascending, at least two). `bass`, the onsets of the low band
// on the same frames (may be empty), settles whether the grid lies on the beats or halfway
// between them: a kick lands on the beat, while the accents that pull the broadband
// function off it (an open hi-hat, an off-beat chord) are high.
BeatGrid fitBeatGrid(const std::vector<double>& df, double stepS,
                     const std::vector<double>& trackerBeats, const std::vector<float>& bass = {});

} // namespace analysis
