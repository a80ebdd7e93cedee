// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "wav/clip_range.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace clipchange {

// Changes the samples of a clip through `change`, which rewrites the clip WAV it is given in
// place (a fade, a gain, a loudness change, Clean Up). A clip that is its whole WAV file is
// changed as it is. Any other (a kept MP3, a stretch of a file) is first written out as a
// 16-bit WAV of its sound beside `wavFile` (its WAV clip file), changed there, and renamed
// onto `wavFile` once the change has worked: its new sound is that WAV, and a failure leaves
// every file as it was. The clip's old file stays until the list has the WAV
// (EditHistory::afterReplace lets it go), so the list never names a file that is gone.
// Runs on a worker.
Status onWav(const ClipRange& clip, const QString& wavFile,
             const std::function<Status(const QString& wav)>& change);

// Writes the sound of `clip`, its fades applied, to `target` as a 16-bit WAV in the clip's
// rate and channels; `progress` hears the percent written. Fails as the reading or the
// writing does, leaving a part written.
Status writeStretch(const ClipRange& clip, const QString& target,
                    const std::function<void(int percent)>& progress = {});

} // namespace clipchange
