// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QString>

#include <cstdint>

namespace edgefade {

// Fades the first and the last `frames` frames of an 8- or 16-bit PCM WAV file in place
// (in and out, on the program's fade curve), so that a cut begins and ends without a click. A clip
// shorter than twice that is faded over half of it at each end. Fails with the reader's status,
// Format for other sample formats, or Create when the file cannot be written.
Status fadeEdges(const QString& wavPath, std::int64_t frames);

} // namespace edgefade
