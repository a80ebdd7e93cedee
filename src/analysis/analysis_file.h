// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysis/music_analysis.h"
#include "analysis/suggestions.h"
#include "base/status.h"

#include <QJsonObject>
#include <QString>

#include <memory>
#include <vector>

// The analysis of a clip kept beside it in the work folder, like its peaks: a JSON file in
// the folder "analysis" beside the clip, tied to the clip file's size and modification time,
// so that a clip that changed is analysed anew, and a damaged file is never believed.
namespace analysis {

// The clip file's name + ".analysis.json" in the folder "analysis" beside the clip.
QString analysisFilePath(const QString& clipPath);

// Writes `analysis` for clipPath through a temporary file renamed over an older one.
Status save(const QString& clipPath, const MusicAnalysis& analysis);
// The analysis kept for clipPath. Fails (and the caller analyses the clip anew) when there is
// no file, it is damaged, or the clip file's size or modification time is not the one it was
// made from.
Result<MusicAnalysis> load(const QString& clipPath);

// What `tunecarver-cli analyse --json` prints: tempo_bpm, beats, bars, sections (start, end,
// label) and suggestions (start, end, reason), times in seconds to the millisecond.
QJsonObject toJson(const MusicAnalysis& analysis, const std::vector<Suggestion>& suggestions);

} // namespace analysis
