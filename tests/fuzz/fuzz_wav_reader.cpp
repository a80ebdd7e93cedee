// SPDX-License-Identifier: GPL-3.0-or-later
// readWavInfo on any bytes: it must not crash, and what it accepts must be safe to use.
#include "wav/wav_header.h"

#include <QBuffer>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const Result<WavInfo> info = readWavInfo(buffer);
    if (!info) {
        if (info.status().message().isEmpty())
            std::abort();
        return 0;
    }
    const WavFormat& f = info->format;
    const bool sane = f.channels >= 1 && f.channels <= WavFormat::MaxChannels &&
                      f.sampleRateHz >= 1 && f.sampleRateHz <= WavFormat::MaxSampleRateHz &&
                      f.blockAlign() > 0 && info->dataBytes % f.blockAlign() == 0 &&
                      info->dataOffset + info->dataBytes <= ByteCount(size);
    if (!sane)
        std::abort();
    return 0;
}
