// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysis/music_analysis.h"

#include <vector>

namespace analysis {

struct Structure {
    std::vector<Section> sections;
    QString chorusLabel;
};

// The sections of a song from its chroma (frames of 12 bins one after another, one every
// chromaStepS, the first centred on firstCentreS) on its grid: qm-dsp's segmenter over the chroma
// of each beat gives the boundaries and the labels, moved to bar lines; the self-similarity of the
// bars' chroma tells which label comes back most as the same music (with the loudness
// breaking a tie).
Structure findStructure(const std::vector<float>& chroma, double chromaStepS, double firstCentreS,
                        const std::vector<double>& beats, const std::vector<double>& bars,
                        double durationS, const std::vector<float>& loudness);

} // namespace analysis
