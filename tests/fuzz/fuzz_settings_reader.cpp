// SPDX-License-Identifier: GPL-3.0-or-later
// "config.ini" as any bytes: reading must not crash, and a base folder read from it must come
// back whole after writing and reading again (a folder that holds a double quote cannot be
// quoted and is left out of that check).
#include "base/settings.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Settings read = Settings::fromBytes(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    Settings written;
    written.setBaseFolder(read.baseFolder());
    const Settings back = Settings::fromBytes(written.toBytes());
    if (!read.baseFolder().contains(u'"') && back.baseFolder() != read.baseFolder())
        std::abort();
    return 0;
}
