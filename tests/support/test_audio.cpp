// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_audio.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <cmath>
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

std::uint32_t le32(const QByteArray& b, int o) {
    return std::uint32_t(std::uint8_t(b[o])) | std::uint32_t(std::uint8_t(b[o + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[o + 2])) << 16 |
           std::uint32_t(std::uint8_t(b[o + 3])) << 24;
}

std::uint16_t le16(const QByteArray& b, int o) {
    return std::uint16_t(std::uint8_t(b[o]) | std::uint8_t(b[o + 1]) << 8);
}

} // namespace testaudio
