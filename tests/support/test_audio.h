// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "wav/wav_header.h"

#include <QByteArray>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

// Audio test data made in code, so no sound file needs to be committed.
namespace testaudio {

// Interleaved samples of a sine of frequencyHz, amplitude 0.5 of full scale, in `format`
// (8-bit unsigned or 16-bit signed), `frames` frames long. Channel c is shifted by c * 90
// degrees so that swapped or dropped channels show up in comparisons.
QByteArray sinePcm(const WavFormat& format, std::int64_t frames, double frequencyHz = 440.0);

// `frames` frames of random bytes in `format`: sound in which every sample is told apart, so
// a sample moved, dropped or repeated shows up in a comparison. The same seed gives the
// same bytes.
QByteArray noisePcm(const WavFormat& format, std::int64_t frames, quint32 seed = 7);

// A canonical WAV file of sinePcm(); returns the path written.
QString writeSineWav(const QString& path, const WavFormat& format, std::int64_t frames,
                     double frequencyHz = 440.0);
// A canonical WAV file holding exactly `pcm`.
QString writeWav(const QString& path, const WavFormat& format, const QByteArray& pcm);

QByteArray readAll(const QString& path);
bool writeAll(const QString& path, const QByteArray& bytes);

// Runs a program found on PATH and waits for it (up to timeoutMs). Returns its exit code,
// or -1 when it could not be started or timed out. Output goes to `output` when given.
int run(const QString& program, const QStringList& arguments, QByteArray* output = nullptr,
        int timeoutMs = 120000);
bool haveProgram(const QString& program);

// How a WAV that is not canonical is written: the sample encoding, and what surrounds it.
struct WavLayout {
    enum class Samples { Int16, Int24, Int32, Float32 };
    Samples samples = Samples::Int16;
    bool extensible = false;
    bool listChunkFirst = false;
};
// The 16-bit stereo 44100 Hz `pcm16` written in `layout`: wider integers carry the same
// values in their top 16 bits and floats are value / 32768, so a decoder that gets it right
// gives `pcm16` back exactly.
QByteArray nonCanonicalWav(const QByteArray& pcm16, const WavLayout& layout);
// The frames of sound a file holds at its own rate: for an MP4 file what its edit list
// declares (the segment, in the track's samples), for any other file what the program's
// decoder gives back. -1 when the file cannot be read or an MP4 file has no edit list.
std::int64_t soundFrames(const QString& path);
// The decoded samples of a file, interleaved; its channel count in `channels`.
std::vector<std::int16_t> decodeAll(const QString& path, int* channels);

// Little-endian field of a byte image.
std::uint32_t le32(const QByteArray& bytes, int offset);
std::uint16_t le16(const QByteArray& bytes, int offset);

} // namespace testaudio

Q_DECLARE_METATYPE(testaudio::WavLayout)
