// SPDX-License-Identifier: GPL-3.0-or-later
#include "wav/wav_header.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstring>

namespace {

void putLe(char* at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        at[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint32_t getLe(const char* at, int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= std::uint32_t(static_cast<unsigned char>(at[i])) << (8 * i);
    return value;
}

constexpr std::uint16_t FormatPcm = 1;
constexpr std::uint16_t FormatFloat = 3;
constexpr std::uint16_t FormatExtensible = 0xFFFE;
// A fmt chunk is 16, 18 or 40 bytes in practice; anything far larger is a damaged file.
constexpr std::uint32_t MaxFmtChunk = 1024;

Status formError(const QString& what) {
    return {ErrorCode::FileForm,
            QCoreApplication::translate("Wav", "Not a usable WAV file: %1.").arg(what)};
}

} // namespace

WavHeader WavHeader::forFormat(const WavFormat& format) {
    WavHeader h;
    h.channels = static_cast<std::int16_t>(format.channels);
    h.sampleRate = format.sampleRateHz;
    h.bitsPerSample = static_cast<std::int16_t>(format.bitsPerSample);
    h.blockAlign = static_cast<std::int16_t>(format.blockAlign());
    h.bytesPerSecond = static_cast<std::int32_t>(format.bytesPerSecond());
    return h;
}

WavHeader WavHeader::forTake() {
    WavHeader h;
    h.channels = 2;
    h.sampleRate = 44100;
    h.bitsPerSample = 16;
    h.blockAlign = 32 / 8;
    h.bytesPerSecond = h.blockAlign * h.sampleRate;
    return h;
}

WavHeader WavHeader::forDecoder(int channels, int sampleRateHz, bool eightBit) {
    WavHeader h;
    h.channels = static_cast<std::int16_t>(channels);
    h.sampleRate = sampleRateHz;
    h.bitsPerSample = eightBit ? 8 : 16;
    h.blockAlign = static_cast<std::int16_t>(double(h.channels) * h.bitsPerSample / 8.0);
    h.bytesPerSecond = static_cast<std::int32_t>(std::int64_t(h.blockAlign) * h.sampleRate);
    return h;
}

void WavHeader::setDataSize(ByteCount dataBytes) {
    dataSize = static_cast<std::uint32_t>(dataBytes);
    riffSize = static_cast<std::uint32_t>(dataBytes + 36);
}

std::array<char, 12> WavHeader::riffRun() const {
    std::array<char, 12> run{};
    putLe(run.data(), riffTag, 4);
    putLe(run.data() + 4, riffSize, 4);
    putLe(run.data() + 8, waveTag, 4);
    return run;
}

std::array<char, 24> WavHeader::formatRun() const {
    std::array<char, 24> run{};
    putLe(run.data(), fmtTag, 4);
    putLe(run.data() + 4, fmtSize, 4);
    putLe(run.data() + 8, std::uint16_t(formatCode), 2);
    putLe(run.data() + 10, std::uint16_t(channels), 2);
    putLe(run.data() + 12, std::uint32_t(sampleRate), 4);
    putLe(run.data() + 16, std::uint32_t(bytesPerSecond), 4);
    putLe(run.data() + 20, std::uint16_t(blockAlign), 2);
    putLe(run.data() + 22, std::uint16_t(bitsPerSample), 2);
    return run;
}

std::array<char, 8> WavHeader::dataRun() const {
    std::array<char, 8> run{};
    putLe(run.data(), dataTag, 4);
    putLe(run.data() + 4, dataSize, 4);
    return run;
}

std::array<char, WavHeader::Size> WavHeader::bytes() const {
    std::array<char, Size> all{};
    const auto a = riffRun();
    const auto b = formatRun();
    const auto c = dataRun();
    std::memcpy(all.data(), a.data(), a.size());
    std::memcpy(all.data() + 12, b.data(), b.size());
    std::memcpy(all.data() + 36, c.data(), c.size());
    return all;
}

void WavHeader::patchSizes(char* image, ByteCount dataBytes) {
    putLe(image + RiffSizeOffset, static_cast<std::uint32_t>(dataBytes + 36), 4);
    putLe(image + DataSizeOffset, static_cast<std::uint32_t>(dataBytes), 4);
}

Result<WavInfo> readWavInfo(QIODevice& device) {
    const ByteCount fileSize = device.size();
    if (!device.seek(0))
        return formError(QCoreApplication::translate("Wav", "it cannot be read"));
    char riff[12];
    if (device.read(riff, 12) != 12 || std::memcmp(riff, "RIFF", 4) != 0 ||
        std::memcmp(riff + 8, "WAVE", 4) != 0)
        return formError(QCoreApplication::translate("Wav", "no RIFF/WAVE header"));
    const std::uint32_t riffSize = getLe(riff + 4, 4);

    WavInfo info;
    bool haveFmt = false;
    bool haveData = false;
    ByteCount fmtOffset = -1;
    std::uint32_t fmtSize = 0;
    std::uint16_t formatCode = 0;
    std::uint32_t claimedData = 0;
    int blockAlign = 0;
    std::uint32_t storedBytesPerSecond = 0;
    std::uint32_t sampleRate = 0;

    ByteCount pos = 12;
    while (pos + 8 <= fileSize && !(haveFmt && haveData)) {
        char chunk[8];
        if (!device.seek(pos) || device.read(chunk, 8) != 8)
            break;
        const std::uint32_t size = getLe(chunk + 4, 4);
        const ByteCount body = pos + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (size < 16 || size > MaxFmtChunk)
                return formError(
                    QCoreApplication::translate("Wav", "fmt chunk of %1 bytes").arg(size));
            char fmt[MaxFmtChunk];
            if (device.read(fmt, size) != qint64(size))
                return formError(QCoreApplication::translate("Wav", "the fmt chunk is cut short"));
            formatCode = std::uint16_t(getLe(fmt, 2));
            info.format.channels = int(getLe(fmt + 2, 2));
            sampleRate = getLe(fmt + 4, 4);
            storedBytesPerSecond = getLe(fmt + 8, 4);
            blockAlign = int(getLe(fmt + 12, 2));
            info.format.bitsPerSample = int(getLe(fmt + 14, 2));
            if (formatCode == FormatExtensible) {
                if (size < 40)
                    return formError(
                        QCoreApplication::translate("Wav", "extensible fmt chunk of %1 bytes")
                            .arg(size));
                formatCode = std::uint16_t(getLe(fmt + 24, 2)); // the sub-format GUID's first word
            }
            fmtOffset = pos;
            fmtSize = size;
            haveFmt = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            info.dataOffset = body;
            claimedData = size;
            haveData = true;
        }
        // Chunks are padded to an even length.
        pos = body + ByteCount(size) + (size & 1);
    }
    if (!haveFmt)
        return formError(QCoreApplication::translate("Wav", "no fmt chunk"));
    if (!haveData)
        return formError(QCoreApplication::translate("Wav", "no data chunk"));
    if (info.format.channels < 1 || info.format.channels > WavFormat::MaxChannels)
        return formError(
            QCoreApplication::translate("Wav", "%1 channels, where 1 to %2 can be read")
                .arg(info.format.channels)
                .arg(WavFormat::MaxChannels));
    if (sampleRate < 1 || sampleRate > std::uint32_t(WavFormat::MaxSampleRateHz))
        return formError(QCoreApplication::translate(
                             "Wav", "a sample rate of %1 Hz, where 1 to %2 Hz can be read")
                             .arg(sampleRate)
                             .arg(WavFormat::MaxSampleRateHz));
    info.format.sampleRateHz = int(sampleRate);
    if (blockAlign == 0)
        return formError(QCoreApplication::translate("Wav", "zero block align"));

    const int bits = info.format.bitsPerSample;
    if (formatCode == FormatPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32))
        info.encoding = WavInfo::Encoding::Pcm;
    else if (formatCode == FormatFloat && (bits == 32 || bits == 64))
        info.encoding = WavInfo::Encoding::Float;
    else
        return Status{
            ErrorCode::Format,
            QCoreApplication::translate("Wav", "Unsupported WAV sample format (code %1, %2 bits).")
                .arg(formatCode)
                .arg(bits)};
    if (blockAlign != info.format.blockAlign())
        return formError(
            QCoreApplication::translate("Wav", "block align %1 does not match the format")
                .arg(blockAlign));

