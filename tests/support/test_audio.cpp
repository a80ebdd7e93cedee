// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_audio.h"

#include "codec/decode_stream.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <QtEndian>

#include <cmath>
#include <cstring>
#include <numbers>

namespace testaudio {

QByteArray sinePcm(const WavFormat& format, std::int64_t frames, double frequencyHz) {
    const int bytesPerSample = format.bitsPerSample / 8;
    QByteArray pcm(qsizetype(frames * format.blockAlign()), Qt::Uninitialized);
    char* out = pcm.data();
    for (std::int64_t f = 0; f < frames; ++f) {
        for (int c = 0; c < format.channels; ++c) {
            const double phase =
                2.0 * std::numbers::pi * frequencyHz * double(f) / format.sampleRateHz +
                c * std::numbers::pi / 2.0;
            const double v = 0.5 * std::sin(phase);
            if (bytesPerSample == 1) {
                *out++ = char(std::lround(128.0 + v * 127.0));
            } else {
                const auto s = std::int16_t(std::lround(v * 32767.0));
                *out++ = char(s & 0xFF);
                *out++ = char((s >> 8) & 0xFF);
            }
        }
    }
    return pcm;
}

QByteArray noisePcm(const WavFormat& format, std::int64_t frames, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray pcm(qsizetype(frames * format.blockAlign()), Qt::Uninitialized);
    for (char& byte : pcm)
        byte = char(random.bounded(256));
    return pcm;
}

QString writeWav(const QString& path, const WavFormat& format, const QByteArray& pcm) {
    WavHeader header = WavHeader::forFormat(format);
    header.setDataSize(pcm.size());
    const auto bytes = header.bytes();
    QByteArray all(bytes.data(), WavHeader::Size);
    all += pcm;
    writeAll(path, all);
    return path;
}

QString writeSineWav(const QString& path, const WavFormat& format, std::int64_t frames,
                     double frequencyHz) {
    return writeWav(path, format, sinePcm(format, frames, frequencyHz));
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

int run(const QString& program, const QStringList& arguments, QByteArray* output, int timeoutMs) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    if (!p.waitForStarted(10000))
        return -1;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return -1;
    }
    if (output)
        *output = p.readAll();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

bool haveProgram(const QString& program) {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

namespace {

// The edit list and the timescales of an MP4 file's first track, walking its boxes.
struct Mp4Times {
    std::int64_t segment = -1;
    std::int64_t movieScale = -1;
    std::int64_t mediaScale = -1;
};

void walkMp4(const QByteArray& file, qsizetype at, qsizetype end, Mp4Times& times) {
    const auto be32 = [&](qsizetype o) {
        return qFromBigEndian<quint32>(reinterpret_cast<const uchar*>(file.constData() + o));
    };
    const auto be64 = [&](qsizetype o) {
        return qFromBigEndian<quint64>(reinterpret_cast<const uchar*>(file.constData() + o));
    };
    while (at + 8 <= end) {
        qsizetype size = be32(at);
        const QByteArray type = file.mid(at + 4, 4);
        if (size < 8 || at + size > end)
            return;
        const qsizetype body = at + 8;
        const bool v1 = file.at(body) == 1;
        if (type == "moov" || type == "trak" || type == "edts" || type == "mdia")
            walkMp4(file, body, at + size, times);
        else if (type == "mvhd")
            times.movieScale = be32(body + (v1 ? 20 : 12));
        else if (type == "mdhd" && times.mediaScale < 0)
            times.mediaScale = be32(body + (v1 ? 20 : 12));
        else if (type == "elst" && times.segment < 0 && be32(body + 4) > 0)
            times.segment = v1 ? std::int64_t(be64(body + 8)) : be32(body + 8);
        at += size;
    }
}

} // namespace

std::int64_t soundFrames(const QString& path) {
    if (path.endsWith(".m4r") || path.endsWith(".m4a")) {
        const QByteArray file = readAll(path);
        Mp4Times times;
        walkMp4(file, 0, file.size(), times);
        if (times.segment < 0 || times.movieScale <= 0 || times.mediaScale <= 0)
            return -1;
        return times.segment * times.mediaScale / times.movieScale;
    }
    int channels = 0;
    const std::vector<std::int16_t> samples = decodeAll(path, &channels);
    return channels > 0 ? std::int64_t(samples.size()) / channels : -1;
}

std::vector<std::int16_t> decodeAll(const QString& path, int* channels) {
    *channels = 0;
    auto opened = DecodeStream::open(path);
    if (!opened || (*opened)->isEightBit())
        return {};
    std::vector<std::int16_t> samples;
    std::vector<std::int16_t> block(1 << 15);
    while ((*opened)->isActive()) {
        const auto got = (*opened)->getData(block.data(), ByteCount(block.size() * 2));
        if (!got)
            return {};
        samples.insert(samples.end(), block.begin(), block.begin() + *got / 2);
    }
    *channels = (*opened)->channels();
    return samples;
}

std::uint32_t le32(const QByteArray& b, int o) {
    return std::uint32_t(std::uint8_t(b[o])) | std::uint32_t(std::uint8_t(b[o + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[o + 2])) << 16 |
           std::uint32_t(std::uint8_t(b[o + 3])) << 24;
}

std::uint16_t le16(const QByteArray& b, int o) {
    return std::uint16_t(std::uint8_t(b[o]) | std::uint8_t(b[o + 1]) << 8);
}

namespace {

void putLe16(QByteArray& bytes, int value) {
    bytes.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
}

void putLe32(QByteArray& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

} // namespace

QByteArray nonCanonicalWav(const QByteArray& pcm16, const WavLayout& layout) {
    using Samples = WavLayout::Samples;
    const int bits = layout.samples == Samples::Int16   ? 16
                     : layout.samples == Samples::Int24 ? 24
                                                        : 32;
    QByteArray data;
    for (int i = 0; i + 1 < pcm16.size(); i += 2) {
        const auto sample = std::int16_t(le16(pcm16, i));
        if (layout.samples == Samples::Float32) {
            const float value = float(sample) / 32768.0f;
            std::uint32_t word = 0;
            std::memcpy(&word, &value, 4);
            putLe32(data, word);
        } else {
            for (int pad = 16; pad < bits; pad += 8)
                data.append('\0');
            putLe16(data, sample);
        }
    }
    const int channels = 2;
    const int blockAlign = channels * bits / 8;
    const int formatCode = layout.samples == Samples::Float32 ? 3 : 1;

    QByteArray fmt;
    putLe16(fmt, layout.extensible ? 0xFFFE : formatCode);
    putLe16(fmt, channels);
    putLe32(fmt, 44100);
    putLe32(fmt, std::uint32_t(44100 * blockAlign));
    putLe16(fmt, blockAlign);
    putLe16(fmt, bits);
    if (layout.extensible) {
        putLe16(fmt, 22);
        putLe16(fmt, bits);
        putLe32(fmt, 3); // front left, front right
        putLe16(fmt, formatCode);
        fmt.append("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    }

    QByteArray body("WAVE");
    if (layout.listChunkFirst) {
        const QByteArray info("INFOISFT\x06\x00\x00\x00tests\x00", 18);
        body += "LIST";
        putLe32(body, info.size());
        body += info;
    }
    body += "fmt ";
    putLe32(body, fmt.size());
    body += fmt;
    body += "data";
    putLe32(body, data.size());
    body += data;

    QByteArray file("RIFF");
    putLe32(file, body.size());
    return file + body;
}

} // namespace testaudio
