// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/encoding.h"

#include "cli/cli_support.h"
#include "codec/mp3_encoder.h"
#include "codec/wav_decoder.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace cli {

std::optional<int> parseBitRate(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (ok && (value == 56 || value == 96 || value == 128 || value == 256))
        return value;
    return std::nullopt;
}

std::optional<OutputPlan> planOutput(const QString& command, const QString& output,
                                     const std::optional<QString>& bitRateText) {
    const auto codec = codecForPath(output);
    if (!codec && QFileInfo(output).suffix().toLower() != QLatin1String("wav")) {
        usage(command, QCoreApplication::translate(
                           "cli", "OUT must end in .wav, .mp3, .m4r, .m4a, .ogg, .opus or .flac"));
        return std::nullopt;
    }
    if (!codec || *codec == Codec::Flac) {
        if (!bitRateText)
            return OutputPlan{codec, 0};
        usage(command, QCoreApplication::translate("cli", "--bitrate is not for %1 output")
                           .arg(codec ? QStringLiteral("FLAC") : QStringLiteral("WAV")));
        return std::nullopt;
    }
    const QString text = bitRateText.value_or(QStringLiteral("128"));
    if (*codec == Codec::Mp3) {
        const auto bitRate = parseBitRate(text);
        if (!bitRate) {
            usage(command, QCoreApplication::translate(
                               "cli", "--bitrate must be 56, 96, 128 or 256 for MP3"));
            return std::nullopt;
        }
        return OutputPlan{codec, *bitRate};
    }
    bool ok = false;
    const int kbps = text.toInt(&ok);
    if (!ok || kbps < 1) {
        usage(command,
              QCoreApplication::translate("cli", "--bitrate takes a whole number of kbit/s"));
        return std::nullopt;
    }
    return OutputPlan{codec, kbps};
}

int encodeTo(const QString& input, const QString& output, const EncodeSettings& settings) {
    if (settings.codec == Codec::Mp3 && settings.title.isEmpty())
        return encodeToMp3(input, output, settings.bitRateKbps);
    Progress progress(QCoreApplication::translate("cli", "Encoding"));
    const Status encoded =
        encodeFile(input, output, settings, [&](int percent) { progress.update(percent / 100.0); });
    progress.finish();
    return encoded ? Success : fail(encoded);
}

int writeAs(const QString& input, const QString& output, const OutputPlan& plan) {
    if (!plan.codec)
        return decodeToWav(input, output);
    return encodeTo(input, output, EncodeSettings{*plan.codec, plan.bitRateKbps, QString()});
}

int encodeToMp3(const QString& input, const QString& output, int bitRate) {
    Mp3Encoder encoder;
    encoder.setBitRate(bitRate);
    bool finished = false;
    bool succeeded = false;
    QString failure;
    Progress progress(QCoreApplication::translate("cli", "Encoding"));
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
            QCoreApplication::translate("cli", "%1: the encoder refused the job (error code %2)")
                .arg(input)
                .arg(code));
    waitUntil([&] { return finished; });
    progress.finish();
    return succeeded ? Success : fail(failure);
}

int decodeToWav(const QString& input, const QString& output) {
    WavDecoder decoder;
    if (Status opened = decoder.loadmp3(input); !opened)
        return fail(opened);
    Progress progress(QCoreApplication::translate("cli", "Decoding"));
    const Status decoded = decoder.convert2wav(output, [&](ByteCount position, ByteCount length) {
        if (length > 0)
            progress.update(double(position) / double(length));
    });
    progress.finish();
    return decoded ? Success : fail(decoded);
}

} // namespace cli
