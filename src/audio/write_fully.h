// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QIODevice;

// Writes all `size` bytes, looping over partial writes. A write that meets a full disk first
// reports the part that fit and only the next one fails and sets the device's reason, so a
// single write() would miss that reason. Returns false on the first failed write.
bool writeFully(QIODevice& device, const void* data, qint64 size);
