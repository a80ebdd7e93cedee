// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QString>

namespace clipfiles {

// Copies `source` byte for byte to `target` through a temporary file beside the target that
// is renamed over it only when the whole copy was written; a failure leaves the target as it
// was and no temporary file behind. Failures name the file: FileOpen (the source cannot be
// read) or Create (the target cannot be created or written, a full disk included).
Status copyFile(const QString& source, const QString& target);

} // namespace clipfiles
