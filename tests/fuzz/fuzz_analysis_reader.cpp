// SPDX-License-Identifier: GPL-3.0-or-later
// An analysis file as any bytes, read for a clip of ten seconds with the stamp the seed
// carries: reading must not crash or take more than the file holds, and an analysis it
// accepts must fit the clip.
#include "analysis/analysis_file.h"

#include <QBuffer>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ClipStamp clip;
    clip.bytes = 160044;
    clip.modifiedMs = 1700000000000;
    clip.format = {1, 8000, 16};
    clip.frames = 80000;
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto read = analysis::read(buffer, clip, QStringLiteral("fuzzed.analysis.json"));
    if (!read) {
        if (read.status().message().isEmpty())
            std::abort();
        return 0;
    }
    if (!analysis::fitsClip(*read, 10.0) || read->beats.size() > 101 ||
        read->sections.front().start != 0)
        std::abort();
    return 0;
}
