// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QString>

#include <functional>

namespace clipchange {

// Changes the samples of a clip through `change`, which rewrites the clip WAV it is given in
// place (a crop, a fade, a gain, a loudness change, Clean Up). A clip kept as its compressed
// file is decoded into `wavFile` (its WAV clip file) first and changed there: its new sound
// is that WAV. When the change fails the WAV goes and the clip is as it was; once it has
// worked the compressed file stays until the list has the WAV (EditHistory::afterReplace
// lets it go), so the list never names a file that is gone. A WAV clip is changed as it is.
// Runs on a worker.
Status onWav(const QString& clipFile, const QString& wavFile,
             const std::function<Status(const QString& wav)>& change);

// The same for a change that reads the clip as it is and writes its new sound to `wavFile`
// itself (a crop of a kept MP3 decodes only the stretch it keeps): when `write` fails the WAV
// goes; the compressed file is left as onWav leaves it.
Status replacing(const QString& clipFile, const QString& wavFile,
                 const std::function<Status()>& write);

} // namespace clipchange
