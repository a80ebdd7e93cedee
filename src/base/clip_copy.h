// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QString>

#include <atomic>
#include <functional>

namespace clipfiles {

// Copies `source` byte for byte to `target` through a temporary file beside the target that
// is renamed over it only when the whole copy was written; a failure leaves the target as it
// was and no temporary file behind. Failures name the file: FileOpen (the source cannot be
// read) or Create (the target cannot be created or written, a full disk included).
// `progress` (may be empty) hears percents of the bytes copied; a set `cancel` stops the copy
// with Ended, the target as it was. `passed` (may be empty) sees every run of bytes in order
// once it is written, so a caller can learn what the file holds without reading it again;
// the pointer is valid only during the call.
using PassedFn = std::function<void(const char* bytes, qint64 count)>;
Status copyFile(const QString& source, const QString& target,
                const std::function<void(int percent)>& progress = {},
                const std::atomic<bool>* cancel = nullptr, const PassedFn& passed = {});

} // namespace clipfiles
