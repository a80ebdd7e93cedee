// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysis/music_analysis.h"
#include "analysis/suggestions.h"
#include "base/status.h"
#include "wav/clip_range.h"
#include "wav/clip_stamp.h"

#include <QIODevice>
#include <QJsonObject>
#include <QString>

#include <memory>
#include <vector>

// The analysis of a clip kept beside it in the work folder, like its peaks: a JSON file
// (sidefile, SideKind::Analysis) tied to the clip's ClipStamp, so that a clip that changed is
// analysed anew, and a damaged file is never believed.
namespace analysis {

// Writes `analysis` for the clip `range` (sidefile::write).
Status save(const ClipRange& range, const MusicAnalysis& analysis);
// The analysis kept for the clip `range`. Fails (and the caller analyses the clip anew) when there
// is no file, it is not a plain file (sidefile::load), it is damaged or too big, it was made from
// another version of the clip, or it does not fit it.
Result<MusicAnalysis> load(const ClipRange& range);
// The analysis an analysis file holds, read from `file` (`path` names it in messages), when it
// was made from `clip` and fits it (fitsClip).
Result<MusicAnalysis> read(QIODevice& file, const ClipStamp& clip, const QString& path);
// Whether every value of `a` can describe a clip of clipSeconds: the same length, beats and
// bars rising inside it (no more than one beat in 0.1 s, every bar on a beat), sections that
// follow one another from its start to its end, a chorus among them. FileForm says what does
// not fit.
Status fitsClip(const MusicAnalysis& a, double clipSeconds);
// Removes the analysis file of the clip `range`; through a link nothing is removed.
void remove(const ClipRange& range);

// What `tunecarver-cli analyse --json` prints: tempo_bpm, beats, bars, sections (start, end,
// label) and suggestions (start, end, reason), times in seconds to the millisecond.
QJsonObject toJson(const MusicAnalysis& analysis, const std::vector<Suggestion>& suggestions);

} // namespace analysis
