// SPDX-License-Identifier: GPL-3.0-or-later
// A spectrogram file as any bytes, checked against the clip its own header names (so that
// the fuzzer gets past that check to the levels): reading must not crash or allocate more
// than the file holds, and a spectrogram it accepts must be exactly what the file holds.
#include "waveform/spectrogram.h"

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

constexpr std::size_t HeaderBytes = 64;

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
    const auto read = spectrogram::read(buffer, clip, QStringLiteral("fuzzed.spectrum"));
    if (!read) {
        if (read.status().message().isEmpty())
            std::abort();
        return 0;
    }
    const Spectrogram& s = **read;
    if (s.frames != clip.frames || HeaderBytes + s.levels.size() != size ||
        s.levels.size() != std::size_t(s.columns) * Spectrogram::Rows ||
        (!s.levels.empty() && std::memcmp(s.levels.data(), data + HeaderBytes, s.levels.size())))
        std::abort();
    return 0;
}