    const ByteCount available = std::max<ByteCount>(0, fileSize - info.dataOffset);
    ByteCount data = claimedData;
    if (data > available) {
        data = available;
        info.dataClamped = true;
    }
    info.dataBytes = data - data % blockAlign;

    info.canonical = fmtOffset == 12 && fmtSize == 16 && info.dataOffset == WavHeader::Size &&
                     info.encoding == WavInfo::Encoding::Pcm && (bits == 8 || bits == 16) &&
                     !info.dataClamped &&
                     claimedData == std::uint32_t(fileSize - WavHeader::Size) &&
                     riffSize == claimedData + 36 && info.dataBytes == ByteCount(claimedData) &&
                     storedBytesPerSecond == std::uint32_t(info.format.bytesPerSecond());
    return info;
}

Result<WavInfo> readWavInfo(const QString& path) {
    QFileInfo fi(path);
    if (!fi.exists())
        return Status{ErrorCode::FileOpen,
                      QCoreApplication::translate("Wav", "%1: no such file.").arg(path)};
    if (!fi.isFile())
        return Status{ErrorCode::NotFile,
                      QCoreApplication::translate("Wav", "%1: not a file.").arg(path)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status{ErrorCode::FileOpen, QStringLiteral("%1: %2.").arg(path, file.errorString())};
    auto info = readWavInfo(file);
    if (!info)
        return Status{info.status().code(),
                      QStringLiteral("%1: %2").arg(path, info.status().message())};
    return info;
}

Result<WavInfo> readClipWavInfo(const QString& path) {
    Result<WavInfo> info = readWavInfo(path);
    if (!info)
        return info;
    const int bits = info->format.bitsPerSample;
    if (info->encoding != WavInfo::Encoding::Pcm || (bits != 8 && bits != 16))
        return Status{ErrorCode::Format,
                      QCoreApplication::translate(
                          "Wav", "%1: only 8- and 16-bit sound can be worked on here.")
                          .arg(path)};
    return info;
}
