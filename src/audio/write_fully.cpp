// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/write_fully.h"

#include <QIODevice>

bool writeFully(QIODevice& device, const void* data, qint64 size) {
    const char* next = static_cast<const char*>(data);
    while (size > 0) {
        const qint64 written = device.write(next, size);
        if (written <= 0)
            return false;
        next += written;
        size -= written;
    }
    return true;
}
