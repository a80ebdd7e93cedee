// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/encoding.h"

#include "audio/mp3_encoder.h"
#include "cli/cli_support.h"
#include "convert/wav_decoder.h"

#include <QFileInfo>

namespace cli {

std::optional<int> parseBitRate(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && (value == 56 || value == 96 || value == 128 || value == 256))
        return value;
    return std::nullopt;
}

std::optional<int> targetBitRate(const QString& command, const QString& output,
                                 const std::optional<QString>& bitRateText) {
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (suffix == QLatin1String("wav")) {
        if (!bitRateText)
            return 0;
        usage(command, QStringLiteral("--bitrate is for MP3 output"));
        return std::nullopt;
    }
    if (suffix != QLatin1String("mp3")) {
        usage(command, QStringLiteral("OUT must end in .wav or .mp3"));
        return std::nullopt;
    }
    const auto bitRate = parseBitRate(bitRateText.value_or(QStringLiteral("128")));
    if (!bitRate)
        usage(command, QStringLiteral("--bitrate must be 56, 96, 128 or 256"));
    return bitRate;
}

int encodeToMp3(const QString& input, const QString& output, int bitRate) {
    Mp3Encoder encoder;
    encoder.setBitRate(bitRate);
    bool finished = false;
    bool succeeded = false;
    QString failure;
    Progress progress(QStringLiteral("Encoding"));
    QObject::connect(&encoder, &Mp3Encoder::progress, &encoder,
                     [&](int percent) { progress.update(percent / 100.0); });
    QObject::connect(&encoder, &Mp3Encoder::EncodeFinished, &encoder,
                     [&](bool ok, const QString& message, const QString&) {
                         finished = true;
                         succeeded = ok;
                         failure = message;
                     });
    if (const short code = encoder.EncodeFile(input, output); code != 0)
        return fail(
            QStringLiteral("%1: the encoder refused the job (error code %2)").arg(input).arg(code));
    waitUntil([&] { return finished; });
    progress.finish();
    return succeeded ? Success : fail(failure);
}

int decodeToWav(const QString& input, const QString& output) {
    WavDecoder decoder;
    if (Status opened = decoder.loadmp3(input); !opened)
        return fail(opened);
    Progress progress(QStringLiteral("Decoding"));
    const Status decoded = decoder.convert2wav(output, [&](ByteCount position, ByteCount length) {
        if (length > 0)
            progress.update(double(position) / double(length));
    });
    progress.finish();
    return decoded ? Success : fail(decoded);
}

} // namespace cli
