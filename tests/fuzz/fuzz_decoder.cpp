// SPDX-License-Identifier: GPL-3.0-or-later
// The decoder on any file: opening and decoding to the end must not crash, and what it
// delivers must be whole frames of a format within the WAV limits.
#include "codec/decode_stream.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("input"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    auto opened = DecodeStream::open(path);
    if (!opened)
        return 0;
    DecodeStream& stream = **opened;
    const WavFormat format = stream.outputFormat();
    if (format.channels < 1 || format.channels > WavFormat::MaxChannels ||
        format.sampleRateHz < 1 || format.sampleRateHz > WavFormat::MaxSampleRateHz)
        std::abort();
    std::vector<char> block(20000);
    // Compressed input can expand a lot; a few MB of output tell all there is to tell.
    for (int i = 0; i < 256 && stream.isActive(); ++i) {
        const auto got = stream.getData(block.data(), ByteCount(block.size()));
        if (!got)
            break;
        if (*got % format.blockAlign() != 0)
            std::abort();
    }
    return 0;
}
