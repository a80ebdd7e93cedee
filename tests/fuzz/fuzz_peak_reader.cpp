// SPDX-License-Identifier: GPL-3.0-or-later
// A peak file as any bytes, checked against the clip its own header names (so that the
// fuzzer gets past that check to the levels): reading must not crash or allocate more than
// the file holds, and peaks it accepts must be exactly what the file holds.
#include "waveform/peaks.h"

#include <QBuffer>

#include <cstdlib>
#include <cstring>

namespace {

template <typename T> T at(const std::uint8_t* data, std::size_t size, std::size_t offset) {
    T value{};
    if (offset + sizeof value <= size)
        std::memcpy(&value, data + offset, sizeof value);
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ClipStamp clip;
    clip.bytes = at<std::int64_t>(data, size, 8);
    clip.modifiedMs = at<std::int64_t>(data, size, 16);
    clip.format = {at<std::int32_t>(data, size, 24), at<std::int32_t>(data, size, 28),
                   at<std::int32_t>(data, size, 32)};
    clip.frames = at<std::int64_t>(data, size, 40);
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto read = peaks::read(buffer, clip, QStringLiteral("fuzzed.peaks"));
    if (!read) {
        if (read.status().message().isEmpty())
            std::abort();
        return 0;
    }
    const Peaks& peaks = **read;
    const std::size_t levels = (peaks.fine().data.size() + peaks.coarse().data.size()) * 2;
    if (!peaks.complete() || peaks.format() != clip.format || 48 + levels != size)
        std::abort();
    if (!peaks.fine().data.empty() &&
        std::memcmp(peaks.fine().data.data(), data + 48, peaks.fine().data.size() * 2) != 0)
        std::abort();
    return 0;
}
