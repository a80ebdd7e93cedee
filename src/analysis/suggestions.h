// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysis/music_analysis.h"

#include <QString>

#include <array>
#include <vector>

// The ringtone windows worth hearing first: each of the wanted length, starting on a bar
// line, favouring the section that repeats most (the chorus), its first full occurrence, and
// a loudness near that of the song's loud part; each with a short reason for the user.
// A song where nothing repeats gets its loudest stretches that start on a bar; a sound without
// a grid its loudest stretches, saying why.
namespace analysis {

// The lengths the editor offers first, in seconds; any other from MinSuggestionLength to
// MaxSuggestionLength may be asked for. 29.9 s is the default: an iPhone takes a tone under
// 30 s from the share sheet.
constexpr std::array<double, 4> SuggestionLengths{20.0, 29.9, 30.0, 40.0};
constexpr double MinSuggestionLength = 5.0;
constexpr double MaxSuggestionLength = 60.0;
constexpr double DefaultSuggestionLength = 29.9;
constexpr int MaxSuggestions = 3;

struct Suggestion {
    double start = 0;
    double end = 0;
    QString reason; // "chorus, heard 3 times, starts at bar 33"
};

// At most MaxSuggestions windows, best first, no two sharing more than MaxSharedSeconds. On a
// grid each is the most whole bars that fit lengthS, so that a tone that repeats while the
// phone rings comes round in time. A sound no longer than lengthS gets one: all of it.
constexpr double MaxSharedSeconds = 2.0;
std::vector<Suggestion> suggest(const MusicAnalysis& analysis,
                                double lengthS = DefaultSuggestionLength);

} // namespace analysis
