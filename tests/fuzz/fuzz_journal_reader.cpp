// SPDX-License-Identifier: GPL-3.0-or-later
// The clip list's journal as any bytes: reading must not crash, and the names read must come
// back the same after writing them and reading again (names that UTF-8 cannot hold, such as
// a lone half of a surrogate pair, are no file's name and are left out of that check).
#include "cliplist/journal_names.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const journal::Names read = journal::read(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    for (const QString& name : read.names)
        if (QString::fromUtf8(name.toUtf8()) != name)
            return 0;
    const journal::Names back = journal::read(journal::bytes(read.names));
    if (!back.whole || back.names != read.names)
        std::abort();
    return 0;
}
