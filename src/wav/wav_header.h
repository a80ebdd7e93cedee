// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QString>

#include <array>
#include <cstddef>
#include <cstdint>

class QIODevice;

// Byte counts are signed 64-bit so that differences, "unknown" (-1) and files past the
// 32-bit WAV limits can all be represented and checked before anything is written.
using ByteCount = std::int64_t;

// Sample layout of PCM data: interleaved frames of `channels` samples, each unsigned 8-bit
// or signed little-endian 16/24/32-bit integers (or 32/64-bit float where a reader says so).
struct WavFormat {
    // The widest formats a WAV file may have here. Anything past them is a damaged or
    // hostile header, and keeping within them keeps every product of the fields small.
    static constexpr int MaxSampleRateHz = 768000;
    static constexpr int MaxChannels = 32;

    int channels = 0;
    int sampleRateHz = 0;
    int bitsPerSample = 0;

    int blockAlign() const { return channels * bitsPerSample / 8; }
    std::int64_t bytesPerSecond() const { return std::int64_t(blockAlign()) * sampleRateHz; }
    bool operator==(const WavFormat&) const = default;
};

// The canonical 44-byte RIFF/WAVE header that starts every WAV file the program writes.
// Fields are kept in file order and width; bytes() and the three runs are little-endian.
struct WavHeader {
    static constexpr int Size = 44;
    static constexpr int RiffSizeOffset = 4;
    static constexpr int DataSizeOffset = 40;
    // Largest data size whose RIFF size (data + 36) still fits the 32-bit field.
    static constexpr ByteCount MaxDataBytes = 0xFFFFFFFFLL - 36;

    std::uint32_t riffTag = 0x46464952; // "RIFF"
    std::uint32_t riffSize = 0;         // data size + 36
    std::uint32_t waveTag = 0x45564157; // "WAVE"
    std::uint32_t fmtTag = 0x20746D66;  // "fmt "
    std::uint32_t fmtSize = 16;
    std::int16_t formatCode = 1; // PCM
    std::int16_t channels = 0;
    std::int32_t sampleRate = 0;
    std::int32_t bytesPerSecond = 0;
    std::int16_t blockAlign = 0;
    std::int16_t bitsPerSample = 0;
    std::uint32_t dataTag = 0x61746164; // "data"
    std::uint32_t dataSize = 0;

    // The recording writer's header: 44100 Hz, 2 channels, 16 bits, both sizes 0.
    static WavHeader forTake();
    // The decoder writer's header: the stream's channels and rate, 8 bits when the stream
    // delivers unsigned 8-bit samples, else 16; both sizes 0.
    static WavHeader forDecoder(int channels, int sampleRateHz, bool eightBit);
    static WavHeader forFormat(const WavFormat& format);

    WavFormat format() const { return {channels, sampleRate, bitsPerSample}; }
    // Sets data size and RIFF size (data + 36). The caller checks MaxDataBytes first.
    void setDataSize(ByteCount dataBytes);

    // The three runs in which writers emit the header: bytes 0-11, 12-35 and 36-43.
    std::array<char, 12> riffRun() const;
    std::array<char, 24> formatRun() const;
    std::array<char, 8> dataRun() const;
    std::array<char, Size> bytes() const;

    // Writes data size at offset 40 and data size + 36 at offset 4 of a header image.
    static void patchSizes(char* image, ByteCount dataBytes);
};

// What a RIFF/WAVE file holds, as found by walking its chunks.
struct WavInfo {
    enum class Encoding { Pcm, Float };
    WavFormat format;
    Encoding encoding = Encoding::Pcm;
    ByteCount dataOffset = 0; // where the sample data starts in the file
    ByteCount dataBytes = 0;  // sample bytes present in the file, whole frames only
    bool dataClamped = false; // the header claimed more data than the file holds
    // The file is exactly a 44-byte canonical header (PCM, 8 or 16 bits, consistent fields
    // and sizes) followed by its data and nothing else: it may be copied byte for byte.
    bool canonical = false;

    // The sound's length in whole milliseconds, rounded down, as a player reports it; 0 for
    // a format without a rate.
    std::int64_t durationMs() const {
        const std::int64_t perSecond = format.bytesPerSecond();
        return perSecond > 0 ? dataBytes * 1000 / perSecond : 0;
    }
};

// Parses a RIFF/WAVE file: fmt and data chunks anywhere, odd chunk padding,
// WAVE_FORMAT_EXTENSIBLE, integer PCM of 8-32 bits and 32/64-bit float. Nothing in the
// header is trusted for an allocation or a read: a data size past the end of the file is
// clamped (dataClamped tells). Fails with FileForm on a file that is not RIFF/WAVE, has no
// fmt or data chunk, an absurd chunk size, a sample rate outside 1 to MaxSampleRateHz, a
// channel count outside 1 to MaxChannels, or a block align that disagrees with channels and
// bits; with Format on samples other than 8/16/24/32-bit PCM or 32/64-bit float.
Result<WavInfo> readWavInfo(QIODevice& device);
Result<WavInfo> readWavInfo(const QString& path);
// readWavInfo() of a file that must hold 8- or 16-bit integer PCM, as clip files do; Format
// (a message naming the file) for any other samples.
Result<WavInfo> readClipWavInfo(const QString& path);
